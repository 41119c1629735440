#pragma once
// The prediction report: the report window's "Generate Report" run, which steps the sorted-draws
// window's month and day filters through their entries, and the report text it leaves in the
// report box and saves as a report file.
//
// It lives here rather than with the report window because it drives the sorted-draws window;
// the program installs Command14_Click as the report window's GenerateReport run.
#include <QDate>
#include <QLocale>
#include <functional>

namespace vtn {

class PrintWindow;
class SortedWindow;

// The click on "Generate Report": starts a run, or asks the running one to stop.
void Command14_Click(PrintWindow& report);

// Writes the report text into the report box from the run's entry lines and the sorted-draws
// window's year selection.
void FillThePrintWindow(PrintWindow& report, SortedWindow& sorted);

// Today's date for the report's last line; tests set a fixed one.
std::function<QDate()>& PredictionReportDate();
// The number settings the report is written in (the decimal separator of its frequencies, the
// form of its date): the system's; tests set others.
std::function<QLocale()>& PredictionReportLocale();

// Installs the run as the report window's "Generate Report".
void InstallPredictionRun();

}  // namespace vtn
