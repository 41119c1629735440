// The results window: loading the current database, the shown draw, the scan and damaged files.
#include <gtest/gtest.h>

#include <QFile>

#include "common/help.h"
#include "common/message.h"
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

// Records message boxes as the test main does, and shrinks the database file while the first
// one is up: the draws it no longer holds can then not be read.
class ShrinkOnFirstMessage {
 public:
  ShrinkOnFirstMessage(const QString& path, qint64 size) {
    setMessageSink([path, size](const QString& text, const QString& title, int) {
      test::recorder().messages.push_back({text, title});
      if (test::recorder().messages.size() == 1) QFile::resize(path, size);
      return int(vbOK);
    });
  }
  ~ShrinkOnFirstMessage() {
    setMessageSink([](const QString& text, const QString& title, int buttons) {
      auto& r = test::recorder();
      r.messages.push_back({text, title});
      const int answer = r.nextAnswer;
      r.nextAnswer = 0;
      return answer ? answer : (buttons == vbYesNo ? int(vbYes) : int(vbOK));
    });
  }
};

std::vector<DrawRecord> tenDraws(int firstNumber = 1) {
  std::vector<DrawRecord> draws;
  for (int k = 0; k < 10; ++k)
    draws.push_back(test::Draw(firstNumber + k, {1, 2, 3, 4, 5, 6 + k}, 9, QStringLiteral("01/02/03"), QStringLiteral("Sa")));
  return draws;
}

TEST_F(MainWindowTest, DrawsThatCanNoLongerBeReadAreReportedAndKeepRowsInStep) {
  // While loading: a damaged tail's message is up when the file shrinks to four draws.
  QByteArray bytes = test::FileBytes(test::InstallDatabase(QStringLiteral("UK-Shrinks.dat"), tenDraws()));
  const qint64 drawSize = bytes.size() / 10;
  const QString path = test::WriteScratchFile(QStringLiteral("DataBases/UK-Shrinks.dat"), bytes + QByteArray(1, 'x'));
  {
    ShrinkOnFirstMessage shrink(path, 4 * drawSize);
    MainWindow& w = Forms::get<MainWindow>();
    ASSERT_EQ(test::recorder().messages.size(), 2u);
    EXPECT_EQ(test::recorder().lastText(),
              QStringLiteral("Draw 5 of the database file \"UK-Shrinks.dat\" could not be read: the file was changed or "
                             "damaged after it was loaded. Only the 4 draws before it are shown; the file will not be changed."));
    EXPECT_EQ(w.ListView1->model()->rowCount(), 4);
    EXPECT_EQ(DrawCount(), 4);
    EXPECT_TRUE(DatabaseIsReadOnly());
    EXPECT_EQ(w.TxtBall[5]->Text(), QStringLiteral("09"));  // row 3 is draw 4
  }
  test::UnloadAllWindows();

  // While scanning: the file shrinks after loading.
  test::recorder().clear();
  test::WriteScratchFile(QStringLiteral("DataBases/UK-Shrinks.dat"), bytes);
  MainWindow& w = Forms::get<MainWindow>();
  QFile::resize(path, 6 * drawSize);
  w.lblbuttons_Click(0);
  ASSERT_EQ(test::recorder().messages.size(), 1u);
  EXPECT_TRUE(test::recorder().lastText().endsWith(
      QStringLiteral("The scan stopped there: the graph counts only the first 6 draws.")));
  EXPECT_EQ(w.LabGraph->Caption(),
            QStringLiteral("How often each ball was drawn as a main ball in the first 6 of 10 draws (the scan did not finish)"));
  EXPECT_EQ(w.ProgressBar1[1]->Value(), 6.0f);
}

TEST_F(MainWindowTest, TheDrawColumnShowsFiveDigitDrawNumbers) {
  test::InstallDatabase(QStringLiteral("UK-Long.dat"), tenDraws(32758));
  MainWindow& w = Forms::get<MainWindow>();
  EXPECT_EQ(w.ListView1->model()->index(9, 0).data().toInt(), 32767);
  EXPECT_GE(w.ListView1->columnWidth(0), static_cast<QAbstractItemView*>(w.ListView1)->sizeHintForColumn(0));
}

}  // namespace
}  // namespace vtn
