// The number and text rules: Val, number texts, half-even rounding, count-ball rows.
#include <gtest/gtest.h>

#include <QLocale>

#include "common/numbers.h"
#include "controls/list_box.h"

namespace {

TEST(Numbers, ValReadsTheLeadingNumberOnly) {
  const struct { const char* text; double value; } cases[] = {
      {" 12ab", 12}, {"007", 7},     {"00", 0},       {"abc", 0},     {"1.5", 1.5},
      {"", 0},       {"012 07", 12}, {"-3.25x", -3.25}, {"\t+8", 8},  {".5", 0.5},
      {"-", 0},      {".", 0},       {"+.", 0},       {"  ", 0},      {"1.2.3", 1.2},
      {"x12", 0},    {"\xd9\xa1\xd9\xa2", 0},  // Arabic-Indic digits are no number
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(vtn::Val(QString::fromUtf8(c.text)), c.value) << c.text;
  EXPECT_NO_THROW(vtn::Val(QString(400, QLatin1Char('9'))));
  EXPECT_NO_THROW(vtn::Val(QString(QChar(0))));
}

TEST(Numbers, NumberTextHasFifteenDigitsAndAlwaysAPoint) {
  const QLocale saved;
  for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
    QLocale::setDefault(locale);
    EXPECT_EQ(vtn::NumberText(1000.0 / 12), "83.3333333333333");
    EXPECT_EQ(vtn::NumberText(500.0 / 8), "62.5");
    EXPECT_EQ(vtn::NumberText(2000.0 / 1), "2000");
    EXPECT_EQ(vtn::NumberText(500.0 / 7), "71.4285714285714");
    EXPECT_EQ(vtn::NumberText(500.0 / 7).left(5), "71.42");
    EXPECT_EQ(vtn::NumberText(0.0), "0");
    EXPECT_EQ(vtn::NumberText(-2.5), "-2.5");
    EXPECT_DOUBLE_EQ(vtn::Val("62.5"), 62.5);
  }
  QLocale::setDefault(saved);
}

TEST(Numbers, RoundHalfEvenTakesHalvesToTheEvenNeighbour) {
  const struct { double value; long long rounded; } cases[] = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2},
      {1.4999, 1}, {1.5001, 2}, {-0.4, 0}, {12.0, 12}, {0.0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(vtn::RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(Numbers, CountBallRowsReadBackAndSortByCount) {
  const struct { int count, ball; bool twoDigit; const char* row; } cases[] = {
      {12, 7, true, "012 07"}, {12, 7, false, "012 7"}, {0, 49, true, "000 49"}, {305, 1, false, "305 1"},
      {1000, 15, false, "1000 15"}, {4138, 9, false, "4138 9"}, {32767, 9, true, "32767 09"},
  };
  for (const auto& c : cases) {
    const QString row = vtn::CountBallRow(c.count, c.ball, c.twoDigit);
    EXPECT_EQ(row, c.row);
    EXPECT_EQ(vtn::CountOfRow(row), c.count);
    EXPECT_EQ(vtn::BallOfRow(row), c.twoDigit ? vtn::BallText(c.ball) : QString::number(c.ball));
  }
  vtn::ListBox list(true);
  for (int ball : {1, 2, 3, 4}) list.AddItem(vtn::CountBallRow(QList<int>{100, 9, 12, 9}[ball - 1], ball, true));
  EXPECT_EQ(list.Rows(), QStringList({"009 02", "009 04", "012 03", "100 01"}));

  // Counts of 1000 and more sort after 999 in a count-ball list; below that, plain text order.
  vtn::ListBox counted(true);
  counted.setCountBallOrder(true);
  for (const char* row : {"1000 15", "999 18", "012 7", "10000 1", "012 12", "1000 9"}) counted.AddItem(QString::fromLatin1(row));
  EXPECT_EQ(counted.Rows(), QStringList({"012 12", "012 7", "999 18", "1000 15", "1000 9", "10000 1"}));
  EXPECT_EQ(vtn::BallOfRow(QStringLiteral("012")), QString());
}

}  // namespace
