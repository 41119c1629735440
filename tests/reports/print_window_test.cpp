// The report window: loading, activation with and without a saved date order, printing and saving.
#include <gtest/gtest.h>

#include <QFile>

#include "common/message.h"
#include "common/paths.h"
#include "database/shared_database.h"
#include "common/settings.h"
#include "common/window_bar.h"
#include "controls/form.h"
#include "reports/directory_sort.h"
#include "reports/print_window.h"
#include "support/fixtures.h"
#include "support/recorder.h"

namespace vtn {
namespace {

class PrintWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::InstallDatabase(QStringLiteral("UK-Test.dat"),
                          {test::Draw(1, {1, 2, 3, 4, 5, 6}, 7, QStringLiteral("01/02/03"), QStringLiteral("Sa")),
                           test::Draw(2, {11, 12, 13, 14, 15, 16}, 17, QStringLiteral("04/02/03"), QStringLiteral("Tu")),
                           test::Draw(3, {21, 22, 23, 24, 25, 26}, 27, QStringLiteral("08/02/03"), QStringLiteral("Sa"))});
    OpenDatabase(DataBasesPath(QStringLiteral("UK-Test.dat")));
  }
  void TearDown() override {
    DirectorySort::driver() = nullptr;
    DirectorySort::TxtsaveTag().clear();
    test::UnloadAllWindows();
  }
};

TEST_F(PrintWindowTest, LoadingShowsFirstAndLastDatesAndLeavesDrawOneCurrent) {
  PrintWindow& w = Forms::get<PrintWindow>();
  EXPECT_EQ(w.Label21->Caption(), QStringLiteral("01/02/03"));
  EXPECT_EQ(w.Label22->Caption(), QStringLiteral("08/02/03"));
  EXPECT_EQ(CurrentDraw.Date, QStringLiteral("01/02/03"));
  // The years offered are this database's: forty from the first draw's.
  EXPECT_EQ(w.Combo6->Text(), QStringLiteral("All"));
  ASSERT_EQ(w.Combo6->ListCount(), 41);
  EXPECT_EQ(w.Combo6->List(1), QStringLiteral("03"));
  EXPECT_EQ(w.Combo6->List(40), QStringLiteral("42"));
  EXPECT_EQ(w.Combo9->Text(), QStringLiteral("All Days"));
  EXPECT_EQ(w.Combo9->List(7), QStringLiteral("Friday"));
  EXPECT_EQ(w.Command14->Caption(), QStringLiteral("Generate Report"));

  // Without a draw to read, the years stay "94" to "10".
  test::UnloadAllWindows();
  OpenDatabase(test::InstallDatabase(QStringLiteral("UK-Empty.dat"), {}));
  PrintWindow& empty = Forms::get<PrintWindow>();
  ASSERT_EQ(empty.Combo6->ListCount(), 18);
  EXPECT_EQ(empty.Combo6->List(1), QStringLiteral("94"));
  EXPECT_EQ(empty.Combo6->List(17), QStringLiteral("10"));
  EXPECT_EQ(empty.Combo6->Text(), QStringLiteral("All"));
}

TEST_F(PrintWindowTest, TheReportBoxGrowsWithTheWindowAndTheColumnKeepsToItsRightEdge) {
  PrintWindow& w = Forms::get<PrintWindow>();
  w.Show();
  w.resize(w.sizeHint());
  const QRect box = w.Text1[1]->geometry();
  const int gap = w.width() - w.Command14->mapTo(&w, QPoint(w.Command14->width(), 0)).x();
  w.resize(w.sizeHint() + QSize(300, 200));
  EXPECT_EQ(w.Text1[1]->geometry(), box.adjusted(0, 0, 300, 200));
  EXPECT_EQ(w.width() - w.Command14->mapTo(&w, QPoint(w.Command14->width(), 0)).x(), gap);
  EXPECT_LT(w.Text1[1]->geometry().right(), w.Command14->mapTo(&w, QPoint(0, 0)).x());
}

TEST_F(PrintWindowTest, GenerateReportRunsTheInstalledRunAndIsDisabledWithoutOne) {
  PrintWindow& plain = Forms::get<PrintWindow>();
  EXPECT_FALSE(plain.Command14->isEnabled());
  EXPECT_FALSE(plain.List1->Visible());
  EXPECT_EQ(plain.Label20->Caption(), QString());
  plain.Command14_Click();  // nothing installed: nothing happens
  test::UnloadAllWindows();

  int runs = 0;
  PrintWindow::GenerateReport() = [&runs](PrintWindow& w) {
    ++runs;
    w.Label20->setCaption(QStringLiteral("41"));
  };
  PrintWindow& w = Forms::get<PrintWindow>();
  EXPECT_TRUE(w.Command14->isEnabled());
  w.Command14->Click();
  PrintWindow::GenerateReport() = nullptr;
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(w.Label20->Caption(), QStringLiteral("41"));
}

TEST_F(PrintWindowTest, ActivationBeforeAnyDateOrderKeepsDesignCaptionAndChoice) {
  PrintWindow& w = Forms::get<PrintWindow>();
  w.Show();
  EXPECT_EQ(w.Caption(), QStringLiteral("VTNv3 Reports Window"));
  EXPECT_FALSE(w.Option3->Value());
  EXPECT_FALSE(w.Option5->Value());
  EXPECT_EQ(UsOrUKdate(), QString());
  EXPECT_EQ(w.Left(), 0);
  EXPECT_EQ(w.Top(), 0);
  EXPECT_TRUE(WindowBar::IsOpen(*WindowBar::instance().Label3));
}

TEST_F(PrintWindowTest, ActivationAfterADateOrderWasSavedFollowsTheDatabaseName) {
  struct Case {
    QString database;
    bool dayFirst;
  };
  for (const Case& c : {Case{QStringLiteral("UK-Test.dat"), true}, Case{QStringLiteral("CA-Test.dat"), false}}) {
    SCOPED_TRACE(c.database.toStdString());
    SaveUsOrUKdate(true);
    SaveDataBaseName(c.database);
    PrintWindow& w = Forms::get<PrintWindow>();
    w.Show();
    EXPECT_EQ(w.Option5->Value(), c.dayFirst);
    EXPECT_EQ(w.Option3->Value(), !c.dayFirst);
    EXPECT_EQ(w.Caption(), QStringLiteral("Reports ") + c.database);
    // The option's own click saves the order it selected.
    EXPECT_EQ(UsOrUKdate(), c.dayFirst ? QStringLiteral("False") : QStringLiteral("True"));
    test::UnloadAllWindows();
  }
}

TEST_F(PrintWindowTest, DateOrderOptionsSaveTrueForMonthFirstAndFalseForDayFirst) {
  PrintWindow& w = Forms::get<PrintWindow>();
  w.Option3->setValue(true);
  EXPECT_EQ(UsOrUKdate(), QStringLiteral("True"));
  w.Option5->setValue(true);
  EXPECT_EQ(UsOrUKdate(), QStringLiteral("False"));
}

TEST_F(PrintWindowTest, UnloadClosesItsWindowBarButton) {
  Forms::get<PrintWindow>().Show();
  Forms::unload<PrintWindow>();
  const Label& button = *WindowBar::instance().Label3;
  EXPECT_EQ(button.BackColor(), 0xC0C0C0u);
  EXPECT_FALSE(button.Enabled());
}

TEST_F(PrintWindowTest, PrintingWithoutAPrinterSaysSo) {
  PrintWindow& w = Forms::get<PrintWindow>();
  w.Text1[1]->setText(QStringLiteral("a report"));
  w.CmdPrint_Click();
  ASSERT_EQ(test::recorder().messages.size(), 1u);
  EXPECT_TRUE(test::recorder().lastText().contains(QStringLiteral("not printed")));
  EXPECT_EQ(test::recorder().messages[0].title, QStringLiteral("VTNv3_8"));
}

TEST_F(PrintWindowTest, SaveProposesTheTagAndWritesTheReportWithCrLf) {
  PrintWindow& w = Forms::get<PrintWindow>();
  w.Text1[1]->setText(QStringLiteral("line one\r\nline\ttwo"));
  DirectorySort::TxtsaveTag() = QStringLiteral("FreqReport");
  QString proposed;
  DirectorySort::driver() = [&](DirectorySort& dialog) {
    proposed = dialog.Txtsave->Text();
    EXPECT_TRUE(dialog.SaveReport());
  };
  w.CmdSave_Click();
  EXPECT_EQ(proposed, QStringLiteral("FreqReport"));
  EXPECT_EQ(test::FileBytes(DataBasesPath(QStringLiteral("FreqReport.rpt"))), QByteArray("line one\r\nline\ttwo\r\n"));
  EXPECT_TRUE(test::recorder().messages.empty());

  // A name typed with its extension in capitals gets no second one.
  DirectorySort::driver() = [](DirectorySort& dialog) {
    dialog.Txtsave->setText(QStringLiteral("Upper.RPT"));
    EXPECT_TRUE(dialog.SaveReport());
  };
  w.CmdSave_Click();
  EXPECT_TRUE(QFile::exists(DataBasesPath(QStringLiteral("Upper.rpt"))));
  EXPECT_FALSE(QFile::exists(DataBasesPath(QStringLiteral("Upper.RPT.rpt"))));
}

TEST_F(PrintWindowTest, SaveRefusesBadNamesAndKeepsAnExistingFileUnlessReplacementIsConfirmed) {
  PrintWindow& w = Forms::get<PrintWindow>();
  w.Text1[1]->setText(QStringLiteral("new"));
  const QString path = test::WriteScratchFile(QStringLiteral("DataBases/Old.rpt"), "old");
  DirectorySort dialog(*w.Text1[1]);
  for (const QString& bad : {QString(), QStringLiteral("a/b"), QStringLiteral("x:y")}) {
    dialog.Txtsave->setText(bad);
    EXPECT_FALSE(dialog.SaveReport()) << bad.toStdString();
  }
  EXPECT_EQ(test::recorder().messages.size(), 3u);
  dialog.Txtsave->setText(QStringLiteral("Old"));
  test::recorder().nextAnswer = vbNo;
  EXPECT_FALSE(dialog.SaveReport());
  EXPECT_EQ(test::FileBytes(path), QByteArray("old"));
  EXPECT_TRUE(dialog.SaveReport());  // the recorder answers Yes
  EXPECT_EQ(test::FileBytes(path), QByteArray("new\r\n"));
}

TEST_F(PrintWindowTest, SaveIntoAnUnwritableFolderGivesAMessage) {
  PrintWindow& w = Forms::get<PrintWindow>();
  w.Text1[1]->setText(QStringLiteral("text"));
  setProgramFolder(test::scratchFolder() + QStringLiteral("/missing/nested"));
  test::WriteScratchFile(QStringLiteral("missing"), "a file where the folder should be");
  DirectorySort dialog(*w.Text1[1]);
  dialog.Txtsave->setText(QStringLiteral("Report"));
  EXPECT_FALSE(dialog.SaveReport());
  ASSERT_EQ(test::recorder().messages.size(), 1u);
  EXPECT_TRUE(test::recorder().lastText().contains(QStringLiteral("could not be saved")));
}

}  // namespace
}  // namespace vtn
