#pragma once
// The program's number and text rules, used by every window.
#include <QString>

namespace vtn {

// The number at the start of a text: leading blanks skipped, an optional sign, digits and an
// optional decimal point. An empty text, or one that does not begin with a number, is 0.
double Val(const QString& text);

// Decimal text of a number with up to 15 significant digits, no trailing zeros and no point for
// a whole number. The separator is always ".", whatever the user's locale.
QString NumberText(double value);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long RoundHalfEven(double value);

// Two-digit ball text: 7 -> "07", 23 -> "23".
QString BallText(int ball);

// A count-ball row: the count as at least three digits, a blank, the ball with or without its
// leading zero. A sorted list orders such rows by count with ListBox::setCountBallOrder.
QString CountBallRow(int count, int ball, bool twoDigitBall);
// The parts of a count-ball row: the count is the number before the first blank, the ball the
// text after it (empty when the row has no blank). Counts of 1000 and more have four digits.
int CountOfRow(const QString& row);
QString BallOfRow(const QString& row);

}  // namespace vtn
