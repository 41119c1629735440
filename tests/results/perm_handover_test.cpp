// The "Perm Wizard" hand-over from the results window to the perm window, and a perm built end
// to end on the bundled UK database.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <map>

#include "common/numbers.h"
#include "common/window_bar.h"
#include "controls/form.h"
#include "database/shared_database.h"
#include "perm/perm_window.h"
#include "reports/print_window.h"
#include "results/main_window.h"
#include "support/fixtures.h"
#include "support/recorder.h"

namespace vtn {
namespace {

class PermHandOverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::InstallBundledDatabase(QStringLiteral("UK-National-Lottery.dat"));
    FrmTxt::FirstRefreshDone = false;  // as at the program's start
  }
  void TearDown() override { test::UnloadAllWindows(); }

  MainWindow& scannedResults() {
    MainWindow& results = Forms::get<MainWindow>();
    results.Show();
    results.lblbuttons_Click(0);
    return results;
  }

  // The fifteen most drawn balls as two-digit texts, most drawn first; among equal counts the
  // higher ball first, as the sorted ranking list orders them.
  static QStringList hottestFifteen() {
    BallCounts counts{};
    for (int k = 1; k <= DrawCount(); ++k) {
      EXPECT_TRUE(ReadDraw(k));
      CountMainBalls(CurrentDraw, counts);
    }
    QStringList rows;
    for (int ball = 1; ball <= kHighestBall; ++ball)
      if (counts[size_t(ball)] > 0) rows << CountBallRow(counts[size_t(ball)], ball, true);
    std::sort(rows.begin(), rows.end());
    QStringList balls;
    for (int i = 0; i < 15; ++i) balls << rows[rows.size() - 1 - i].mid(4, 2);
    return balls;
  }

  // The balls marked in the hot, warm and cold lists.
  static QStringList markedBalls(const FrmTxt& perm) {
    QStringList balls;
    for (const ListBox* band : {perm.LstHot, perm.LstWarm, perm.LstCold})
      for (int i = 0; i < band->ListCount(); ++i)
        if (band->Selected(i)) balls << band->List(i).mid(4, 2);
    balls.sort();
    return balls;
  }
  // The shown draw's balls that stand in one of the perm window's band lists.
  static QStringList drawBalls(const MainWindow& results, const FrmTxt& perm) {
    QStringList inBands;
    for (const ListBox* band : {perm.LstHot, perm.LstWarm, perm.LstCold})
      for (const QString& row : band->Rows()) inBands << row.mid(4, 2);
    QStringList balls;
    for (size_t i = 0; i < 6; ++i)
      if (inBands.contains(results.TxtBall[i]->Text())) balls << results.TxtBall[i]->Text();
    balls.sort();
    return balls;
  }

  static QStringList tags(const FrmTxt& perm) {
    QStringList texts;
    for (const Label* label : perm.Label4) texts << label->Tag;
    return texts;
  }

  static QStringList boxTexts(const FrmTxt& perm) {
    QStringList texts;
    for (const TextBox* box : perm.TXTActiveNumbers) texts << box->Text();
    return texts;
  }
};

TEST_F(PermHandOverTest, FirstHandOverAfterStartAppliesModeOneToTheHandedOverNumbers) {
  MainWindow& results = scannedResults();
  results.lblbuttons_MouseDown(2, 1, 0, 0, 0);
  ASSERT_TRUE(Forms::isLoaded<FrmTxt>());
  FrmTxt& perm = Forms::get<FrmTxt>();
  EXPECT_TRUE(FrmTxt::FirstRefreshDone);
  EXPECT_EQ(perm.List1->ListCount(), 7);
  EXPECT_EQ(perm.List1->ListIndex(), 0);
  EXPECT_EQ(perm.List2->ListIndex(), 0);
  EXPECT_EQ(perm.ListPerms->ListCount(), 59);
  EXPECT_EQ(perm.LstHot->ListCount() + perm.LstWarm->ListCount() + perm.LstCold->ListCount(), 58);
  EXPECT_EQ(boxTexts(perm), hottestFifteen());
  for (size_t i = 0; i < 6; ++i) EXPECT_EQ(perm.Text1[i]->Text(), results.TxtBall[i]->Text());
  EXPECT_EQ(markedBalls(perm), drawBalls(results, perm));
  EXPECT_GE(markedBalls(perm).size(), 4);
  // The ranking tags: the last fifteen rows of the most-common list, two-digit balls (9 ranks
  // tenth on the UK draws).
  const int rows = results.LstMostCommon->ListCount();
  EXPECT_EQ(perm.Label4[0]->Tag, BallText(int(Val(BallOfRow(results.LstMostCommon->List(rows - 1))))));
  EXPECT_EQ(tags(perm), QStringList({"39", "38", "11", "33", "27", "40", "31", "23", "42", "09", "47", "35", "49", "44", "30"}));
  // The nine-number wheel is chosen: boxes 0 to 8 shown.
  for (int i = 0; i < 15; ++i) EXPECT_EQ(perm.TXTActiveNumbers[size_t(i)]->Visible(), i < 9) << i;
  EXPECT_TRUE(WindowBar::IsOpen(*WindowBar::instance().Label5));
  EXPECT_EQ(perm.Top(), 0);
}

TEST_F(PermHandOverTest, ShownDrawFollowsIntoTheWinCheckBoxesOnlyWhileThePermWindowIsOpen) {
  MainWindow& results = scannedResults();
  results.lblbuttons_MouseDown(2, 1, 0, 0, 0);
  FrmTxt& perm = Forms::get<FrmTxt>();
  results.cmdBack_Click();
  for (size_t i = 0; i < 6; ++i) EXPECT_EQ(perm.Text1[i]->Text(), results.TxtBall[i]->Text());
  EXPECT_EQ(results.TxtDate->Text(), QStringLiteral("03/06/26"));
  Forms::unload<FrmTxt>();
  EXPECT_FALSE(WindowBar::IsOpen(*WindowBar::instance().Label5));
  results.cmdBack_Click();
  EXPECT_FALSE(Forms::isLoaded<FrmTxt>());  // a closed perm window is not reopened
}

TEST_F(PermHandOverTest, SecondHandOverWhileOpenAndOneAfterACloseBothFillTheBoxes) {
  MainWindow& results = scannedResults();
  results.lblbuttons_MouseDown(2, 1, 0, 0, 0);
  const QStringList expected = hottestFifteen();
  FrmTxt* first = &Forms::get<FrmTxt>();
  first->TXTActiveNumbers[0]->setText(QStringLiteral("01"));

  // While open: the flag is set, so only the producer's own selections apply the mode.
  results.cmdBack_Click();
  results.lblbuttons_MouseDown(2, 1, 0, 0, 0);
  EXPECT_EQ(&Forms::get<FrmTxt>(), first);
  EXPECT_EQ(boxTexts(*first), expected);
  for (size_t i = 0; i < 6; ++i) EXPECT_EQ(first->Text1[i]->Text(), results.TxtBall[i]->Text());
  // The band lists show the handed-over ranking again, not the empty lists of a rebuild made
  // while the ranking was being replaced.
  EXPECT_EQ(first->LstHot->ListCount() + first->LstWarm->ListCount() + first->LstCold->ListCount(), 58);
  EXPECT_EQ(markedBalls(*first), drawBalls(results, *first));
  EXPECT_GE(markedBalls(*first).size(), 4);

  // After a close: a new window in its design state; the hand-over's refresh fills it.
  Forms::unload<FrmTxt>();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(FrmTxt::FirstRefreshDone);
  results.lblbuttons_MouseDown(2, 1, 0, 0, 0);
  FrmTxt& again = Forms::get<FrmTxt>();
  EXPECT_TRUE(FrmTxt::FirstRefreshDone);
  EXPECT_EQ(boxTexts(again), expected);
  EXPECT_EQ(again.List2->ListIndex(), 0);
  EXPECT_EQ(again.LstSorted->ListCount(), 0);
}

TEST_F(PermHandOverTest, PermBuiltEndToEndOnTheUkDatabase) {
  MainWindow& results = scannedResults();
  results.lblbuttons_MouseDown(2, 1, 0, 0, 0);
  FrmTxt& perm = Forms::get<FrmTxt>();
  test::recorder().clear();

  perm.cmdwizard_Click(1);
  ASSERT_EQ(perm.LstSorted->ListCount(), 7);
  for (const QString& line : perm.LstSorted->Rows()) EXPECT_EQ(line.size(), 17) << line.toStdString();
  QStringList sortedNine = hottestFifteen().mid(0, 9);
  std::sort(sortedNine.begin(), sortedNine.end());
  for (int i = 0; i < 9; ++i) EXPECT_EQ(perm.TXTActiveNumbers[size_t(i)]->Text(), sortedNine[i]);
  EXPECT_TRUE(test::recorder().messages.empty());

  perm.Label1_Click();
  const QString tally = perm.Text1[6]->Text();
  EXPECT_TRUE(tally.startsWith(QStringLiteral("6 ball matchs = : ")));
  EXPECT_EQ(tally.count(QStringLiteral("\r\n")), 4);

  PrintWindow* reportsBefore = Forms::isLoaded<PrintWindow>() ? &Forms::get<PrintWindow>() : nullptr;
  EXPECT_EQ(reportsBefore, nullptr);
  perm.CmdPrintIt_Click();
  ASSERT_TRUE(Forms::isLoaded<PrintWindow>());
  const QString report = Forms::get<PrintWindow>().Text1[1]->Text();
  EXPECT_EQ(report.count(QStringLiteral("\r\n")), 7 + 14);
  EXPECT_TRUE(report.contains(QStringLiteral("this takes 7 lines")));
  EXPECT_TRUE(report.contains(perm.LstSorted->List(0)));
}

// 1200 draws in which balls 9, 40, 4 and 15 are drawn 1000 times or more and 18 and 27 just
// under: ball b goes into target(b) draws in turn, so every draw gets six different balls.
std::vector<DrawRecord> countsCrossingAThousand() {
  constexpr int kDraws = 1200;
  const std::map<int, int> hot = {{9, 1150}, {40, 1100}, {4, 1001}, {15, 1000}, {18, 999}, {27, 998}};
  std::vector<std::vector<int>> balls(kDraws);
  int next = 0, others = 0;
  for (int ball = 1; ball <= 49; ++ball) {
    const int target = hot.count(ball) ? hot.at(ball) : (others++ < 6 ? 23 : 22);  // 6 x 23 + 37 x 22 = 952
    for (int i = 0; i < target; ++i) balls[size_t(next++ % kDraws)].push_back(ball);
  }
  std::vector<DrawRecord> draws;
  for (int k = 0; k < kDraws; ++k) {
    EXPECT_EQ(balls[size_t(k)].size(), 6u);
    DrawRecord d = test::Draw(k + 1, {}, 0, QStringLiteral("01/01/01"), QStringLiteral("Sa"));
    for (size_t i = 0; i < 6; ++i) d.Balls[i] = BallText(balls[size_t(k)][i]);
    draws.push_back(d);
  }
  return draws;
}

TEST_F(PermHandOverTest, CountsOfAThousandAndMoreRankAndFillByCount) {
  test::InstallDatabase(QStringLiteral("Daily-Game.dat"), countsCrossingAThousand());
  MainWindow& results = scannedResults();
  EXPECT_EQ(results.LstMostCommon->Rows().mid(43),
            QStringList({"998 27", "999 18", "1000 15", "1001 4", "1100 40", "1150 9"}));
  results.lblbuttons_MouseDown(2, 1, 0, 0, 0);
  FrmTxt& perm = Forms::get<FrmTxt>();
  EXPECT_EQ(tags(perm), QStringList({"09", "40", "04", "15", "18", "27", "07", "06", "05", "03", "02", "01", "08", "49", "48"}));
  EXPECT_EQ(perm.ListPerms->List(48), QStringLiteral("1150 09"));
  // Mode 1: the hot band from its most drawn ball on; among equal counts the higher ball first.
  EXPECT_EQ(boxTexts(perm), QStringList({"09", "40", "04", "15", "18", "27", "07", "06", "05", "03", "02", "01", "49", "48", "47"}));
  EXPECT_TRUE(test::recorder().messages.empty());
}

}  // namespace
}  // namespace vtn
