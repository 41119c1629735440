// The results window: loading the current database, the shown draw, the scan and damaged files.
#include <gtest/gtest.h>

#include "common/help.h"
#include "common/paths.h"
#include "common/settings.h"
#include "common/window_bar.h"
#include "controls/form.h"
#include "database/shared_database.h"
#include "results/ball_counts.h"
#include "results/main_window.h"
#include "support/fixtures.h"
#include "support/recorder.h"

namespace vtn {
namespace {

std::vector<DrawRecord> smallDatabase() {
  return {test::Draw(1, {1, 2, 3, 4, 5, 7}, 9, QStringLiteral("01/02/03"), QStringLiteral("Sa")),
          test::Draw(2, {2, 3, 4, 5, 7, 12}, 1, QStringLiteral("05/02/03"), QStringLiteral("We")),
          test::Draw(3, {3, 4, 7, 12, 40, 49}, 2, QStringLiteral("08/02/03"), QStringLiteral("Sa"))};
}

class MainWindowTest : public ::testing::Test {
 protected:
  void TearDown() override { test::UnloadAllWindows(); }
};

TEST_F(MainWindowTest, LoadsTheDefaultDatabaseWhenNoneIsStored) {
  test::InstallBundledDatabase(QStringLiteral("UK-National-Lottery.dat"));
  SaveDataBaseName(QString());
  MainWindow& w = Forms::get<MainWindow>();
  EXPECT_EQ(OpenDatabasePath(), DataBasesPath(QStringLiteral("UK-National-Lottery.dat")));
  EXPECT_EQ(DrawCount(), 3178);
  EXPECT_EQ(w.ListView1->model()->rowCount(), 3178);
  EXPECT_EQ(HelpFilePath(), ProgramFolder() + QStringLiteral("/VTN.HLP"));
  EXPECT_TRUE(w.Caption().contains(QStringLiteral("UK-National-Lottery.dat")));
  // The newest draw is shown first.
  EXPECT_EQ(w.SelectedDraw(), 3177);
  EXPECT_EQ(w.TxtDate->Text(), QStringLiteral("06/06/26"));
  EXPECT_TRUE(test::recorder().messages.empty());
}

TEST_F(MainWindowTest, NextBackAndTableClicksChangeTheShownDraw) {
  test::InstallDatabase(QStringLiteral("UK-Small.dat"), smallDatabase());
  MainWindow& w = Forms::get<MainWindow>();
  EXPECT_FALSE(w.cmdNext->isEnabled());
  w.cmdBack_Click();
  EXPECT_EQ(w.TxtDate->Text(), QStringLiteral("05/02/03"));
  EXPECT_EQ(w.TxtBall[5]->Text(), QStringLiteral("12"));
  EXPECT_EQ(w.TxtBall[6]->Text(), QStringLiteral("01"));
  EXPECT_EQ(w.TxtDay->Text(), QStringLiteral("We"));
  w.cmdBack_Click();
  EXPECT_FALSE(w.cmdBack->isEnabled());
  w.cmdBack_Click();  // nothing before the first draw
  EXPECT_EQ(w.SelectedDraw(), 0);
  w.cmdNext_Click();
  EXPECT_EQ(w.SelectedDraw(), 1);
  w.SelectDraw(2);  // as a click in the table does
  EXPECT_EQ(w.TxtBall[0]->Text(), QStringLiteral("03"));
  EXPECT_EQ(w.TxtBall[5]->Text(), QStringLiteral("49"));
}

TEST_F(MainWindowTest, ScanCountsMainBallsIntoBarsAndTheMostCommonList) {
  test::InstallDatabase(QStringLiteral("UK-Small.dat"), smallDatabase());
  MainWindow& w = Forms::get<MainWindow>();
  w.lblbuttons_Click(0);
  const std::vector<std::pair<int, int>> expected = {{1, 1}, {2, 2}, {3, 3}, {4, 3}, {5, 2}, {6, 0},
                                                     {7, 3}, {9, 0}, {12, 2}, {40, 1}, {49, 1}};
  for (auto [ball, count] : expected) EXPECT_EQ(w.ProgressBar1[size_t(ball)]->Value(), float(count)) << ball;
  // Bonus balls are not counted.
  EXPECT_EQ(w.ProgressBar1[9]->Value(), 0.0f);
  const QStringList rows = {QStringLiteral("001 1"),  QStringLiteral("001 40"), QStringLiteral("001 49"),
                            QStringLiteral("002 12"), QStringLiteral("002 2"),  QStringLiteral("002 5"),
                            QStringLiteral("003 3"),  QStringLiteral("003 4"),  QStringLiteral("003 7")};
  EXPECT_EQ(w.LstMostCommon->Rows(), rows);
  EXPECT_TRUE(w.lblbuttons[0]->Enabled());
  EXPECT_FALSE(w.lblbuttons[1]->Enabled());
  // A second scan starts afresh.
  w.lblbuttons_Click(0);
  EXPECT_EQ(w.LstMostCommon->Rows(), rows);
  EXPECT_EQ(w.ProgressBar1[3]->Value(), 3.0f);
}

TEST(BallCounts, SkipTextsThatAreNotBalls) {
  BallCounts counts{};
  DrawRecord d = test::Draw(1, {1, 2, 3, 4, 5, 6}, 7, QStringLiteral("01/01/01"), QStringLiteral("Mo"));
  d.Balls[0] = QStringLiteral("xx");
  d.Balls[1] = QStringLiteral("00");
  d.Balls[2] = QStringLiteral("120");
  CountMainBalls(d, counts);
  EXPECT_EQ(counts[0], 0);
  EXPECT_EQ(counts[4] + counts[5] + counts[6], 3);
  EXPECT_EQ(MostCommonRows(counts), (QStringList{QStringLiteral("001 4"), QStringLiteral("001 5"), QStringLiteral("001 6")}));
}

TEST_F(MainWindowTest, ActivationAndUnloadMarkTheWindowBarButton) {
  test::InstallDatabase(QStringLiteral("UK-Small.dat"), smallDatabase());
  Label& button = *WindowBar::instance().Label1;
  Forms::get<MainWindow>().Show();
  EXPECT_EQ(button.BackColor(), 0xE0E0E0u);
  EXPECT_TRUE(button.Enabled());
  Forms::unload<MainWindow>();
  EXPECT_EQ(button.BackColor(), 0xC0C0C0u);
  EXPECT_FALSE(button.Enabled());
}

TEST_F(MainWindowTest, MissingOrDamagedDatabaseGivesOneMessageAndAWorkingWindow) {
  struct Case {
    const char* name;
    QByteArray bytes;  // empty: no file at all
    int readable;
  };
  const QByteArray one = test::FileBytes(test::InstallDatabase(QStringLiteral("UK-Good.dat"), smallDatabase()));
  const QByteArray truncated = one.left(one.size() - 3);
  for (const Case& c : {Case{"UK-Missing.dat", QByteArray(), 0}, Case{"UK-Cut.dat", truncated, 2}}) {
    SCOPED_TRACE(c.name);
    test::recorder().clear();
    const QString name = QString::fromLatin1(c.name);
    if (!c.bytes.isEmpty()) test::WriteScratchFile(QStringLiteral("DataBases/") + name, c.bytes);
    SaveDataBaseName(name);
    MainWindow& w = Forms::get<MainWindow>();
    ASSERT_EQ(test::recorder().messages.size(), 1u);
    EXPECT_TRUE(test::recorder().lastText().contains(name));
    EXPECT_EQ(w.ListView1->model()->rowCount(), c.readable);
    w.lblbuttons_Click(0);
    w.cmdNext_Click();
    w.cmdBack_Click();
    EXPECT_EQ(test::recorder().messages.size(), 1u);
    if (!c.bytes.isEmpty()) {
      EXPECT_EQ(test::FileBytes(DataBasesPath(name)), c.bytes);  // never written to
    }
    test::UnloadAllWindows();
  }
}

}  // namespace
}  // namespace vtn
