#include "sorted/prediction_run.h"

#include <QDir>
#include <QPointer>

#include "common/message.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/shared_procedures.h"
#include "controls/events.h"
#include "database/shared_database.h"
#include "reports/directory_sort.h"
#include "reports/print_window.h"
#include "sorted/sorted_texts.h"
#include "sorted/sorted_window.h"

namespace vtn {
namespace {

// The run's texts.
const QString kGenerate = QStringLiteral("Generate Report");
const QString kStop = QStringLiteral("Stop Report");
const QString kMonths = QStringLiteral("Months");
const QString kDays = QStringLiteral("Days");
const QString kMonthsLeft = QStringLiteral(" months left");
const QString kDaysLeft = QStringLiteral(" days left");
const QString kNoMonthsLeft = QStringLiteral("0 months left");
const QString kNoDaysLeft = QStringLiteral("0 days left");
const QString kMonthKind = QStringLiteral("Mth");
const QString kDayKind = QStringLiteral("Day");
const QString kFreqReport = QStringLiteral("FreqReport");
const QString kReportExtension = QStringLiteral(".rpt");
const QString kZeroRow = QStringLiteral("00");
const QString kSaveFailed = QStringLiteral(
    "The prediction report could not be saved as \"%1\". It is still in the report window: save it from there "
    "with \"Save\".");

// The two windows of a run. Either can be closed while the run lets events run; the run then
// ends instead of writing into a window that is gone.
struct RunWindows {
  QPointer<PrintWindow> report;
  QPointer<SortedWindow> sorted;

  bool alive() const {
    return Forms::isOpen(report.data()) && Forms::isOpen(sorted.data());
  }

  // Leaves the report window idle, when it is still open.
  void abandon() const {
    if (!report) return;
    report->setMousePointer(Form::Pointer::Default);
    if (!Forms::isOpen(report.data())) return;
    report->Command14->setCaption(kGenerate);
    report->Label4[0]->setCaption(kMonths);
    report->Label4[1]->setCaption(kDays);
    report->List1->setVisible(false);
  }
};

// Lets events run; false (and the run abandoned) when one of its windows was closed meanwhile.
bool letEventsRun(const RunWindows& run) {
  DoEvents();
  if (run.alive()) return true;
  run.abandon();
  return false;
}

// The sorted-draws window's filters take no choice from the user while a run drives them, and
// take choices again however the run ends.
class FiltersHeld {
 public:
  explicit FiltersHeld(SortedWindow& sorted) : sorted_(&sorted) { sorted.setFiltersEnabled(false); }
  ~FiltersHeld() {
    if (Forms::isOpen(sorted_.data())) sorted_->setFiltersEnabled(true);
  }
  FiltersHeld(const FiltersHeld&) = delete;
  FiltersHeld& operator=(const FiltersHeld&) = delete;

 private:
  QPointer<SortedWindow> sorted_;
};

// Ends a run that was asked to stop.
void endStopped(PrintWindow& report) {
  report.Label4[1]->setCaption(kDays);
  report.Label4[0]->setCaption(kMonths);
  report.setMousePointer(Form::Pointer::Default);
  report.List1->setVisible(false);
}

}  // namespace

std::function<QDate()>& PredictionReportDate() {
  static std::function<QDate()> today = [] { return QDate::currentDate(); };
  return today;
}

std::function<QLocale()>& PredictionReportLocale() {
  static std::function<QLocale()> locale = [] { return QLocale::system(); };
  return locale;
}

void InstallPredictionRun() {
  PrintWindow::GenerateReport() = [](PrintWindow& report) { Command14_Click(report); };
}

void Command14_Click(PrintWindow& report) {
  report.List1->setVisible(true);
  report.Text1[1]->setText(QString());
  report.List1->Clear();
  if (report.Command14->Caption() != kGenerate) {
    // A run is working: this click asks it to stop at its next check.
    report.Command14->setCaption(kGenerate);
    report.setMousePointer(Form::Pointer::Default);
    return;
  }
  report.Command14->setCaption(kStop);

  RunWindows run{&report, nullptr};
  SortedWindow& sorted = Forms::get<SortedWindow>();
  run.sorted = &sorted;
  if (!run.alive()) return run.abandon();
  const FiltersHeld held(sorted);
  // The dates are read in the order shown beside the button; with none shown yet, in the order
  // the database's name calls for, which is then shown.
  if (!report.Option3->Value() && !report.Option5->Value()) report.SelectDatabaseDateOrder();
  if (report.Option3->Value()) sorted.Option2->setValue(true);
  else sorted.Option1->setValue(true);
  if (!run.alive()) return run.abandon();
  sorted.Combo4->setText(report.Combo6->Text());
  sorted.Combo8->setText(report.Combo9->Text());
  // A day left in the filter (by the user, or by a run stopped in its day pass) would make every
  // month line describe that one day.
  sorted.Combo2->setText(sorted::kAll);
  report.setMousePointer(Form::Pointer::Hourglass);
  report.ZOrder(0);
  auto stopped = [&report] { return report.Command14->Caption() == kGenerate; };

  const int months = sorted.Combo3->ListCount();
  for (int i = 0; i < months; ++i) {
    report.ProgressBar->setMax(float(months - 1));
    report.ProgressBar->setValue(float(i));
    report.Label4[0]->setCaption(NumberText(12 - report.ProgressBar->Value()) + kMonthsLeft);
    sorted.Combo3->setText(sorted.Combo3->List(i));
    sorted.Combo3Cheat();
    if (!letEventsRun(run)) return;
    report.ZOrder(0);
    const QString entry = sorted.Combo3->List(i);
    report.List1->AddItem(sorted::EntryLine(kMonthKind, entry, sorted::ReadEntryValues(sorted.List3->Rows())));
    if (!letEventsRun(run)) return;
    sorted.Combo3->setText(sorted.Combo3->List(i + 1));
    if (!letEventsRun(run)) return;
    if (report.Label4[0]->Caption() == kNoMonthsLeft) report.Label4[0]->setCaption(kMonths);
    if (stopped()) return endStopped(report);
  }

  sorted.Combo2->setText(sorted::kAll);
  sorted.Combo3->setText(sorted::kAll);
  const int days = sorted.Combo2->ListCount();
  for (int j = 0; j < days; ++j) {
    report.ProgressBar2->setMax(float(days - 1));
    report.ProgressBar2->setValue(float(j));
    report.Label4[1]->setCaption(NumberText(31 - report.ProgressBar2->Value()) + kDaysLeft);
    sorted.Combo2->setText(sorted.Combo2->List(j));
    sorted.Combo2Cheat();
    if (!run.alive()) return run.abandon();
    const QString entry = sorted.Combo2->List(j);
    report.List1->AddItem(sorted::EntryLine(kDayKind, entry, sorted::ReadEntryValues(sorted.List3->Rows())));
    if (!letEventsRun(run)) return;
    sorted.Combo2->setText(sorted.Combo2->List(j + 1));
    if (report.Label4[1]->Caption() == kNoDaysLeft) {
      report.Label4[1]->setCaption(kDays);
      report.ProgressBar2->setValue(0);
      report.ProgressBar->setValue(0);
    }
    if (stopped()) return endStopped(report);
  }

  // The finish does not look for a stop request; one that comes now only empties what it shows.
  report.Label20->setCaption(QString::number(sorted.List5->ListCount()));
  sorted.Combo2->setText(sorted::kAll);
  sorted.Combo3->setText(sorted::kAll);
  if (sorted.List5->ListCount() > 0) {
    sorted.List5->setListIndex(sorted.List5->ListCount() - 1);
    sorted.List5->setListIndex(0);
    if (!letEventsRun(run)) return;
  }
  FillThePrintWindow(report, sorted);
  if (!letEventsRun(run)) return;
  report.Command14->setCaption(kGenerate);
  report.setMousePointer(Form::Pointer::Default);
  report.List1->setVisible(false);
  DirectorySort::TxtsaveTag() = kFreqReport;
  const QString path = DataBasesPath(report.Caption() + kReportExtension);
  if (!SaveTextToFile(path, *report.Text1[1])) MsgBox(kSaveFailed.arg(QDir::toNativeSeparators(path)));
}

void FillThePrintWindow(PrintWindow& report, SortedWindow& sorted) {
  if (CurrentDraw.Balls[0].isEmpty()) return;  // no draw has been read
  RunWindows run{&report, &sorted};
  report.Text1[1]->setText(QString());
  sorted.Combo2->setText(sorted::kAll);
  sorted.Combo3->setText(sorted::kAll);
  report.setMousePointer(Form::Pointer::Hourglass);
  if (!letEventsRun(run)) return;

  const QStringList lines = report.List1->Rows();
  const QLocale locale = PredictionReportLocale()();
  const sorted::PredictionTable table =
      sorted::BuildPredictionTable(lines, sorted.List3->Rows(), sorted.List5->ListCount(), locale);
  for (int i = 0; i < table.zeroRowsAdded; ++i) sorted.List3->AddItem(kZeroRow);
  if (!lines.isEmpty()) report.List1->setListIndex(int(lines.size()) - 1);
  if (table.lastCountRow >= 0) sorted.List3->setListIndex(table.lastCountRow);

  const sorted::ReportHead head{report.Caption(),          report.Combo9->Text(),    sorted.Combo4->Text(),
                                report.Label20->Caption(), report.Label21->Caption(), report.Label22->Caption()};
  report.Text1[1]->setText(sorted::PredictionReportText(head, table.rows, PredictionReportDate()(), locale));
  if (!letEventsRun(run)) return;
  report.setMousePointer(Form::Pointer::Default);
}

}  // namespace vtn
