// The statistics window driven as a user drives it, on a small database whose counts are known,
// and end to end on the bundled UK database.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>

#include "common/numbers.h"
#include "common/window_bar.h"
#include "controls/control.h"
#include "controls/form.h"
#include "database/shared_database.h"
#include "perm/perm_window.h"
#include "reports/print_window.h"
#include "statistics/statistic_window.h"
#include "support/fixtures.h"
#include "support/recorder.h"

namespace vtn {
namespace {

const QString kScanFirst = QStringLiteral("Please scan first to generate the data needed for the text version of the graph");
const QString kNoDraws =
    QStringLiteral("Sorry! there are no draws to scan, please select a day from the filter list and try again");
const QString kFewNumbers = QStringLiteral(
    "The perm wizard may not function correctly with this amount of numbers, You need at least 18 diffrent numbers, "
    "VTN will still open the perm wizard but you will have to choose your own numbers.");

// Ball 1 is never the lowest ball. 1st: 2 twice, 3 and 5 once. 4th: 30 twice, 31 and 33 once.
// 5th: 40 (oldest draw only), 41, 42, 44. 6th: 50 twice, 51 (latest draw), 99.
std::vector<DrawRecord> smallDatabase() {
  using test::Draw;
  return {Draw(1, {2, 10, 20, 30, 40, 99}, 7, QStringLiteral("01/01/05"), QStringLiteral("Sa")),
          Draw(2, {3, 10, 21, 30, 41, 50}, 7, QStringLiteral("04/01/05"), QStringLiteral("We")),
          Draw(3, {2, 11, 22, 31, 42, 50}, 7, QStringLiteral("08/01/05"), QStringLiteral("Sa")),
          Draw(4, {5, 12, 20, 33, 44, 51}, 7, QStringLiteral("11/01/05"), QStringLiteral("We"))};
}

class StatisticWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OpenDatabase(test::InstallDatabase(QStringLiteral("Small.dat"), smallDatabase()));
    FrmTxt::FirstRefreshDone = false;
  }
  void TearDown() override {
    test::UnloadAllWindows();
    CloseDatabase();
  }
  StatisticWindow& window() { return Forms::get<StatisticWindow>(); }
  StatisticWindow& scanned() {
    StatisticWindow& w = window();
    w.CmdScan_Click();
    return w;
  }
  static void filter(StatisticWindow& w, const QString& day) {
    for (int i = 0; i < w.Combo10->ListCount(); ++i)
      if (w.Combo10->List(i) == day) w.Combo10->setListIndex(i);
  }
  static int rowOf(const ListBox& list, const QString& start) {
    for (int i = 0; i < list.ListCount(); ++i)
      if (list.List(i).startsWith(start)) return i;
    return -1;
  }
};

TEST_F(StatisticWindowTest, ScanFillsBarsListsAndRankingWithBallsOnly) {
  StatisticWindow& w = scanned();
  EXPECT_EQ(w.ProgressBar4[0]->Tag, QStringLiteral("4"));
  EXPECT_EQ(w.LstB1[0]->Rows(), QStringList({QStringLiteral("001 3"), QStringLiteral("001 5"), QStringLiteral("002 2")}));
  EXPECT_EQ(w.LstB1[5]->Rows(), QStringList({QStringLiteral("001 51"), QStringLiteral("001 99"), QStringLiteral("002 50")}));
  EXPECT_EQ(w.ProgressBar9[10]->Value(), 2.0f);
  EXPECT_TRUE(w.ProgressBar8[0]->Visible());
  EXPECT_FALSE(w.ProgressBar8[4]->Visible());
  EXPECT_EQ(w.LabBallOne[0]->Caption(), QStringLiteral("2"));
  EXPECT_EQ(w.LabBallOne[0]->Tag, QStringLiteral("002"));
  EXPECT_EQ(w.LabBallOne[2]->Caption(), QStringLiteral("3"));
  EXPECT_EQ(w.LabBallOne[3]->Caption(), QStringLiteral("00"));  // beyond the list
  EXPECT_EQ(w.LstB1[6]->ListIndex(), 3);
  EXPECT_EQ(w.TxtBallLastAppeared->Text(), w.LstB1[6]->List(3));
  // Rescale: each position's highest count fills its bar; bars 0 and 99 keep the scan's.
  EXPECT_EQ(w.ProgressBar3[21]->Max(), 2.0f);
  EXPECT_EQ(w.ProgressBar9[21]->Max(), 3.0f);
  EXPECT_EQ(w.ProgressBar6[99]->Max(), 4.0f);
  EXPECT_FALSE(w.ProgressBar6[99]->Enabled());
  EXPECT_FALSE(w.ProgressBar6[0]->Enabled());
  EXPECT_TRUE(w.ProgressBar6[98]->Enabled());
  EXPECT_TRUE(w.CmdScan->Enabled());

  // A scan of fewer draws leaves no ball of the earlier scan in the places it did not fill.
  filter(w, QStringLiteral("Saturday"));
  w.CmdScan_Click();
  EXPECT_EQ(w.LabBallOne[0]->Caption(), QStringLiteral("2"));
  EXPECT_EQ(w.LabBallOne[1]->Caption(), QStringLiteral("00"));
  EXPECT_EQ(w.LabBallOne[1]->Tag, QString());
}

TEST_F(StatisticWindowTest, RescaleBeforeAnyScanSetsEveryMaximumToOne) {
  StatisticWindow& w = window();
  w.LBLMax_Click();
  EXPECT_EQ(w.ProgressBar5[30]->Max(), 1.0f);
  EXPECT_EQ(w.ProgressBar9[30]->Max(), 2.0f);
}

TEST_F(StatisticWindowTest, ReadOutsOfLatestOldestAndEqualCounts) {
  StatisticWindow& w = scanned();
  w.ProgressBar4_MouseMove(30);
  EXPECT_EQ(w.Text6->Text(), QStringLiteral("30 has appeared as a 4th ball 2 times\r\nPosition : 1 from a range of 3\r\n"
                                            "Appears as a 4th ball on average every 2 draws\r\n"
                                            "30 last appeared as a 4th ball 3 draws ago on 04/01/05"));
  EXPECT_EQ(w.Label17->Caption(), QStringLiteral("30"));
  EXPECT_EQ(w.LstB1[3]->Text(), QStringLiteral("002 30"));
  EXPECT_EQ(w.TxtBallLastAppeared->Text(), w.LstB1[6]->List(1));

  w.ProgressBar6_MouseMove(51);  // the latest listed draw
  EXPECT_TRUE(w.Text6->Text().endsWith(QStringLiteral("51 last appeared as a 6th ball 1 draws ago on 11/01/05")));
  w.ProgressBar5_MouseMove(40);  // only in the oldest listed draw
  EXPECT_TRUE(w.Text6->Text().endsWith(QStringLiteral("40 last appeared as the 5th ball 4 draws ago on 01/01/05")));
  // Its draw's balls turn yellow in the ranking; the others keep their band colour.
  EXPECT_EQ(w.LabBallOne[0]->BackColor(), 0x00FFFFu);  // ball 2
  EXPECT_EQ(w.LabBallOne[1]->BackColor(), 0x8080FFu);  // ball 5
  EXPECT_EQ(w.LabBallSix[1]->BackColor(), 0x00FFFFu);  // ball 99

  // Equal counts: the ball whose text sorts later takes the smaller place.
  w.ProgressBar8_MouseMove(5);
  EXPECT_TRUE(w.Text6->Text().contains(QStringLiteral("Position : 2 from a range of 3 numbers \r\n")));
  w.ProgressBar8_MouseMove(3);
  EXPECT_TRUE(w.Text6->Text().contains(QStringLiteral("Position : 3 from a range of 3 numbers \r\n")));
}

TEST_F(StatisticWindowTest, ReadOutAfterTheFilterLeftNoDrawWithTheBall) {
  StatisticWindow& w = scanned();
  filter(w, QStringLiteral("Wednesday"));
  ASSERT_EQ(w.LstB1[6]->ListCount(), 2);
  w.ProgressBar8_MouseMove(2);
  EXPECT_TRUE(w.Text6->Text().endsWith(QStringLiteral("\r\n2 has not appeared as a 1st ball in the listed draws")));
  EXPECT_EQ(w.LstB1[6]->ListIndex(), -1);
  EXPECT_EQ(w.TxtBallLastAppeared->Text(), QString());
  for (int i = 0; i < 36; ++i) EXPECT_NE(w.LabBallOne[size_t(i)]->BackColor(), 0x00FFFFu) << i;
}

TEST_F(StatisticWindowTest, PointingBeforeAScanDiffersByPositionAndTellsAnEmptyListOnce) {
  StatisticWindow& w = window();
  w.ProgressBar8_MouseMove(2);
  w.ProgressBar7_MouseMove(10);
  EXPECT_EQ(w.Text6->Text(), QString());
  w.ProgressBar6_MouseMove(50);  // only moves the draw list's selection
  EXPECT_EQ(w.LstB1[6]->ListIndex(), 2);
  EXPECT_EQ(w.LstB1[5]->ListCount(), 0);
  filter(w, QStringLiteral("Monday"));
  ASSERT_EQ(w.LstB1[6]->ListCount(), 0);
  for (int i = 0; i < 5; ++i) w.ProgressBar3_MouseMove(20);
  ASSERT_EQ(test::recorder().messages.size(), 1u);
  EXPECT_EQ(test::recorder().lastText(), kNoDraws);
  filter(w, QStringLiteral("All Days"));
  w.ProgressBar4_MouseMove(30);  // starts the scan
  EXPECT_EQ(w.LstB1[3]->ListCount(), 3);
  EXPECT_EQ(test::recorder().messages.size(), 1u);
}

TEST_F(StatisticWindowTest, MarkersToggleSurviveScansAndClearOnPositionBarsOnly) {
  StatisticWindow& w = window();
  w.ProgressBar7_Click(10);
  w.ProgressBar9_Click(10);
  EXPECT_EQ(w.ProgressBar7[10]->BorderStyle(), 1);
  EXPECT_EQ(w.ProgressBar9[10]->BorderStyle(), 0);
  w.CmdScan_Click();
  EXPECT_EQ(w.ProgressBar7[10]->BorderStyle(), 1);
  w.ProgressBar7_Click(10);
  EXPECT_EQ(w.ProgressBar7[10]->BorderStyle(), 0);
  w.CommandBack_Click();  // the draw display marks the shown draw's balls: 02 11 22 31 42 50
  EXPECT_EQ(w.ProgressBar8[2]->BorderStyle(), 1);
  EXPECT_EQ(w.ProgressBar4[31]->BorderStyle(), 1);
  w.Check1->setValue(1);
  w.CommandBack_Click();  // and clears them for the next one: 03 10 21 30 41 50
  EXPECT_EQ(w.ProgressBar8[2]->BorderStyle(), 0);
  EXPECT_EQ(w.ProgressBar8[3]->BorderStyle(), 1);
  EXPECT_EQ(w.ProgressBar6[50]->BorderStyle(), 1);
  EXPECT_TRUE(w.Text6->Text().contains(QStringLiteral("03 10 21 30 41 50 04/01/05 We")));
  w.Label3_Click();
  EXPECT_EQ(w.ProgressBar8[3]->BorderStyle(), 0);
  EXPECT_EQ(w.ProgressBar6[50]->BorderStyle(), 0);
}

TEST_F(StatisticWindowTest, NextAndBackShowTheListedDrawsNumberedFromOne) {
  StatisticWindow& w = window();
  filter(w, QStringLiteral("Wednesday"));  // two draws listed, none selected
  const QString first = QStringLiteral("Draw 1 of 2 listed: 03 10 21 30 41 50 04/01/05 We");
  const QString second = QStringLiteral("Draw 2 of 2 listed: 05 12 20 33 44 51 11/01/05 We");
  struct Step {
    bool next;
    int row;
    QString text;
  };
  // From no selection Next starts at the oldest draw; neither button steps past an end.
  const Step steps[] = {{true, 0, first}, {true, 1, second}, {true, 1, second}, {false, 0, first}, {false, 0, first}};
  for (size_t k = 0; k < std::size(steps); ++k) {
    if (steps[k].next) w.CommandNext_Click();
    else w.CommandBack_Click();
    EXPECT_EQ(w.Text6->Text(), steps[k].text) << k;
    EXPECT_EQ(w.LstB1[6]->ListIndex(), steps[k].row) << k;
  }
  filter(w, QStringLiteral("All Days"));  // and from no selection Back starts at the latest
  w.CommandBack_Click();
  EXPECT_EQ(w.Text6->Text(), QStringLiteral("Draw 4 of 4 listed: 05 12 20 33 44 51 11/01/05 We"));
  w.CommandBack_Click();
  EXPECT_EQ(w.Text6->Text(), QStringLiteral("Draw 3 of 4 listed: 02 11 22 31 42 50 08/01/05 Sa"));
}

TEST_F(StatisticWindowTest, PointingWhileAScanRunsShowsNothingAndStartsNothing) {
  StatisticWindow& w = window();
  // Points at a ball of position p (0 the lowest).
  auto point = [&w](int p) {
    switch (p) {
      case 0: return w.ProgressBar8_MouseMove(2, 0, 0, 0, 0);
      case 1: return w.ProgressBar7_MouseMove(10, 0, 0, 0, 0);
      case 2: return w.ProgressBar3_MouseMove(20, 0, 0, 0, 0);
      case 3: return w.ProgressBar4_MouseMove(30, 0, 0, 0, 0);
      case 4: return w.ProgressBar5_MouseMove(40, 0, 0, 0, 0);
      default: return w.ProgressBar6_MouseMove(50, 0, 0, 0, 0);
    }
  };
  // The scan keeps its button disabled while it lets events run. Before any scan, too, a pointer
  // move then starts no second scan and moves no selection.
  for (bool scannedBefore : {false, true}) {
    if (scannedBefore) w.CmdScan_Click();
    const int drawRow = w.LstB1[6]->ListIndex();
    w.CmdScan->setEnabled(false);
    for (int p = 0; p < 6; ++p) {
      point(p);
      EXPECT_EQ(w.Text6->Text(), QString()) << scannedBefore << p;
      EXPECT_EQ(w.Label17->Caption(), QString()) << scannedBefore << p;
      EXPECT_EQ(w.LstB1[6]->ListIndex(), drawRow) << scannedBefore << p;
      EXPECT_EQ(w.LstB1[size_t(p)]->ListIndex(), -1) << scannedBefore << p;
      if (!scannedBefore) {
        EXPECT_EQ(w.LstB1[size_t(p)]->ListCount(), 0) << p;  // no scan started
      }
    }
    w.CmdScan->setEnabled(true);
  }
  EXPECT_TRUE(test::recorder().messages.empty());
}

TEST_F(StatisticWindowTest, TextViewNeedsAScanNotBallOneAsLowestBall) {
  StatisticWindow& w = window();
  w.Option4[1]->setValue(true);
  ASSERT_EQ(test::recorder().messages.size(), 1u);  // once, not again for the fall-back
  EXPECT_EQ(test::recorder().lastText(), kScanFirst);
  EXPECT_TRUE(w.Option4[0]->Value());
  EXPECT_FALSE(w.Pictur[5]->Visible());

  w.CmdScan_Click();
  test::recorder().clear();
  w.Option4[1]->setValue(true);
  EXPECT_TRUE(test::recorder().messages.empty());
  EXPECT_TRUE(w.Pictur[5]->Visible());
  EXPECT_TRUE(w.Frame1->Enabled());
  ASSERT_EQ(w.List4->ListCount(), 4 + 19);
  ASSERT_EQ(w.List6->ListCount(), 4 + 19);
  EXPECT_EQ(w.List4->List(4), QStringLiteral("2: =\t2\t0\t0\t0\t0\t0\t2"));
  EXPECT_EQ(w.List6->List(4), QStringLiteral("2: =\t2\t0\t0\t0\t0\t0\t2"));
  EXPECT_EQ(w.List4->List(22), QStringLiteral("99: =\t0\t0\t0\t0\t0\t1\t1"));
  EXPECT_EQ(w.List6->List(22), QStringLiteral("99: =\t0\t0\t0\t0\t0\t4\t4"));

  // Twin lists: pressing ball 20's row finds ball 20, not the earlier ball 2.
  const int row20 = rowOf(*w.List4, QStringLiteral("20: ="));
  w.List4->setListIndex(row20);
  w.List4_MouseDown();
  EXPECT_EQ(w.List6->ListIndex(), row20);

  w.lblbutto_Click(1);
  EXPECT_FALSE(w.List4->Visible());
  EXPECT_EQ(w.List6->Top(), 270);
  EXPECT_EQ(w.List6->Height(), 4710);
  w.lblbutto_Click(0);
  EXPECT_TRUE(w.List4->Visible());
  EXPECT_EQ(w.List4->Top(), 270);
  EXPECT_EQ(w.List4->Height(), 2370);
  EXPECT_EQ(w.List6->Top(), 2610);
  w.lblbutto_Click(2);
  w.lblbutto_Click(2);
  EXPECT_EQ(w.lblbutto[2]->BackColor(), 0xFFFFFFu);
  EXPECT_EQ(w.lblbutto[0]->BackColor(), 0xE0E0E0u);

  w.LabData_Click();  // every tab returns to the graph
  EXPECT_TRUE(w.Option4[0]->Value());
  EXPECT_FALSE(w.Pictur[5]->Visible());
  EXPECT_EQ(w.List4->ListCount(), 0);
  EXPECT_TRUE(w.ProgressBar8[99]->Enabled());
  // The view choice is offered only where the text panel can be seen.
  EXPECT_FALSE(w.Option4[1]->Visible());
  w.LabGraph_Click();
  EXPECT_TRUE(w.Option4[1]->Visible());
}

TEST_F(StatisticWindowTest, PerNumberReportLeavesOutPositionsWithoutTheBall) {
  StatisticWindow& w = scanned();
  w.ProgressBar9_Click(2);
  ASSERT_TRUE(Forms::isLoaded<PrintWindow>());
  const QString rule(64, QLatin1Char('-'));
  EXPECT_EQ(Forms::get<PrintWindow>().Text1[1]->Text(),
            QStringLiteral("VTN Statistic report for number 2 from 4 draws\r\n") + rule +
                QStringLiteral("\r\n\r\nAppeared as a 1st ball 2 times\r\n\r\n1 :Position : 1 from a range of 3\r\n\r\n"
                               "Appears as a 1st ball on average every 2 draws\r\n\r\n"
                               "Last appeared as a 1st ball 2 draws ago on 08/01/05\r\n"));
  EXPECT_EQ(w.Text6->Text(), QStringLiteral("Statistics for ball 2\r\n") + rule +
                                 QStringLiteral("\r\n2 has appeared 2 times in 4 draws as a main ball\r\n"));
  EXPECT_EQ(w.LstB1[6]->ListIndex(), 0);

  // While a scan runs only the head line is written.
  w.CmdScan->setEnabled(false);
  w.ProgressBar9_Click(10);
  EXPECT_EQ(Forms::get<PrintWindow>().Text1[1]->Text(), QStringLiteral("VTN Statistic report for number 10 from 4 draws\r\n"));
  EXPECT_TRUE(w.Text6->Text().startsWith(QStringLiteral("Statistics for ball 2")));
}

TEST_F(StatisticWindowTest, PlacementReportPutsBothTablesSideBySide) {
  StatisticWindow& w = scanned();
  w.CmdPrint_Click();
  const QStringList lines = Forms::get<PrintWindow>().Text1[1]->Text().split(QStringLiteral("\r\n"));
  const int header = int(lines.indexOf(QStringLiteral("Ball\t1st\t2nd\t3rd\t4th\t5th\t6th\tSum\tBall\t1st\t2nd\t3rd\t4th\t5th\t6th\tSum")));
  ASSERT_GE(header, 0);
  EXPECT_EQ(lines[header + 1], QStringLiteral("2: =\t2\t0\t0\t0\t0\t0\t2\t2: =\t2\t0\t0\t0\t0\t0\t2"));
  EXPECT_EQ(lines.size(), header + 1 + 19 + 1);
}

TEST_F(StatisticWindowTest, PermHandOverWithFewAndWithEnoughDominantBalls) {
  StatisticWindow& w = window();
  filter(w, QStringLiteral("Wednesday"));  // twelve balls, each in one position
  w.CmdScan_Click();
  w.lblbuttons_MouseDown(0);
  FrmTxt& perm = Forms::get<FrmTxt>();
  EXPECT_EQ(perm.ListPerms->ListCount(), 12);
  EXPECT_EQ(perm.Label4[0]->Tag, QStringLiteral("51"));
  EXPECT_EQ(perm.Label4[11]->Tag, QStringLiteral("03"));
  EXPECT_EQ(perm.Label4[12]->Tag, QStringLiteral("0"));
  EXPECT_EQ(perm.Label4[14]->Tag, QStringLiteral("0"));
  EXPECT_EQ(test::recorder().lastText(), kFewNumbers);
  EXPECT_EQ(perm.Label26->Tag, QStringLiteral("yes"));

  test::recorder().clear();
  filter(w, QStringLiteral("All Days"));
  w.CmdScan_Click();
  // A quick click: the release is already waiting when the press lets events run. It fills the
  // boxes after the press, not before the mode the press applies.
  QCoreApplication::postEvent(w.lblbuttons[0], new QMouseEvent(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2),
                                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  w.lblbuttons_MouseDown(0);
  EXPECT_TRUE(test::recorder().messages.empty());
  EXPECT_EQ(perm.List1->ListCount(), 7);
  EXPECT_EQ(perm.ListPerms->ListCount(), 19);
  EXPECT_EQ(perm.Label4[0]->Tag, QStringLiteral("50"));
  EXPECT_EQ(perm.Label4[4]->Tag, QStringLiteral("02"));
  EXPECT_EQ(perm.Label4[5]->Tag, QStringLiteral("99"));
  // Every press appends the ball list again: 12 balls, then 19.
  EXPECT_EQ(perm.LstMainWindowSorted->ListCount(), 12 + 19);
  EXPECT_EQ(perm.TXTActiveNumbers[0]->Text(), QStringLiteral("2"));
  EXPECT_EQ(perm.TXTActiveNumbers[6]->Text(), w.LabBallTwo[0]->Caption());
  EXPECT_EQ(perm.TXTActiveNumbers[14]->Text(), w.LabBallThree[2]->Caption());
  EXPECT_EQ(perm.Top(), 0);

  // The warning starts below 18: the hand-over reads the bars, so a ball whose bar reads 0
  // drops out. Without ball 99 18 are left, without ball 40 too 17.
  test::recorder().clear();
  w.ProgressBar6[99]->setValue(0);
  w.lblbuttons_MouseDown(0);
  EXPECT_EQ(w.Lstmostcommon->ListCount(), 18);
  EXPECT_TRUE(test::recorder().messages.empty());
  w.ProgressBar5[40]->setValue(0);
  w.lblbuttons_MouseDown(0);
  EXPECT_EQ(w.Lstmostcommon->ListCount(), 17);
  ASSERT_EQ(test::recorder().messages.size(), 1u);
  EXPECT_EQ(test::recorder().lastText(), kFewNumbers);
}

TEST(StatisticWindowUk, EndToEndOnTheBundledDatabase) {
  OpenDatabase(test::InstallBundledDatabase(QStringLiteral("UK-National-Lottery.dat")));
  FrmTxt::FirstRefreshDone = false;
  StatisticWindow& w = Forms::get<StatisticWindow>();
  ASSERT_EQ(w.LstB1[6]->ListCount(), DrawCount());
  w.CmdScan_Click();
  EXPECT_EQ(w.ProgressBar4[0]->Tag, QString::number(DrawCount()));
  const int ball = int(Val(w.LabBallFour[0]->Caption()));
  w.ProgressBar4_MouseMove(ball);
  EXPECT_TRUE(w.Text6->Text().startsWith(QString::number(ball) + QStringLiteral(" has appeared as a 4th ball ")));
  EXPECT_TRUE(w.Text6->Text().contains(QStringLiteral("Position : 1 from a range of ")));

  w.Option4[1]->setValue(true);
  EXPECT_EQ(w.List4->ListCount(), 4 + 59);
  w.ProgressBar9_Click(7);
  EXPECT_TRUE(Forms::get<PrintWindow>().Text1[1]->Text().startsWith(
      QStringLiteral("VTN Statistic report for number 7 from %1 draws\r\n").arg(DrawCount())));

  w.lblbuttons_MouseDown(0);
  w.lblbuttons_MouseUp(0);
  FrmTxt& perm = Forms::get<FrmTxt>();
  EXPECT_GE(perm.ListPerms->ListCount(), 18);
  EXPECT_EQ(perm.ListPerms->ListCount(), w.Lstmostcommon->ListCount());
  for (int i = 0; i < 15; ++i) EXPECT_FALSE(perm.TXTActiveNumbers[size_t(i)]->Text().isEmpty()) << i;
  EXPECT_EQ(perm.TXTActiveNumbers[0]->Text(), w.LabBallOne[0]->Caption());
  EXPECT_TRUE(test::recorder().messages.empty());
  test::UnloadAllWindows();
  CloseDatabase();
}

// Tests that bring their own database; the windows go, whatever the test's outcome.
class StatisticWindowOwnDatabase : public ::testing::Test {
 protected:
  void TearDown() override {
    test::UnloadAllWindows();
    CloseDatabase();
  }
};

TEST_F(StatisticWindowOwnDatabase, EveryBallOfTheUkDatabaseHasItsOwnClickableBarAndTheWindowFitsASmallScreen) {
  OpenDatabase(test::InstallBundledDatabase(QStringLiteral("UK-National-Lottery.dat")));
  FrmTxt::FirstRefreshDone = false;
  StatisticWindow& w = Forms::get<StatisticWindow>();
  w.show();
  w.CmdScan_Click();

  // A maximised main window on a 1024 x 768 screen leaves a child window about 1016 x 637
  // pixels inside its frame; every control must lie within the window's design size.
  EXPECT_LE(w.sizeHint().width(), 1000);
  EXPECT_LE(w.sizeHint().height(), 620);
  const QRect whole(QPoint(0, 0), w.sizeHint());
  for (QWidget* child : w.findChildren<QWidget*>()) {
    // Bars of no ball have no room at all.
    if (!dynamic_cast<Control*>(child) || child->isWindow() || child->size().isEmpty()) continue;
    EXPECT_TRUE(whole.contains(QRect(child->mapTo(&w, QPoint(0, 0)), child->size())))
        << child->metaObject()->className() << " " << qPrintable(child->objectName());
  }

  const std::array<StatisticWindow::Bars*, 7> arrays = {&w.ProgressBar8, &w.ProgressBar7, &w.ProgressBar3,
                                                        &w.ProgressBar4, &w.ProgressBar5, &w.ProgressBar6,
                                                        &w.ProgressBar9};
  const int rankingLeft = w.LabBallOne[0]->geometry().left();
  std::vector<QRect> taken;
  for (size_t c = 0; c < arrays.size(); ++c) {
    for (int ball = 1; ball <= 59; ++ball) {
      Bar* bar = (*arrays[c])[size_t(ball)];
      const QRect place = bar->geometry();
      ASSERT_FALSE(place.isEmpty()) << c << " " << ball;
      ASSERT_TRUE(bar->parentWidget()->rect().contains(place) && place.right() < rankingLeft) << c << " " << ball;
      for (const QRect& other : taken) ASSERT_FALSE(place.intersects(other)) << c << " " << ball;
      taken.push_back(place);
      // Every ball was drawn; a position bar whose ball never stood there is hidden.
      ASSERT_TRUE(bar->Visible() || c < 6) << ball;
      if (!bar->Visible()) continue;
      // The click lands on the bar under the pointer and reaches that ball's handler.
      const QPoint centre = place.center();
      ASSERT_EQ(bar->parentWidget()->childAt(centre), bar) << c << " " << ball;
      auto click = [&] {
        const QPointF at = bar->mapFromParent(centre);
        const QPointF global = bar->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &press);
        QCoreApplication::sendEvent(bar, &release);
      };
      click();
      if (c == 6) {
        EXPECT_TRUE(Forms::get<PrintWindow>().Text1[1]->Text().startsWith(
            QStringLiteral("VTN Statistic report for number %1 from").arg(ball)))
            << ball;
      } else {
        EXPECT_EQ(bar->BorderStyle(), 1) << c << " " << ball;
        click();
        EXPECT_EQ(bar->BorderStyle(), 0) << c << " " << ball;
      }
    }
  }
}

TEST_F(StatisticWindowOwnDatabase, CountsOfAThousandAndMoreOrderByCountInThePositionAndHandOverLists) {
  // 1000 draws of 01 to 06 and 999 of 07 to 12: every position counts one ball 1000 times and
  // one 999 times, which plain text order would put the wrong way round.
  std::vector<DrawRecord> draws;
  const QString date = QStringLiteral("01/01/05"), day = QStringLiteral("Sa");
  for (int k = 1; k <= 1999; ++k)
    draws.push_back(k <= 1000 ? test::Draw(k, {1, 2, 3, 4, 5, 6}, 7, date, day)
                              : test::Draw(k, {7, 8, 9, 10, 11, 12}, 1, date, day));
  OpenDatabase(test::InstallDatabase(QStringLiteral("Thousands.dat"), draws));
  FrmTxt::FirstRefreshDone = false;
  StatisticWindow& w = Forms::get<StatisticWindow>();
  w.CmdScan_Click();
  QStringList handedOver;
  for (int p = 0; p < 6; ++p) {
    const QStringList rows = {QStringLiteral("999 %1").arg(7 + p), QStringLiteral("1000 %1").arg(1 + p)};
    EXPECT_EQ(w.LstB1[size_t(p)]->Rows(), rows) << p;
    handedOver << QStringLiteral("999 %1").arg(7 + p, 2, 10, QLatin1Char('0'));
  }
  for (int p = 0; p < 6; ++p) handedOver << QStringLiteral("1000 0%1").arg(1 + p);
  EXPECT_EQ(w.LabBallOne[0]->Caption(), QStringLiteral("1"));
  EXPECT_EQ(w.LabBallOne[1]->Caption(), QStringLiteral("7"));
  w.lblbuttons_MouseDown(0);
  EXPECT_EQ(w.Lstmostcommon->Rows(), handedOver);
  EXPECT_EQ(Forms::get<FrmTxt>().Label4[0]->Tag, QStringLiteral("06"));
}

}  // namespace
}  // namespace vtn
