#include "perm/perm_generate.h"

#include <algorithm>

#include "common/numbers.h"

namespace vtn::perm {

QString padSingleDigit(const QString& text) {
  return text.size() == 1 ? QLatin1Char('0') + text : text;
}

QStringList distinctNumbers(const QStringList& texts) {
  QStringList numbers;
  for (const QString& text : texts)
    if (Val(text) > 0) numbers << text;
  // QString's operator< compares code units, the byte order the sorted lists keep.
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

QStringList quickListRows() {
  QStringList rows;
  rows.reserve(99);
  for (int n = 1; n <= 99; ++n) rows << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
  return rows;
}

int firstShortLine(const QStringList& lines, int fullLength) {
  for (int i = 0; i < lines.size(); ++i)
    if (lines[i].size() < fullLength) return i;
  return -1;
}

}  // namespace vtn::perm
