#pragma once
// The win check of a perm of six-number lines: fields of a line, matches against the six
// win-check boxes, and the tally text.
#include <QString>
#include <QStringList>

#include <array>

namespace vtn::perm {

inline constexpr int kCheckBoxCount = 6;
inline constexpr int kSixNumberLineLength = 17;

// The six two-character fields of a line at columns 1, 4, 7, 10, 13 and 16. A field past the
// end of a short line is shorter or empty.
std::array<QString, 6> lineFields(const QString& line);

// The numeric values of those fields; a missing or blank field is 0.
std::array<double, 6> lineValues(const QString& line);

// Matches of a line against the six box values: for each box and each field, one match when
// their values are equal. A value of 0 (empty box, missing or blank field) matches nothing, and
// two boxes holding the same number both match.
int matchCount(const QString& line, const std::array<double, kCheckBoxCount>& boxes);

// Lines with three matches or more are wins and stay selected.
inline constexpr int kWinningMatches = 3;

// Count of lines with exactly 6, 5, 4, 3 and 2 matches.
struct Tally {
  int six = 0, five = 0, four = 0, three = 0, two = 0;

  void add(int matches);
  // Lines with three or more matches; two matches do not win.
  int wins() const { return six + five + four + three; }
};

// The tally box text: five lines "6 ball matchs = : N" down to "2 ball matchs = : N" joined by
// CRLF, with no break after the last.
QString tallyText(const Tally& tally);

// The tally box before the first check: every count 0 and every line ended by CRLF.
QString initialTallyText();

// The messages a finished check shows, in order: "You have won the lottery!" when exactly one
// line matches all six, "Sorry no wins" when no line has three or more matches.
QStringList checkMessages(const Tally& tally);

}  // namespace vtn::perm
