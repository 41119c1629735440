// The prediction run of the report window: a complete run on the bundled UK database, stop
// requests, the report window's choices and a window closed while the run works.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "common/paths.h"
#include "common/settings.h"
#include "controls/form.h"
#include "database/shared_database.h"
#include "reports/directory_sort.h"
#include "reports/print_window.h"
#include "sorted/prediction_run.h"
#include "sorted/sorted_window.h"
#include "support/fixtures.h"
#include "support/recorder.h"

namespace vtn {
namespace {

const QDate kToday(2024, 3, 5);

class PredictionRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallPredictionRun();
    PredictionReportDate() = [] { return kToday; };
  }
  void TearDown() override {
    test::UnloadAllWindows();
    PrintWindow::GenerateReport() = nullptr;
    PredictionReportDate() = [] { return QDate::currentDate(); };
    PredictionReportLocale() = [] { return QLocale::system(); };
    DirectorySort::TxtsaveTag().clear();
  }
  // The report window of a database whose date order was saved, so that its caption names it.
  PrintWindow& reportWindow(const QString& path) {
    OpenDatabase(path);
    SaveUsOrUKdate(false);
    PrintWindow& w = Forms::get<PrintWindow>();
    w.Show();
    return w;
  }
  // Runs f at the first moment the run lets events run.
  static void atNextEvents(std::function<void()> f) {
    QMetaObject::invokeMethod(qApp, std::move(f), Qt::QueuedConnection);
  }
  // Runs f at every moment the run lets events run, while *on holds.
  static void atEveryEvents(std::shared_ptr<bool> on, std::function<void()> f) {
    atNextEvents([on, f] {
      if (!*on) return;
      f();
      atEveryEvents(on, f);
    });
  }
  static QString installSmallDatabase() {
    return test::InstallDatabase(QStringLiteral("UK-Small.dat"),
                                 {test::Draw(1, {1, 2, 3, 4, 5, 6}, 7, QStringLiteral("04/01/97"), QStringLiteral("Sa")),
                                  test::Draw(2, {11, 12, 13, 14, 15, 16}, 0, QStringLiteral("08/02/97"), QStringLiteral("We"))});
  }
  PrintWindow& smallReportWindow() { return reportWindow(installSmallDatabase()); }
};

TEST_F(PredictionRunTest, CompleteRunOnTheUkDatabaseShowsAndSavesTheReport) {
  PrintWindow& w = reportWindow(test::InstallBundledDatabase(QStringLiteral("UK-National-Lottery.dat")));
  ASSERT_TRUE(w.Command14->isEnabled());
  const QLocale german(QLocale::German, QLocale::Germany);  // a comma locale
  PredictionReportLocale() = [german] { return german; };
  w.Command14->Click();

  ASSERT_EQ(w.List1->ListCount(), 45);
  EXPECT_FALSE(w.List1->Visible());
  EXPECT_TRUE(w.List1->List(0).startsWith(QStringLiteral(" Mth 01 = ")));
  EXPECT_TRUE(w.List1->List(12).startsWith(QStringLiteral(" Mth All = ")));
  EXPECT_TRUE(w.List1->List(13).startsWith(QStringLiteral(" Day 01 = ")));
  // The 13th month line and the 32nd day line both describe the whole year selection.
  EXPECT_EQ(w.List1->List(12).mid(10), w.List1->List(44).mid(10).replace(QStringLiteral("Day All"), QStringLiteral("Mth All")));
  EXPECT_EQ(w.Command14->Caption(), QStringLiteral("Generate Report"));
  EXPECT_EQ(w.Label4[0]->Caption(), QStringLiteral("Months"));
  EXPECT_EQ(w.Label4[1]->Caption(), QStringLiteral("Days"));
  EXPECT_EQ(w.ProgressBar->Value(), 0.0f);
  EXPECT_EQ(w.ProgressBar2->Value(), 0.0f);
  EXPECT_EQ(w.Label20->Caption(), QStringLiteral("3178"));
  EXPECT_EQ(w.MousePointer(), Form::Pointer::Default);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  const QString report = w.Text1[1]->Text();
  EXPECT_TRUE(report.startsWith(QStringLiteral("Reports UK-National-Lottery.dat\r\n"
                                               "Day filter = All Days Year filter = Year All\r\n"
                                               "Number of draws used to calculate report = 3178\r\n"
                                               "Start date = 19/11/94  End date = 06/06/26\r\n")));
  EXPECT_TRUE(report.contains(QStringLiteral("\t\t") + w.List1->List(44) + QStringLiteral("\r\n")));
  EXPECT_TRUE(report.endsWith(QStringLiteral("Print Created ") + german.toString(kToday, QLocale::ShortFormat)));
  // The frequency column takes the locale's decimal separator.
  const QString frequency = report.split(QStringLiteral("\r\n")).at(8).section(QStringLiteral("\t\t"), 2, 2);
  EXPECT_TRUE(frequency.contains(QLatin1Char(',')) && !frequency.contains(QLatin1Char('.'))) << frequency.toStdString();
  EXPECT_EQ(test::FileBytes(DataBasesPath(QStringLiteral("Reports UK-National-Lottery.dat.rpt"))),
            (report + QStringLiteral("\r\n")).toLatin1());
  EXPECT_EQ(DirectorySort::TxtsaveTag(), QStringLiteral("FreqReport"));

  SortedWindow& sorted = Forms::get<SortedWindow>();
  EXPECT_EQ(sorted.Combo2->Text(), QStringLiteral("All"));
  EXPECT_EQ(sorted.Combo3->Text(), QStringLiteral("All"));
  EXPECT_EQ(sorted.List5->ListCount(), 3178);
  EXPECT_TRUE(test::recorder().messages.empty());

  // A second run starts afresh and replaces the file.
  w.Command14->Click();
  EXPECT_EQ(w.List1->ListCount(), 45);
  EXPECT_EQ(w.Text1[1]->Text(), report);
}

TEST_F(PredictionRunTest, ProgressLabelsCountDownAndTheDayPassCoversEveryMonth) {
  PrintWindow& w = smallReportWindow();
  QStringList months, days, monthFilterInDayPass;
  auto seen = [](QStringList& list, const QString& text) {
    if (list.isEmpty() || list.back() != text) list << text;
  };
  bool filtersTookChoices = false;
  auto on = std::make_shared<bool>(true);
  atEveryEvents(on, [&] {
    const bool passing = w.Label4[0]->Caption() != QStringLiteral("Months") || w.Label4[1]->Caption() != QStringLiteral("Days");
    if (passing) {
      const SortedWindow& sorted = Forms::get<SortedWindow>();
      for (const QWidget* filter : {static_cast<const QWidget*>(sorted.Combo2), static_cast<const QWidget*>(sorted.Combo3),
                                    static_cast<const QWidget*>(sorted.Combo4), static_cast<const QWidget*>(sorted.Combo8),
                                    static_cast<const QWidget*>(sorted.Option1)})
        filtersTookChoices |= filter->isEnabled();
    }
    seen(months, w.Label4[0]->Caption());
    seen(days, w.Label4[1]->Caption());
    if (w.List1->List(13).startsWith(QStringLiteral(" Day")))
      seen(monthFilterInDayPass, Forms::get<SortedWindow>().Combo3->Text());
  });
  w.Command14->Click();
  *on = false;
  QStringList countdown{QStringLiteral("Months")};
  for (int left = 12; left >= 0; --left) countdown << QStringLiteral("%1 months left").arg(left);
  EXPECT_EQ(months, countdown << QStringLiteral("Months"));
  countdown = {QStringLiteral("Days")};
  for (int left = 31; left >= 0; --left) countdown << QStringLiteral("%1 days left").arg(left);
  EXPECT_EQ(days, countdown << QStringLiteral("Days"));
  EXPECT_EQ(monthFilterInDayPass, QStringList{QStringLiteral("All")});
  const QString noBalls(17, QLatin1Char(' '));
  EXPECT_EQ(w.List1->List(13), " Day 01 = " + noBalls + "\t\tDay 01 = " + noBalls);
  EXPECT_EQ(w.List1->List(16), QStringLiteral(" Day 04 = 07 06 05 04 03 02\t\tDay 04 = 01 02 03 04 05 06"));
  // The user's filter choices could not mix into the run; the filters take them again after it.
  EXPECT_FALSE(filtersTookChoices);
  EXPECT_TRUE(Forms::get<SortedWindow>().Combo3->isEnabled());
}

TEST_F(PredictionRunTest, TheRunReadsTheDatesInTheOrderShownBesideItsButton) {
  struct Case {
    const char* what;
    bool orderSaved, sortedSaysMonthFirst, reportSaysMonthFirst, monthFirst;
  };
  for (const Case& c : {Case{"the sorted-draws window says month first", true, true, false, false},
                        Case{"the report window says month first", true, false, true, true},
                        Case{"no order saved yet, a UK database", false, false, false, false}}) {
    SCOPED_TRACE(c.what);
    SaveSetting(kAppHalvoren, QStringLiteral("ChecDataBase"), QStringLiteral("UsOrUKdate"), QString());
    OpenDatabase(installSmallDatabase());
    if (c.orderSaved) SaveUsOrUKdate(false);
    PrintWindow& w = Forms::get<PrintWindow>();
    w.Show();
    if (c.sortedSaysMonthFirst) Forms::get<SortedWindow>().Option2->setValue(true);
    if (c.reportSaysMonthFirst) w.Option3->setValue(true);
    w.Command14->Click();
    // Draw 1 is dated 04/01/97: the 4th of January, or the 1st of April read month first.
    EXPECT_TRUE(w.List1->List(c.monthFirst ? 13 : 16).contains(QStringLiteral(" = 07 06 05 04 03 02\t\t")));
    EXPECT_EQ(w.Option3->Value(), c.monthFirst);
    EXPECT_EQ(w.Option5->Value(), !c.monthFirst);
    EXPECT_EQ(Forms::get<SortedWindow>().Option2->Value(), c.monthFirst);
    test::UnloadAllWindows();
  }
}

TEST_F(PredictionRunTest, StopDuringTheMonthPassLeavesNoDayLinesNoReportAndNoFile) {
  PrintWindow& w = reportWindow(test::InstallBundledDatabase(QStringLiteral("UK-National-Lottery.dat")));
  Forms::get<SortedWindow>().Combo2->setText(QStringLiteral("05"));
  atNextEvents([&w] { w.Command14->Click(); });
  w.Command14->Click();
  EXPECT_EQ(w.Command14->Caption(), QStringLiteral("Generate Report"));
  EXPECT_LE(w.List1->ListCount(), 1);
  for (const QString& line : w.List1->Rows()) EXPECT_FALSE(line.startsWith(QStringLiteral(" Day"))) << line.toStdString();
  EXPECT_FALSE(w.List1->Visible());
  EXPECT_EQ(w.Text1[1]->Text(), QString());
  EXPECT_EQ(w.Label4[0]->Caption(), QStringLiteral("Months"));
  EXPECT_EQ(w.Label4[1]->Caption(), QStringLiteral("Days"));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(QFile::exists(DataBasesPath(QStringLiteral("Reports UK-National-Lottery.dat.rpt"))));
  // The run began with the whole month: a day left in the filter does not narrow it.
  EXPECT_EQ(Forms::get<SortedWindow>().Combo2->Text(), QStringLiteral("All"));
}

TEST_F(PredictionRunTest, StopDuringTheDayPassEndsAtThatEntryWithoutAReport) {
  PrintWindow& w = smallReportWindow();
  auto on = std::make_shared<bool>(true);
  atEveryEvents(on, [&] {
    if (w.List1->ListCount() == 15) w.Command14->Click();  // just after the second day line
  });
  w.Command14->Click();
  *on = false;
  EXPECT_EQ(w.Command14->Caption(), QStringLiteral("Generate Report"));
  EXPECT_EQ(w.List1->ListCount(), 0);
  EXPECT_FALSE(w.List1->Visible());
  EXPECT_EQ(w.Text1[1]->Text(), QString());
  EXPECT_EQ(w.Label4[0]->Caption(), QStringLiteral("Months"));
  EXPECT_EQ(w.Label4[1]->Caption(), QStringLiteral("Days"));
  EXPECT_EQ(Forms::get<SortedWindow>().Combo2->Text(), QStringLiteral("03"));
  EXPECT_TRUE(Forms::get<SortedWindow>().Combo2->isEnabled());
  EXPECT_FALSE(QFile::exists(DataBasesPath(QStringLiteral("Reports UK-Small.dat.rpt"))));
}

TEST_F(PredictionRunTest, AnEmptyDatabaseGivesNoReportText) {
  PrintWindow& w = reportWindow(test::InstallDatabase(QStringLiteral("UK-Empty.dat"), {}));
  w.Command14->Click();
  ASSERT_EQ(w.List1->ListCount(), 45);
  const QString noBalls(17, QLatin1Char(' '));
  EXPECT_EQ(w.List1->List(44), " Day All = " + noBalls + "\t\tDay All = " + noBalls);
  EXPECT_EQ(w.Text1[1]->Text(), QString());
  EXPECT_EQ(test::FileBytes(DataBasesPath(QStringLiteral("Reports UK-Empty.dat.rpt"))), QByteArray("\r\n"));
  EXPECT_TRUE(test::recorder().messages.empty());
}

TEST_F(PredictionRunTest, YearAndWeekdayChoicesRestrictEveryEntryAndTheDrawFigure) {
  PrintWindow& w = reportWindow(test::InstallDatabase(
      QStringLiteral("UK-Small.dat"),
      {test::Draw(1, {1, 2, 3, 4, 5, 6}, 7, QStringLiteral("04/01/97"), QStringLiteral("Sa")),
       test::Draw(2, {11, 12, 13, 14, 15, 16}, 0, QStringLiteral("08/01/97"), QStringLiteral("We")),
       test::Draw(3, {21, 22, 23, 24, 25, 26}, 27, QStringLiteral("03/02/98"), QStringLiteral("Sa")),
       test::Draw(4, {31, 32, 33, 34, 35, 36}, 37, QStringLiteral("07/02/97"), QStringLiteral("Sa"))}));
  w.Combo6->setText(QStringLiteral("97"));
  w.Combo9->setText(QStringLiteral("Saturday"));
  w.Command14->Click();
  EXPECT_EQ(w.Label20->Caption(), QStringLiteral("2"));  // two Saturday draws in 97
  EXPECT_EQ(w.List1->List(0), QStringLiteral(" Mth 01 = 07 06 05 04 03 02\t\tMth 01 = 01 02 03 04 05 06"));
  const QString noBalls(17, QLatin1Char(' '));
  EXPECT_EQ(w.List1->List(2), " Mth 03 = " + noBalls + "\t\tMth 03 = " + noBalls);
  const QStringList lines = w.Text1[1]->Text().split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines[1], QStringLiteral("Day filter = Saturday Year filter = Year 97"));
  // 14 balls of the selection beside the first 14 entry lines, N/A beside the rest.
  EXPECT_TRUE(lines[8].startsWith(QStringLiteral("1\t\t001\t\t3\t\t Mth 01")));
  EXPECT_TRUE(lines[21].startsWith(QStringLiteral("37\t\t001\t\t3\t\t")));
  EXPECT_TRUE(lines[22].startsWith(QStringLiteral("N/A\t\tN/A\t\tN/A\t\t")));
  EXPECT_EQ(Forms::get<SortedWindow>().List3->List(0), QStringLiteral("00"));
}

TEST_F(PredictionRunTest, ClosingTheReportWindowDuringARunEndsItQuietly) {
  reportWindow(test::InstallBundledDatabase(QStringLiteral("UK-National-Lottery.dat")));
  Forms::get<SortedWindow>();
  PrintWindow& w = Forms::get<PrintWindow>();
  atNextEvents([] { Forms::unload<PrintWindow>(); });
  w.Command14->Click();
  EXPECT_FALSE(Forms::isLoaded<PrintWindow>());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(QFile::exists(DataBasesPath(QStringLiteral("Reports UK-National-Lottery.dat.rpt"))));
}

TEST_F(PredictionRunTest, ASaveThatFailsIsReported) {
  PrintWindow& w = reportWindow(test::InstallDatabase(
      QStringLiteral("UK-Small.dat"), {test::Draw(1, {1, 2, 3, 4, 5, 6}, 7, QStringLiteral("04/01/97"), QStringLiteral("Sa"))}));
  QDir().mkpath(DataBasesPath(QStringLiteral("Reports UK-Small.dat.rpt")));  // a folder where the file would go
  w.Command14->Click();
  EXPECT_FALSE(w.Text1[1]->Text().isEmpty());
  ASSERT_EQ(test::recorder().messages.size(), 1u);
  EXPECT_TRUE(test::recorder().lastText().contains(QStringLiteral("could not be saved")));
}

}  // namespace
}  // namespace vtn
