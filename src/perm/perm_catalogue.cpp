#include "perm/perm_catalogue.h"

namespace vtn::perm {

namespace {

// The numbers in the row texts are captions only; nothing computes them.
constexpr std::array<CatalogueRow, 6> kSixNumber{{
    {"[3 number Win] 9 number perm, covers 83 three ball combos in just 7 Lines"_L1,
     Wheel::Perm_P9_W3_G3_L7, 9, "Choose 9 different numbers"_L1,
     "This perm guarantee's a winning line of 3 numbers if you have 3 of the draw numbers. It takes 7 lines"_L1},
    {"[3 number Win] 10 number perm, covers 119 three ball combos in just 10 Lines"_L1,
     Wheel::Perm_10_W3_G3_L10, 10, "Choose 10 different numbers"_L1,
     "This perm guarantee's a winning line of 3 numbers if you have 3 of the draw numbers. It takes 10 lines"_L1},
    {"[3 number Win] 12 number perm, covers 219 three ball combos in just 15 Lines"_L1,
     Wheel::Perm_P12_W3_G3_L15, 12, "Choose 12 different numbers"_L1,
     "This perm guarantee's a winning line of 3 numbers if you have 3 of the draw numbers. It takes 15 lines"_L1},
    {"[3 number Win] 14 number perm, covers 363 three ball combos in just 25 Lines"_L1,
     Wheel::Perm_P14_W3_G3_L25, 14, "Choose 14 different numbers"_L1,
     "This perm guarantee's a winning line of 3 numbers if you have 3 of the draw numbers. It takes 25 lines"_L1},
    {"[3 number Win] 15 number perm, covers 454 three ball combos in just 31 Lines"_L1,
     Wheel::Perm_P15_W3_G3_L31, 15, "Choose 15 different numbers"_L1,
     "This perm guarantee's a winning line of 3 numbers if you have 3 of the draw numbers. It takes 31 lines"_L1},
    {"[4 number Win] 14 number perm, covers 1000 four ball combos in just 40 Lines"_L1,
     Wheel::Perm_P14_W4_G5_L40, 14, "Choose 14 different numbers"_L1,
     "This perm guarantee's a winning line of 4 numbers if you have 5 of the draw numbers. It takes 40 lines"_L1},
}};

constexpr std::array<CatalogueRow, 4> kFiveNumber{{
    {"[3 number Win] 6 number perm, covers 19 three ball combos in just 4 Lines"_L1,
     Wheel::Perm_P6_W3_G3_L4, 6, "Choose 6 different numbers"_L1,
     "This perm guarantee's a winning line of 3 numbers if you have 3 of the draw numbers. It takes 4 lines"_L1},
    {"[3 number Win] 7 number perm, covers 34 three ball combos in just 5 Lines"_L1,
     Wheel::Perm_P7_W3_G3_L5, 7, "Choose 7 different numbers"_L1,
     "This perm guarantee's a winning line of 3 numbers if you have 3 of the draw numbers. It takes 5 lines"_L1},
    {"[3 number Win] 8 number perm, covers 55 three ball combos in just 8 Lines"_L1,
     Wheel::Perm_P8_W3_G3_L8, 8, "Choose 8 different numbers"_L1,
     "This perm guarantee's a winning line of 3 numbers if you have 3 of the draw numbers. It takes 8 lines"_L1},
    {"[3 number Win] 9 number perm, covers 83 three ball combos in just 19 Lines"_L1,
     Wheel::Perm_P19_W3_G3_L19, 9, "Choose 9 different numbers"_L1,
     "This perm guarantee's a winning line of 3 numbers if you have 3 of the draw numbers. It takes 19 lines"_L1},
}};

}  // namespace

std::span<const CatalogueRow> catalogue(Lottery lottery) {
  if (lottery == Lottery::FiveNumber) return kFiveNumber;
  return kSixNumber;
}

const CatalogueRow* catalogueRow(Lottery lottery, int row) {
  const auto rows = catalogue(lottery);
  if (row < 0 || row >= static_cast<int>(rows.size())) return nullptr;
  return &rows[static_cast<std::size_t>(row)];
}

namespace text {

QString initialHint() { return QString(kTipIndent, QLatin1Char(' ')) + kTip; }

}  // namespace text

}  // namespace vtn::perm
