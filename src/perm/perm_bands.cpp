#include "perm/perm_bands.h"

#include "common/numbers.h"
#include "perm/perm_catalogue.h"

namespace vtn::perm {

namespace {

constexpr FillEntry H(int k) { return {Band::Hot, k}; }
constexpr FillEntry W(int k) { return {Band::Warm, k}; }
constexpr FillEntry C(int k) { return {Band::Cold, k}; }

// kFill[mode - 1][box]. The mode captions' percentages are only captions: mode 3 takes
// 5 hot and 10 warm, mode 4 8 hot and 7 warm, mode 5 10 hot and 5 warm.
constexpr FillEntry kFill[6][kBoxCount] = {
    {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13), H(14), H(15)},
    {W(1), W(2), W(3), W(4), W(5), W(6), W(7), W(8), W(9), W(10), W(11), W(12), W(13), W(14), W(15)},
    {H(1), W(1), W(2), H(2), W(3), W(4), H(3), W(5), W(6), H(4), W(7), W(8), H(5), W(9), W(10)},
    {H(1), W(1), H(2), W(2), H(3), W(3), H(4), W(4), H(5), W(5), H(6), W(6), H(7), W(7), H(8)},
    {W(1), H(1), H(2), W(2), H(3), H(4), W(3), H(5), H(6), W(4), H(7), H(8), W(5), H(9), H(10)},
    {H(1), W(1), C(1), H(2), W(2), C(2), H(3), W(3), C(3), H(4), W(4), C(4), H(5), W(5), C(5)},
};

constexpr std::array<int, kBoxCount> kSequentialOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
constexpr std::array<int, kBoxCount> kBandOrder{0, 3, 6, 9, 12, 1, 4, 7, 10, 13, 2, 5, 8, 11, 14};

}  // namespace

int bandSize(int n) { return n < 0 ? 0 : n / 3; }

Bands splitBands(const QStringList& rankingRows) {
  Bands bands;
  const int n = static_cast<int>(rankingRows.size());
  const int t = bandSize(n);
  for (int i = 0; i < n; ++i) {
    const QString& row = rankingRows[i];
    if (i > 0 && i < t)
      bands.cold << row;
    else if (i >= t && i < 2 * t)
      bands.warm << row;
    else if (i >= 2 * t)
      bands.hot << row;
  }
  return bands;
}

FillEntry fillEntry(int mode, int box) {
  if (mode < kFirstFillMode || mode > kLastFillMode || box < 0 || box >= kBoxCount)
    return {Band::Hot, 0};
  return kFill[mode - 1][box];
}

std::array<int, kBoxCount> fillOrder(int mode) { return mode == 6 ? kBandOrder : kSequentialOrder; }

QString ballFromEnd(const QStringList& band, int fromEnd) {
  if (fromEnd < 1 || band.size() < fromEnd) return QString();
  return BallOfRow(band[band.size() - fromEnd]);
}

QString fillBall(const Bands& bands, FillEntry entry) {
  switch (entry.band) {
    case Band::Hot: return ballFromEnd(bands.hot, entry.fromEnd);
    case Band::Warm: return ballFromEnd(bands.warm, entry.fromEnd);
    case Band::Cold: return ballFromEnd(bands.cold, entry.fromEnd);
  }
  return QString();
}

ModeChoice modeOfRow(const QString& rowText) {
  for (int k = kFirstFillMode; k <= kLastFillMode; ++k) {
    if (rowText.size() >= 2 && rowText[0] == QLatin1Char(char('0' + k)) && rowText[1] == QLatin1Char(':'))
      return {ModeChoice::Kind::Fill, k};
  }
  if (rowText == kStatisticOrderRow) return {ModeChoice::Kind::StatisticOrder, 0};
  return {};
}

}  // namespace vtn::perm
