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

// A count-ball row: the count as three digits, a blank, the ball with or without its leading
// zero. A list kept in ascending text order then orders its balls by count.
QString CountBallRow(int count, int ball, bool twoDigitBall);
// The parts of a count-ball row: the count is the value of the first three characters, the ball
// the characters from the fifth on.
int CountOfRow(const QString& row);
QString BallOfRow(const QString& row);

}  // namespace vtn
