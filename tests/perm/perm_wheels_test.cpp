// Wheel tables and line building.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "perm/perm_catalogue.h"
#include "perm/perm_wheels.h"

namespace vtn::perm {
namespace {

using Positions = std::vector<int>;

Positions toVector(std::span<const std::uint8_t> line) { return Positions(line.begin(), line.end()); }

// Every k-subset of 1..n, in lexicographic order.
std::vector<Positions> subsets(int n, int k) {
  std::vector<Positions> result;
  Positions current;
  auto recurse = [&](auto&& self, int next) -> void {
    if (static_cast<int>(current.size()) == k) {
      result.push_back(current);
      return;
    }
    for (int p = next; p <= n; ++p) {
      current.push_back(p);
      self(self, p + 1);
      current.pop_back();
    }
  };
  recurse(recurse, 1);
  return result;
}

int shared(const Positions& a, std::span<const std::uint8_t> line) {
  return static_cast<int>(std::count_if(a.begin(), a.end(), [&](int p) {
    return std::find(line.begin(), line.end(), p) != line.end();
  }));
}

struct WheelExpectation {
  Wheel wheel;
  const char* procedure;
  int pool;
  int perLine;
  int lines;
  bool guaranteeYou;
  Positions firstLine;
  Positions lastLine;
};

const std::vector<WheelExpectation> kExpected = {
    {Wheel::Perm_P6_W3_G3_L4, "Perm_P6_W3_G3_L4", 6, 5, 4, false, {1, 2, 3, 4, 5}, {1, 2, 4, 5, 6}},
    {Wheel::Perm_P7_W3_G3_L5, "Perm_P7_W3_G3_L5", 7, 5, 5, false, {1, 2, 3, 4, 5}, {2, 3, 5, 6, 7}},
    {Wheel::Perm_P8_W3_G3_L8, "Perm_P8_W3_G3_L8", 8, 5, 8, false, {1, 2, 3, 4, 5}, {4, 5, 6, 7, 8}},
    {Wheel::Perm_P19_W3_G3_L19, "Perm_P19_W3_G3_L19", 9, 5, 19, false, {1, 2, 3, 4, 5}, {5, 6, 7, 8, 9}},
    {Wheel::Perm_P9_W3_G3_L7, "Perm_P9_W3_G3_L7", 9, 6, 7, true, {1, 2, 3, 4, 5, 6}, {3, 5, 6, 7, 8, 9}},
    {Wheel::Perm_10_W3_G3_L10, "Perm_10_W3_G3_L10", 10, 6, 10, true, {1, 2, 3, 4, 5, 6}, {5, 6, 7, 8, 9, 10}},
    {Wheel::Perm_P12_W3_G3_L15, "Perm_P12_W3_G3_L15", 12, 6, 15, true, {1, 2, 3, 4, 5, 6}, {5, 6, 7, 8, 9, 10}},
    {Wheel::Perm_P14_W3_G3_L25, "Perm_P14_W3_G3_L25", 14, 6, 25, false, {1, 3, 10, 11, 13, 14}, {4, 5, 8, 10, 11, 13}},
    {Wheel::Perm_P15_W3_G3_L31, "Perm_P15_W3_G3_L31", 15, 6, 31, false, {3, 4, 5, 6, 7, 8}, {5, 11, 12, 13, 14, 15}},
    {Wheel::Perm_P14_W4_G5_L40, "Perm_P14_W4_G5_L40", 14, 6, 40, false, {1, 2, 3, 4, 5, 6}, {9, 10, 11, 12, 13, 14}},
};

TEST(PermWheels, ShapeNamesAndPlanTextsMatchTheTable) {
  ASSERT_EQ(wheelTables().size(), kExpected.size());
  for (const auto& e : kExpected) {
    const WheelTable& w = wheelTable(e.wheel);
    SCOPED_TRACE(e.procedure);
    EXPECT_EQ(w.id, e.wheel);
    EXPECT_EQ(QString(w.procedure), QLatin1String(e.procedure));
    EXPECT_EQ(w.pool, e.pool);
    EXPECT_EQ(w.numbersPerLine, e.perLine);
    EXPECT_EQ(w.lineCount(), e.lines);
    EXPECT_EQ(w.fullLineLength(), e.perLine == 5 ? 14 : 17);
    EXPECT_EQ(toVector(w.line(0)), e.firstLine);
    EXPECT_EQ(toVector(w.line(w.lineCount() - 1)), e.lastLine);

    const QString plan(w.planText);
    const QString pool = QString::number(e.pool);
    EXPECT_TRUE(plan.startsWith(QStringLiteral("From ") + pool + QStringLiteral(" numbers this Plan will guarantee ")));
    EXPECT_EQ(plan.contains(QStringLiteral("guarantee you a winning")), e.guaranteeYou);
    EXPECT_TRUE(plan.endsWith(QStringLiteral("anywhere in your ") + pool + QStringLiteral(". It takes ") +
                              QString::number(e.lines) + QStringLiteral(" lines")));
  }
}

TEST(PermWheels, LinesAscendAreDistinctAndCoverThePool) {
  for (const WheelTable& w : wheelTables()) {
    SCOPED_TRACE(QString(w.procedure).toStdString());
    std::set<Positions> seen;
    std::set<int> used;
    for (int i = 0; i < w.lineCount(); ++i) {
      const Positions line = toVector(w.line(i));
      EXPECT_TRUE(std::is_sorted(line.begin(), line.end()) &&
                  std::adjacent_find(line.begin(), line.end()) == line.end())
          << "line " << i << " does not ascend";
      EXPECT_TRUE(seen.insert(line).second) << "line " << i << " repeats an earlier line";
      for (int p : line) {
        EXPECT_GE(p, 1);
        EXPECT_LE(p, w.pool);
        used.insert(p);
      }
    }
    EXPECT_EQ(static_cast<int>(used.size()), w.pool);
  }
}

TEST(PermWheels, ThreeNumberWheelsCoverEveryThreePositions) {
  for (const WheelTable& w : wheelTables()) {
    if (w.id == Wheel::Perm_P14_W4_G5_L40) continue;
    SCOPED_TRACE(QString(w.procedure).toStdString());
    for (const Positions& three : subsets(w.pool, 3)) {
      bool covered = false;
      for (int i = 0; i < w.lineCount() && !covered; ++i) covered = shared(three, w.line(i)) == 3;
      EXPECT_TRUE(covered) << three[0] << " " << three[1] << " " << three[2] << " share no line";
    }
  }
}

// The four-number wheel is used as published; it misses exactly these eight five-sets.
TEST(PermWheels, FourNumberWheelMissesExactlyTheKnownFiveSets) {
  const WheelTable& w = wheelTable(Wheel::Perm_P14_W4_G5_L40);
  std::set<Positions> failing;
  for (const Positions& five : subsets(14, 5)) {
    bool fourShared = false;
    for (int i = 0; i < w.lineCount() && !fourShared; ++i) fourShared = shared(five, w.line(i)) >= 4;
    if (!fourShared) failing.insert(five);
  }
  std::set<Positions> expected;
  for (Positions base : {Positions{4, 6, 7, 8}, Positions{4, 6, 9, 11}}) {
    for (int extra : {10, 12, 13, 14}) {
      Positions five = base;
      five.push_back(extra);
      std::sort(five.begin(), five.end());
      expected.insert(five);
    }
  }
  EXPECT_EQ(failing, expected);
}

TEST(PermWheels, CatalogueRowsRunWheelsOfTheirOwnPool) {
  for (Lottery lottery : {Lottery::SixNumber, Lottery::FiveNumber}) {
    for (const CatalogueRow& row : catalogue(lottery)) {
      const WheelTable& w = wheelTable(row.wheel);
      SCOPED_TRACE(QString(row.rowText).toStdString());
      EXPECT_EQ(row.pool, w.pool);
      EXPECT_EQ(w.numbersPerLine, lottery == Lottery::SixNumber ? 6 : 5);
      EXPECT_EQ(QString(row.prompt), QStringLiteral("Choose %1 different numbers").arg(row.pool));
      EXPECT_TRUE(QString(row.guarantee).endsWith(QStringLiteral("It takes %1 lines").arg(w.lineCount())));
    }
  }
}

struct LineCase {
  const char* name;
  std::vector<std::uint8_t> positions;
  QStringList args;
  QString expected;
};

TEST(PermWheels, BuildLineJoinsArgumentsWithoutPadding) {
  const QStringList five{"03", "07", "12", "25", "40"};
  const std::vector<LineCase> cases = {
      {"two-digit texts", {1, 2, 3, 4, 5}, five, "03 07 12 25 40"},
      {"positions pick arguments", {2, 4, 5}, five, "07 25 40"},
      {"one-digit text kept as is", {1, 2}, {"3", "07"}, "3 07"},
      {"empty argument in the middle", {1, 2, 3, 4, 5}, {"03", "", "12", "25", "40"}, "03  12 25 40"},
      {"empty first argument", {1, 2, 3}, {"", "07", "12"}, " 07 12"},
      {"missing last argument", {1, 2, 3}, {"03", "07"}, "03 07 "},
      {"no arguments", {1, 2}, {}, " "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(buildPermLine(c.positions, c.args), c.expected);
  }
}

TEST(PermWheels, WheelLinesFollowTableOrderAndShortenWithAnEmptyArgument) {
  QStringList args;
  for (int n : {3, 5, 8, 9, 12, 17, 21, 30, 44}) args << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
  QStringList lines = buildWheelLines(Wheel::Perm_P9_W3_G3_L7, args);
  ASSERT_EQ(lines.size(), 7);
  EXPECT_EQ(lines.first(), QStringLiteral("03 05 08 09 12 17"));
  EXPECT_EQ(lines[4], QStringLiteral("03 05 17 21 30 44"));
  EXPECT_EQ(lines.last(), QStringLiteral("08 12 17 21 30 44"));
  for (const QString& line : lines) EXPECT_EQ(line.size(), 17);

  // Position 9 left empty: every line that uses it is one number short, the others whole.
  args[8].clear();
  lines = buildWheelLines(Wheel::Perm_P9_W3_G3_L7, args);
  ASSERT_EQ(lines.size(), 7);
  EXPECT_EQ(lines[3], QStringLiteral("03 05 08 09 12 "));
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const QString& l) { return l.size() < 17; }), 4);
}

}  // namespace
}  // namespace vtn::perm
