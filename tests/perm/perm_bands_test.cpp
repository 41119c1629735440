// Band split, fill table and mode choice.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "common/numbers.h"
#include "perm/perm_bands.h"
#include "perm/perm_catalogue.h"

namespace vtn::perm {
namespace {

// n ranking rows whose balls are 1..n (row i holds ball i + 1), counts ascending.
QStringList ranking(int n) {
  QStringList rows;
  for (int i = 0; i < n; ++i) rows << CountBallRow(i + 1, i + 1, true);
  return rows;
}

QStringList slice(const QStringList& rows, int first, int last) {
  return first > last ? QStringList() : rows.mid(first, last - first + 1);
}

struct SplitCase {
  int n;
  int t;
  int coldFirst, coldLast, warmFirst, warmLast, hotFirst, hotLast;  // row indexes, first > last = empty
};

TEST(PermBands, SplitFollowsTheThirds) {
  const std::vector<SplitCase> cases = {
      {0, 0, 1, 0, 1, 0, 1, 0},
      {1, 0, 1, 0, 1, 0, 0, 0},
      {2, 0, 1, 0, 1, 0, 0, 1},
      {3, 1, 1, 0, 1, 1, 2, 2},
      {10, 3, 1, 2, 3, 5, 6, 9},
      {20, 6, 1, 5, 6, 11, 12, 19},
      {49, 16, 1, 15, 16, 31, 32, 48},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    const QStringList rows = ranking(c.n);
    EXPECT_EQ(bandSize(c.n), c.t);
    const Bands bands = splitBands(rows);
    EXPECT_EQ(bands.cold, slice(rows, c.coldFirst, c.coldLast));
    EXPECT_EQ(bands.warm, slice(rows, c.warmFirst, c.warmLast));
    EXPECT_EQ(bands.hot, slice(rows, c.hotFirst, c.hotLast));
  }
}

// What a fill writes into the fifteen boxes from fixed band lists.
std::array<QString, kBoxCount> fill(int mode, const Bands& bands) {
  std::array<QString, kBoxCount> boxes;
  for (int box : fillOrder(mode)) boxes[box] = fillBall(bands, fillEntry(mode, box));
  return boxes;
}

// A band of `count` rows whose balls are first, first + 1, ... (the last row most drawn).
QStringList band(int count, int firstBall) {
  QStringList rows;
  for (int i = 0; i < count; ++i) rows << CountBallRow(10 + i, firstBall + i, true);
  return rows;
}

TEST(PermFill, EachModeTakesItsShareOfEveryBandMostDrawnFirst) {
  struct Share { int mode, hot, warm, cold; };
  for (const Share s : {Share{1, 15, 0, 0}, Share{2, 0, 15, 0}, Share{3, 5, 10, 0},
                        Share{4, 8, 7, 0}, Share{5, 10, 5, 0}, Share{6, 5, 5, 5}}) {
    SCOPED_TRACE(s.mode);
    // In the order the boxes are written, each band is read from its last row backwards with
    // no place skipped or repeated.
    std::map<Band, int> next{{Band::Hot, 1}, {Band::Warm, 1}, {Band::Cold, 1}};
    for (int box : fillOrder(s.mode)) {
      const FillEntry e = fillEntry(s.mode, box);
      EXPECT_EQ(e.fromEnd, next[e.band]) << "box " << box;
      ++next[e.band];
    }
    EXPECT_EQ(next[Band::Hot] - 1, s.hot);
    EXPECT_EQ(next[Band::Warm] - 1, s.warm);
    EXPECT_EQ(next[Band::Cold] - 1, s.cold);
  }
}

TEST(PermFill, WriteOrder) {
  const std::array<int, kBoxCount> sequential{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
  for (int mode = 1; mode <= 5; ++mode) EXPECT_EQ(fillOrder(mode), sequential) << mode;
  const std::array<int, kBoxCount> byBand{0, 3, 6, 9, 12, 1, 4, 7, 10, 13, 2, 5, 8, 11, 14};
  EXPECT_EQ(fillOrder(6), byBand);
  for (int box : {0, 3, 6, 9, 12}) EXPECT_EQ(fillEntry(6, box).band, Band::Hot);
  for (int box : {2, 5, 8, 11, 14}) EXPECT_EQ(fillEntry(6, box).band, Band::Cold);
}

using Boxes = std::array<QString, kBoxCount>;

TEST(PermFill, ShortAndLongBandLists) {
  struct Case {
    const char* name;
    int mode;
    Bands bands;
    Boxes expected;
  };
  const std::vector<Case> cases = {
      {"mode 1, four hot rows", 1, {band(5, 1), band(20, 10), band(4, 40)},
       {"43", "42", "41", "40", "", "", "", "", "", "", "", "", "", "", ""}},
      {"mode 1, no bands at all", 1, {}, {}},
      {"mode 2, long warm list", 2, {band(5, 1), band(20, 10), band(4, 40)},
       {"29", "28", "27", "26", "25", "24", "23", "22", "21", "20", "19", "18", "17", "16", "15"}},
      {"mode 3, five hot and ten warm", 3, {band(5, 1), band(12, 10), band(6, 40)},
       {"45", "21", "20", "44", "19", "18", "43", "17", "16", "42", "15", "14", "41", "13", "12"}},
      {"mode 4, three hot and eight warm", 4, {band(5, 1), band(8, 10), band(3, 40)},
       {"42", "17", "41", "16", "40", "15", "", "14", "", "13", "", "12", "", "11", ""}},
      {"mode 5, ten hot and two warm", 5, {{}, band(2, 10), band(10, 40)},
       {"11", "49", "48", "10", "47", "46", "", "45", "44", "", "43", "42", "", "41", "40"}},
      {"mode 6, five of each", 6, {band(5, 1), band(5, 10), band(5, 40)},
       {"44", "14", "05", "43", "13", "04", "42", "12", "03", "41", "11", "02", "40", "10", "01"}},
      {"mode 6, two cold rows", 6, {band(2, 1), band(5, 10), band(5, 40)},
       {"44", "14", "02", "43", "13", "01", "42", "12", "", "41", "11", "", "40", "10", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(fill(c.mode, c.bands), c.expected);
  }
}

TEST(PermFill, OutOfRangeModeOrBoxGivesNothing) {
  const Bands bands{band(5, 1), band(5, 10), band(5, 40)};
  for (auto [mode, box] : std::initializer_list<std::pair<int, int>>{{0, 0}, {7, 0}, {1, -1}, {1, 15}})
    EXPECT_EQ(fillBall(bands, fillEntry(mode, box)), QString()) << mode << " " << box;
}

TEST(PermFill, BallIsTheTextAfterTheCountOfTheRowFromTheEnd) {
  const QStringList rows{"003 12", "007 7", "012 07", "1015 45"};
  EXPECT_EQ(ballFromEnd(rows, 1), QStringLiteral("45"));
  EXPECT_EQ(ballFromEnd(rows, 2), QStringLiteral("07"));
  EXPECT_EQ(ballFromEnd(rows, 3), QStringLiteral("7"));
  EXPECT_EQ(ballFromEnd(rows, 4), QStringLiteral("12"));
  EXPECT_EQ(ballFromEnd(rows, 5), QString());
  EXPECT_EQ(ballFromEnd(rows, 0), QString());
  EXPECT_EQ(ballFromEnd({}, 1), QString());
  EXPECT_EQ(ballFromEnd({"012"}, 1), QString());
}

TEST(PermFill, ModeChoiceReadsTheFirstTwoCharacters) {
  using Kind = ModeChoice::Kind;
  for (int k = 0; k < 6; ++k) {
    const ModeChoice choice = modeOfRow(QString(kFillModeRows[k]));
    EXPECT_EQ(choice.kind, Kind::Fill) << k;
    EXPECT_EQ(choice.mode, k + 1);
  }
  struct Case { QString row; Kind kind; int mode; };
  const std::vector<Case> cases = {
      {QString(kFillModeRows[6]), Kind::None, 0},
      {"", Kind::None, 0},
      {"3:", Kind::Fill, 3},
      {"6:anything", Kind::Fill, 6},
      {"3", Kind::None, 0},
      {"3 : Hot", Kind::None, 0},
      {"10: x", Kind::None, 0},
      {"0: x", Kind::None, 0},
      {"Use most common by numerical order (Statistic Order findings)", Kind::StatisticOrder, 0},
      {"use most common by numerical order (Statistic Order findings)", Kind::None, 0},
      {"Use most common by numerical order (Statistic Order findings) ", Kind::None, 0},
  };
  for (const auto& c : cases) {
    const ModeChoice choice = modeOfRow(c.row);
    EXPECT_EQ(choice.kind, c.kind) << c.row.toStdString();
    EXPECT_EQ(choice.mode, c.mode) << c.row.toStdString();
  }
}

}  // namespace
}  // namespace vtn::perm
