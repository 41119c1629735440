#include "perm/perm_check.h"

#include "common/numbers.h"
#include "perm/perm_catalogue.h"

namespace vtn::perm {

namespace {
const QString kCrLf = QStringLiteral("\r\n");

QString tallyLines(const Tally& tally, bool breakAfterLast) {
  const std::array<int, 5> counts{tally.six, tally.five, tally.four, tally.three, tally.two};
  QString result;
  for (std::size_t i = 0; i < counts.size(); ++i) {
    result += text::kTallyPrefixes[i] + QString::number(counts[i]);
    if (breakAfterLast || i + 1 < counts.size()) result += kCrLf;
  }
  return result;
}
}  // namespace

std::array<QString, 6> lineFields(const QString& line) {
  std::array<QString, 6> fields;
  // mid() past the end gives a shorter or empty text, never a fault: an incomplete generation
  // can leave lines with places missing.
  for (int i = 0; i < 6; ++i) fields[i] = line.mid(i * 3, 2);
  return fields;
}

std::array<double, 6> lineValues(const QString& line) {
  std::array<double, 6> values{};
  const auto fields = lineFields(line);
  // Only a field of two digits holds a number. On a line with a place missing the later numbers
  // stand one column off, and a piece such as " 1" of "12" must not pass for the number 1.
  for (int i = 0; i < 6; ++i) {
    const QString& f = fields[i];
    const bool twoDigits = f.size() == 2 && f[0].isDigit() && f[1].isDigit();
    values[i] = twoDigits ? Val(f) : 0.0;
  }
  return values;
}

int matchCount(const QString& line, const std::array<double, kCheckBoxCount>& boxes) {
  const auto values = lineValues(line);
  int count = 0;
  for (double box : boxes) {
    if (box == 0) continue;
    for (double value : values)
      if (value == box) ++count;
  }
  return count;
}

void Tally::add(int matches) {
  switch (matches) {
    case 6: ++six; break;
    case 5: ++five; break;
    case 4: ++four; break;
    case 3: ++three; break;
    case 2: ++two; break;
    default: break;
  }
}

QString tallyText(const Tally& tally) { return tallyLines(tally, false); }

QString initialTallyText() { return tallyLines(Tally{}, true); }

QStringList checkMessages(const Tally& tally) {
  QStringList messages;
  if (tally.six == 1) messages << text::kWonTheLottery;
  if (tally.wins() == 0) messages << text::kSorryNoWins;
  return messages;
}

}  // namespace vtn::perm
