#pragma once
// The rules of the sorted-draws window and the prediction report as plain functions: draw rows,
// the four filters, the per-ball lines, the most and least common sentences, the entry lines of
// the prediction run and the report text. They know nothing of widgets.
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>

#include "database/draw_record.h"

namespace vtn::sorted {

inline const QString kCrLf = QStringLiteral("\r\n");
inline const QString kAll = QStringLiteral("All");

// The date a row shows and the filters read: day first. A month-first date "12/31/00" becomes
// "31/12/00".
QString DayFirstDate(const QString& stored, bool monthFirst);

// The texts of the year, month, day-of-month and weekday filters.
struct Filters {
  QString year = kAll;
  QString month = kAll;
  QString day = kAll;
  QString weekday = QStringLiteral("All Days");
};
bool MatchesFilters(const QString& dayFirstDate, const QString& dayCode, const Filters& filters);

// One draw as a row of the two draw lists: "01 02 03 04 05 06  BB=07 (31/12/00)  (Sa)".
QString SortedDrawRow(const DrawRecord& draw, const QString& dayFirstDate);

// The ball a ball text names, 1 to 99; 0 when it names none (empty, not a number, 0, above 99).
int BallNumber(const QString& ballText);

// A count as the lists and lines show it: at least three digits ("009", "100", "1234").
QString CountText(int count);
// "7 Has appeared 012 Times" and a line end.
QString BallLine(int ball, int count);

QString DaySuffix(const QString& dayText);
QString MonthSuffix(const QString& monthText);

// The most and least common sentences for the count-ball rows (ascending) and the day and month
// filter texts.
QString CommonSentences(const QStringList& countRows, const QString& day, const QString& month);
// "There are 12 draws in the current selection", or the sentence for exactly one draw.
QString DrawCountSentence(int draws);
// The balls of the count-ball rows from the most to the least common.
QStringList MostToLeastCommon(const QStringList& countRows);

// The six most and six least common balls of one entry of the prediction run; a missing ball is
// two blanks.
struct EntryValues {
  std::array<QString, 6> most;
  std::array<QString, 6> least;
};
EntryValues ReadEntryValues(const QStringList& countRows);
// " Mth 01 = 23 38 12 44 09 31<TAB><TAB>Mth 01 = 02 05 07 11 13 14"; kind is "Mth" or "Day".
QString EntryLine(const QString& kind, const QString& entry, const EntryValues& values);

// Average number of draws between appearances with the locale's decimal separator, cut to six
// characters.
QString FrequencyText(int draws, int count, const QLocale& locale);

// The frequency table of the report: one row beside each entry line, then the balls beyond the
// 45th count row. A row "00" is put at the top of the count rows for each entry line past
// their end; zeroRowsAdded says how many, so the caller can do the same to its list.
struct PredictionTable {
  QString rows;
  int zeroRowsAdded = 0;
  int lastCountRow = -1;  // the last count row read
};
PredictionTable BuildPredictionTable(const QStringList& entryLines, const QStringList& countRows, int drawsInSelection,
                                     const QLocale& locale);

struct ReportHead {
  QString caption;
  QString weekday;
  QString year;
  QString drawFigure;
  QString startDate;
  QString endDate;
};
// The whole report: head, table, notes, the fill-in forms and the creation date in the locale's
// short form. The table rows end with their own line ends.
QString PredictionReportText(const ReportHead& head, const QString& tableRows, const QDate& created,
                             const QLocale& locale);

}  // namespace vtn::sorted
