#include "common/numbers.h"

#include <cmath>

namespace vtn {

double Val(const QString& text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
  const qsizetype start = i;
  if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
  bool digits = false;
  while (i < n && text[i].isDigit() && text[i].unicode() < 128) { ++i; digits = true; }
  if (i < n && text[i] == QLatin1Char('.')) {
    ++i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) { ++i; digits = true; }
  }
  if (!digits) return 0.0;
  bool ok = false;
  const double value = text.mid(start, i - start).toDouble(&ok);  // C locale, never throws
  return ok ? value : 0.0;
}

QString NumberText(double value) {
  if (value == 0.0 || !std::isfinite(value)) return QStringLiteral("0");
  return QString::number(value, 'g', 15);
}

long long RoundHalfEven(double value) {
  const double lower = std::floor(value);
  const double diff = value - lower;
  long long whole = static_cast<long long>(lower);
  if (diff > 0.5 || (diff == 0.5 && (whole % 2 != 0))) ++whole;
  return whole;
}

QString BallText(int ball) { return QStringLiteral("%1").arg(ball, 2, 10, QLatin1Char('0')); }

QString CountBallRow(int count, int ball, bool twoDigitBall) {
  const QString countText = QStringLiteral("%1").arg(count, 3, 10, QLatin1Char('0'));
  return countText + QLatin1Char(' ') + (twoDigitBall ? BallText(ball) : QString::number(ball));
}

int CountOfRow(const QString& row) {
  const qsizetype blank = row.indexOf(QLatin1Char(' '));
  return static_cast<int>(Val(blank < 0 ? row : row.left(blank)));
}

QString BallOfRow(const QString& row) {
  const qsizetype blank = row.indexOf(QLatin1Char(' '));
  return blank < 0 ? QString() : row.mid(blank + 1);
}

}  // namespace vtn
