#include "perm/perm_wheels.h"

#include <array>

namespace vtn::perm {

namespace {

using namespace Qt::StringLiterals;

// The tables exactly as published with the plans; lines in the order they are added.
constexpr std::uint8_t kP6L4[] = {
    1, 2, 3, 4, 5,  1, 2, 3, 4, 6,  2, 3, 4, 5, 6,  1, 2, 4, 5, 6};

constexpr std::uint8_t kP7L5[] = {
    1, 2, 3, 4, 5,  1, 2, 3, 4, 6,  1, 2, 3, 4, 7,  1, 4, 5, 6, 7,  2, 3, 5, 6, 7};

constexpr std::uint8_t kP8L8[] = {
    1, 2, 3, 4, 5,  1, 2, 3, 4, 6,  1, 2, 3, 4, 7,  1, 2, 3, 4, 8,
    1, 5, 6, 7, 8,  2, 5, 6, 7, 8,  3, 5, 6, 7, 8,  4, 5, 6, 7, 8};

constexpr std::uint8_t kP9L19[] = {
    1, 2, 3, 4, 5,  1, 2, 3, 4, 6,  1, 2, 3, 4, 7,  1, 2, 3, 4, 8,  1, 2, 3, 4, 9,
    1, 2, 3, 5, 6,  1, 2, 3, 5, 7,  1, 2, 3, 5, 8,  1, 2, 3, 5, 9,  1, 2, 3, 6, 7,
    1, 2, 3, 6, 8,  1, 2, 3, 6, 9,  1, 2, 3, 7, 8,  1, 2, 3, 7, 9,  1, 2, 3, 8, 9,
    4, 5, 6, 7, 8,  4, 5, 7, 8, 9,  4, 6, 7, 8, 9,  5, 6, 7, 8, 9};

constexpr std::uint8_t kP9L7[] = {
    1, 2, 3, 4, 5, 6,  1, 2, 3, 4, 5, 7,  1, 2, 3, 4, 5, 8,  1, 2, 3, 4, 5, 9,
    1, 2, 6, 7, 8, 9,  2, 4, 6, 7, 8, 9,  3, 5, 6, 7, 8, 9};

constexpr std::uint8_t kP10L10[] = {
    1, 2, 3, 4, 5, 6,   1, 2, 3, 4, 5, 7,   1, 2, 3, 4, 5, 8,   1, 2, 3, 4, 5, 9,
    1, 2, 3, 4, 5, 10,  1, 6, 7, 8, 9, 10,  2, 6, 7, 8, 9, 10,  3, 6, 7, 8, 9, 10,
    4, 6, 7, 8, 9, 10,  5, 6, 7, 8, 9, 10};

constexpr std::uint8_t kP12L15[] = {
    1, 2, 3, 4, 5, 6,    1, 2, 5, 6, 9, 10,   1, 2, 7, 8, 11, 12,  1, 2, 9, 10, 11, 12,
    1, 3, 5, 7, 9, 11,   1, 3, 6, 8, 10, 12,  1, 4, 5, 8, 9, 12,   1, 4, 6, 7, 10, 11,
    2, 3, 5, 8, 10, 11,  2, 3, 6, 7, 9, 12,   2, 4, 5, 7, 10, 12,  2, 4, 6, 8, 9, 11,
    3, 4, 5, 6, 11, 12,  3, 4, 7, 8, 9, 10,   5, 6, 7, 8, 9, 10};

constexpr std::uint8_t kP14L25[] = {
    1, 3, 10, 11, 13, 14,  1, 3, 9, 12, 13, 14,   1, 2, 3, 4, 13, 14,   2, 5, 6, 9, 10, 14,
    1, 3, 6, 7, 13, 14,    1, 3, 5, 8, 13, 14,    2, 7, 8, 11, 12, 14,  1, 3, 5, 7, 9, 11,
    4, 6, 8, 10, 12, 14,   4, 5, 7, 9, 11, 14,    1, 3, 6, 8, 10, 12,   4, 5, 8, 9, 12, 13,
    2, 9, 10, 11, 12, 13,  2, 5, 6, 7, 8, 13,     4, 6, 7, 10, 11, 13,  1, 2, 3, 4, 11, 12,
    1, 2, 3, 4, 9, 10,     1, 2, 3, 4, 7, 8,      2, 5, 6, 11, 12, 14,  1, 2, 3, 4, 5, 6,
    2, 7, 8, 9, 10, 14,    1, 3, 5, 7, 10, 12,    1, 3, 6, 8, 9, 11,    4, 6, 7, 9, 12, 13,
    4, 5, 8, 10, 11, 13};

constexpr std::uint8_t kP15L31[] = {
    3, 4, 5, 6, 7, 8,      1, 2, 5, 6, 9, 10,     2, 7, 8, 9, 11, 12,    1, 3, 4, 10, 11, 12,
    2, 4, 5, 6, 9, 13,     1, 3, 5, 8, 10, 13,    1, 2, 4, 7, 11, 13,    6, 8, 9, 10, 11, 13,
    1, 5, 7, 8, 12, 13,    3, 6, 7, 9, 12, 13,    2, 4, 8, 10, 12, 13,   1, 2, 3, 9, 10, 14,
    2, 3, 6, 7, 11, 14,    1, 4, 8, 9, 11, 14,    4, 7, 9, 10, 11, 14,   2, 3, 5, 8, 12, 14,
    1, 5, 7, 9, 12, 14,    4, 5, 6, 10, 12, 14,   2, 3, 4, 5, 9, 15,     1, 3, 6, 7, 10, 15,
    1, 4, 5, 6, 11, 15,    3, 5, 8, 9, 11, 15,    2, 5, 7, 10, 11, 15,   1, 2, 6, 8, 12, 15,
    4, 7, 9, 10, 12, 15,   3, 6, 11, 12, 13, 15,  4, 6, 7, 8, 14, 15,    2, 3, 4, 13, 14, 15,
    1, 6, 9, 13, 14, 15,   7, 8, 10, 13, 14, 15,  5, 11, 12, 13, 14, 15};

constexpr std::uint8_t kP14L40[] = {
    1, 2, 3, 4, 5, 6,       1, 2, 3, 4, 7, 9,       1, 2, 3, 5, 7, 8,       1, 2, 3, 5, 9, 11,
    1, 2, 4, 8, 9, 11,      1, 2, 5, 6, 8, 9,       1, 2, 6, 7, 9, 11,      1, 2, 10, 12, 13, 14,
    1, 3, 4, 5, 8, 11,      1, 3, 4, 6, 7, 11,      1, 3, 4, 6, 8, 9,       1, 3, 10, 12, 13, 14,
    1, 4, 5, 7, 8, 9,       1, 4, 10, 12, 13, 14,   1, 5, 6, 7, 8, 11,      1, 5, 10, 12, 13, 14,
    2, 3, 4, 7, 8, 11,      2, 3, 5, 6, 7, 11,      2, 3, 6, 7, 8, 9,       2, 3, 10, 12, 13, 14,
    2, 4, 5, 6, 7, 9,       2, 4, 5, 6, 8, 11,      2, 4, 10, 12, 13, 14,   2, 5, 10, 12, 13, 14,
    3, 4, 5, 7, 9, 11,      3, 4, 10, 12, 13, 14,   3, 5, 6, 8, 9, 11,      3, 5, 10, 12, 13, 14,
    4, 5, 10, 12, 13, 14,   5, 6, 7, 8, 9, 11,      6, 7, 10, 12, 13, 14,   6, 8, 10, 12, 13, 14,
    6, 9, 10, 12, 13, 14,   6, 10, 11, 12, 13, 14,  7, 8, 10, 12, 13, 14,   7, 9, 10, 12, 13, 14,
    7, 10, 11, 12, 13, 14,  8, 9, 10, 12, 13, 14,   8, 10, 11, 12, 13, 14,  9, 10, 11, 12, 13, 14};

// Three of the plan texts say "guarantee you"; each keeps its own wording.
constexpr std::array<WheelTable, kWheelCount> kWheels{{
    {Wheel::Perm_P6_W3_G3_L4, "Perm_P6_W3_G3_L4"_L1, 6, 5,
     "From 6 numbers this Plan will guarantee a winning line of 3 numbers if you have 3 of the drawn numbers anywhere in your 6. It takes 4 lines"_L1,
     kP6L4},
    {Wheel::Perm_P7_W3_G3_L5, "Perm_P7_W3_G3_L5"_L1, 7, 5,
     "From 7 numbers this Plan will guarantee a winning line of 3 numbers if you have 3 of the drawn numbers anywhere in your 7. It takes 5 lines"_L1,
     kP7L5},
    {Wheel::Perm_P8_W3_G3_L8, "Perm_P8_W3_G3_L8"_L1, 8, 5,
     "From 8 numbers this Plan will guarantee a winning line of 3 numbers if you have 3 of the drawn numbers anywhere in your 8. It takes 8 lines"_L1,
     kP8L8},
    {Wheel::Perm_P19_W3_G3_L19, "Perm_P19_W3_G3_L19"_L1, 9, 5,
     "From 9 numbers this Plan will guarantee a winning line of 3 numbers if you have 3 of the drawn numbers anywhere in your 9. It takes 19 lines"_L1,
     kP9L19},
    {Wheel::Perm_P9_W3_G3_L7, "Perm_P9_W3_G3_L7"_L1, 9, 6,
     "From 9 numbers this Plan will guarantee you a winning line of 3 numbers if you have 3 of the drawn numbers anywhere in your 9. It takes 7 lines"_L1,
     kP9L7},
    {Wheel::Perm_10_W3_G3_L10, "Perm_10_W3_G3_L10"_L1, 10, 6,
     "From 10 numbers this Plan will guarantee you a winning line of 3 numbers if you have 3 of the drawn numbers anywhere in your 10. It takes 10 lines"_L1,
     kP10L10},
    {Wheel::Perm_P12_W3_G3_L15, "Perm_P12_W3_G3_L15"_L1, 12, 6,
     "From 12 numbers this Plan will guarantee you a winning line of 3 numbers if you have 3 of the drawn numbers anywhere in your 12. It takes 15 lines"_L1,
     kP12L15},
    {Wheel::Perm_P14_W3_G3_L25, "Perm_P14_W3_G3_L25"_L1, 14, 6,
     "From 14 numbers this Plan will guarantee a winning line of 3 numbers if you have 3 of the drawn numbers anywhere in your 14. It takes 25 lines"_L1,
     kP14L25},
    {Wheel::Perm_P15_W3_G3_L31, "Perm_P15_W3_G3_L31"_L1, 15, 6,
     "From 15 numbers this Plan will guarantee a winning line of 3 numbers if you have 3 of the drawn numbers anywhere in your 15. It takes 31 lines"_L1,
     kP15L31},
    {Wheel::Perm_P14_W4_G5_L40, "Perm_P14_W4_G5_L40"_L1, 14, 6,
     "From 14 numbers this Plan will guarantee a winning line of 4 numbers if you have 5 of the drawn numbers anywhere in your 14. It takes 40 lines"_L1,
     kP14L40},
}};

// A table whose length is not a whole number of lines would silently drop positions.
constexpr bool tablesAreWhole() {
  for (const WheelTable& w : kWheels)
    if (w.positions.size() % w.numbersPerLine != 0) return false;
  return true;
}
static_assert(tablesAreWhole());

constexpr bool idsMatchOrder() {
  for (int i = 0; i < kWheelCount; ++i)
    if (static_cast<int>(kWheels[i].id) != i) return false;
  return true;
}
static_assert(idsMatchOrder());

}  // namespace

std::span<const WheelTable> wheelTables() { return kWheels; }

const WheelTable& wheelTable(Wheel wheel) { return kWheels[static_cast<std::size_t>(wheel)]; }

QString buildPermLine(std::span<const std::uint8_t> positions, const QStringList& args) {
  QString line;
  bool first = true;
  for (std::uint8_t position : positions) {
    if (!first) line += QLatin1Char(' ');
    first = false;
    line += args.value(static_cast<qsizetype>(position) - 1);  // missing argument: empty place
  }
  return line;
}

QStringList buildWheelLines(Wheel wheel, const QStringList& args) {
  const WheelTable& table = wheelTable(wheel);
  QStringList lines;
  lines.reserve(table.lineCount());
  for (int i = 0; i < table.lineCount(); ++i) lines << buildPermLine(table.line(i), args);
  return lines;
}

}  // namespace vtn::perm
