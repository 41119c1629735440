#pragma once
// The perm window's ten wheels: fixed tables of lines over a pool of chosen numbers. Each line
// names positions (from 1) into the wheel's arguments; a perm line is those arguments joined by
// single blanks.
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

namespace vtn::perm {

// One id per wheel, named after the procedure that runs it, in the order of the wheel table.
enum class Wheel {
  Perm_P6_W3_G3_L4,
  Perm_P7_W3_G3_L5,
  Perm_P8_W3_G3_L8,
  Perm_P19_W3_G3_L19,  // pool 9, not 19
  Perm_P9_W3_G3_L7,
  Perm_10_W3_G3_L10,
  Perm_P12_W3_G3_L15,
  Perm_P14_W3_G3_L25,
  Perm_P15_W3_G3_L31,
  Perm_P14_W4_G5_L40,
};
inline constexpr int kWheelCount = 10;

struct WheelTable {
  Wheel id;
  QLatin1StringView procedure;  // e.g. "Perm_P9_W3_G3_L7"
  int pool;                     // number of arguments, positions 1..pool
  int numbersPerLine;           // 5 or 6
  QLatin1StringView planText;   // written to the hint line when the wheel runs
  std::span<const std::uint8_t> positions;  // all lines back to back, numbersPerLine each

  constexpr int lineCount() const { return static_cast<int>(positions.size()) / numbersPerLine; }
  // Positions of line i (0-based, table order).
  constexpr std::span<const std::uint8_t> line(int i) const {
    return positions.subspan(static_cast<std::size_t>(i) * numbersPerLine, numbersPerLine);
  }
  // Length of a complete line of two-digit numbers: 14 for five numbers, 17 for six.
  constexpr int fullLineLength() const { return numbersPerLine * 3 - 1; }
};

// All ten wheels, in the order of `Wheel`.
std::span<const WheelTable> wheelTables();
const WheelTable& wheelTable(Wheel wheel);

// One perm line: the argument at each position (position k is args[k - 1]) joined by single
// blanks. Nothing is padded, trimmed or checked; an empty or missing argument leaves its place
// empty, so such a line is shorter.
QString buildPermLine(std::span<const std::uint8_t> positions, const QStringList& args);

// Every line of the wheel, in table order, built from the arguments.
QStringList buildWheelLines(Wheel wheel, const QStringList& args);

}  // namespace vtn::perm
