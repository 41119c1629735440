#pragma once
// Hot, warm and cold bands of the frequency ranking, the fill table of the six fill modes and
// the choice of mode from a mode row.
#include <QString>
#include <QStringList>

#include <array>

namespace vtn::perm {

// The three band lists, whole ranking rows in ranking order (least drawn first).
struct Bands {
  QStringList cold;
  QStringList warm;
  QStringList hot;
};

// Band size for n ranking rows: n / 3 rounded down.
int bandSize(int n);

// Splits the ranking rows (ascending, least drawn first) as `DoColorTemp` does: with T the band
// size, row i goes to cold when 0 < i < T, warm when T <= i < 2T, hot when i >= 2T. So for
// n >= 3 row 0 is in no band; for n of 1 or 2 every row is hot.
Bands splitBands(const QStringList& rankingRows);

enum class Band { Hot, Warm, Cold };

// One entry of the fill table: the box takes the ball of the row `fromEnd` places from the end
// of the band list (1 = the last row, the most drawn number of the band).
struct FillEntry {
  Band band;
  int fromEnd;
};

inline constexpr int kBoxCount = 15;
inline constexpr int kFirstFillMode = 1;
inline constexpr int kLastFillMode = 6;

// The entry for box 0..14 in fill mode 1..6. Outside those ranges: {Band::Hot, 0}, which gives
// the empty text.
FillEntry fillEntry(int mode, int box);

// The order in which a mode writes the boxes: 0..14 for modes 1-5; for mode 6 its hot boxes,
// then its warm boxes, then its cold boxes.
std::array<int, kBoxCount> fillOrder(int mode);

// The ball (the text after the count) of row (count - fromEnd) of the band list as it stands,
// or the empty text when the list has fewer than fromEnd rows (or fromEnd < 1).
QString ballFromEnd(const QStringList& band, int fromEnd);

// The ball that `entry` picks from the band lists.
QString fillBall(const Bands& bands, FillEntry entry);

// What a click on a mode row applies.
struct ModeChoice {
  enum class Kind { None, Fill, StatisticOrder };
  Kind kind = Kind::None;
  int mode = 0;  // 1..6 when kind is Fill
};

// Mode of the selected row of the mode list: "k:" at the start for k = 1..6 is fill mode k;
// the statistic-order row (exact text) copies the box tags; anything else does nothing.
ModeChoice modeOfRow(const QString& rowText);

}  // namespace vtn::perm
