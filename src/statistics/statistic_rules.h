#pragma once
// The statistics window's rules as plain functions: draw rows, read-out texts, average gaps, the
// text tables, the per-number report and the ranking handed to the perm window.
#include <QString>
#include <QStringList>
#include <array>

#include "database/draw_record.h"

namespace vtn::stats {

inline constexpr int kPositions = 6;
inline constexpr int kBars = 100;  // bar i stands for ball i; bar 0 is never a ball
inline constexpr int kRanked = 36;

// Column (counted from 1) of each position's ball in a draw row, 1st to 6th.
inline constexpr std::array<int, kPositions> kBallColumn{1, 4, 7, 10, 13, 16};
inline constexpr int kDateColumn = 19;

// A draw of the draw list: the six main balls, the date and the day code, single blanks between.
QString ScannedDrawRow(const DrawRecord& draw);
// "All Days" (or an empty filter) passes every draw; a day name passes the draws whose day code
// is its first two letters.
bool PassesDayFilter(const QString& filter, const QString& dayCode);
// The number value of the two characters at a column of a draw row; 0 past its end.
int BallAt(const QString& row, int column);
// The eight characters from the date column of a draw row.
QString DateOf(const QString& row);

// Draws scanned divided by the count, as decimal text cut (not rounded) to five characters:
// 1000 / 12 gives 83.33, 100 / 4 gives 25. A count of 0 gives 0.
QString AverageText(double drawsScanned, double count);

// A position list's row for a bar: the count with leading zeros to three digits, a blank, the
// ball without a leading zero ("012 7").
QString PositionRow(float value, int ball);
// The row of a position list built from a bar's value and ball, found as the count with two
// leading zeros, with one or with none; -1 when the list holds no such row.
int FindPositionRow(const QStringList& rows, float value, int ball);

struct Readout {
  int ball = 0;
  float value = 0;
  int place = 0;         // LC - LI
  int range = 0;         // LC
  double drawsScanned = 0;
  int distance = 0;      // DC - DI; 0 when no listed draw has the ball in the position
  QString date;
};
// The four lines of a position read-out, CR LF between them.
QString ReadoutText(int position, const Readout& r);

// --- Text tables (counts and average gaps per ball and position) ---
QStringList CountTableHead();
QStringList GapTableHead();
QString CountTableRow(int ball, const std::array<int, kPositions>& counts);
// The gaps as GetTheValues gives them; the sum is the gaps read back as numbers, rounded half
// to even, shown whole however large it gets.
QString GapTableRow(int ball, const std::array<QString, kPositions>& gaps);

// --- Per-number report ---
struct PositionFacts {
  float value = 0;       // 0: never drawn there, left out of the report
  int place = 0;
  int range = 0;
  int distance = 0;      // 0: no listed draw has the ball there
  QString date;
};
QString NumberReportHead(int ball, int listedDraws);
// The report's sections that follow its head line.
QString NumberReportBody(double drawsScanned, const std::array<PositionFacts, kPositions>& facts);
QString NumberReportSummary(int ball, float mainBallCount, const QString& drawsScannedTag);
QString NumberPointerSummary(int ball, float mainBallCount, int listedDraws);

// --- Ball Placement Report ---
// The count table's header and ball rows beside the gap table's, row by row.
QString PlacementReport(const QStringList& countTable, const QStringList& gapTable, const QString& drawsScanned);

// --- Perm hand-over ---
// The position (0 to 5) whose count is strictly higher than each of the other five; -1 when none.
int DominantPosition(const std::array<float, kPositions>& counts);
// A hand-over row: count to three digits (all digits from 1000 on), a blank, a two-digit ball;
// empty when the count or the ball is 0.
QString HandOverRow(float value, int ball);
// Fifteen ranking tags from a sorted list of hand-over rows: the ball of the last row first, "0"
// where the list runs out.
QStringList RankingTags(const QStringList& sortedRows, int count = 15);

}  // namespace vtn::stats
