// The statistics window's texts and numbers, checked against worked examples.
#include <gtest/gtest.h>

#include "common/numbers.h"
#include "statistics/statistic_rules.h"

namespace vtn::stats {
namespace {

TEST(StatisticRules, AveragesAreCutToFiveCharactersNotRounded) {
  struct Case { double draws, count; const char* text; };
  const Case cases[] = {{1000, 12, "83.33"}, {1000, 7, "142.8"}, {100, 4, "25"},    {500, 3, "166.6"},
                        {500, 7, "71.42"},   {500, 8, "62.5"},   {2000, 1, "2000"}, {20000, 1, "20000"},
                        {500, 9, "55.55"},   {500, 40, "12.5"},  {500, 0, "0"}};
  for (const Case& c : cases) EXPECT_EQ(AverageText(c.draws, c.count), QString::fromLatin1(c.text)) << c.draws << "/" << c.count;
}

TEST(StatisticRules, ReadOutWordingOfAllSixPositions) {
  Readout r;
  r.ball = 7;
  r.value = 12;
  r.place = 3;
  r.range = 40;
  r.drawsScanned = 1000;
  r.distance = 2;
  r.date = QStringLiteral("12/04/03");
  const char* expected[6] = {
      "7 has appeared as a 1st ball 12 times\r\nPosition : 3 from a range of 40 numbers \r\n"
      "Appears as a 1st ball on average every 83.33 draws \r\n7 last appeared as a 1st ball 2 draws ago on 12/04/03",
      "7 has appeared as a 2nd ball 12 times\r\nPosition : 3 from a range of 40\r\n"
      "Appears as a 2nd ball on average every 83.33 draws \r\n7 last appeared as a 2nd ball 2 draws ago on 12/04/03",
      "7 has appeared as a 3rd ball 12 times\r\nPosition : 3 from a range of 40\r\n"
      "Appears as a 3rd ball on average every 83.33 draws \r\n7 last appeared as a 3rd ball 2 draws ago on 12/04/03",
      "7 has appeared as a 4th ball 12 times\r\nPosition : 3 from a range of 40\r\n"
      "Appears as a 4th ball on average every 83.33 draws\r\n7 last appeared as a 4th ball 2 draws ago on 12/04/03",
      "7 has appeared as the 5th ball 12 times\r\nPosition : 3 from a range of 40\r\n"
      "Appears as a 5th ball on average every 83.33 draws \r\n7 last appeared as the 5th ball 2 draws ago on 12/04/03",
      "7 has appeared as a 6th ball 12 times\r\nPosition : 3 from a range of 40\r\n"
      "Appears as a 6th ball on average every 83.33 draws\r\n7 last appeared as a 6th ball 2 draws ago on 12/04/03"};
  for (int p = 0; p < 6; ++p) EXPECT_EQ(ReadoutText(p, r), QString::fromLatin1(expected[p])) << p;
  r.distance = 0;  // no listed draw holds the ball there
  EXPECT_TRUE(ReadoutText(4, r).endsWith(QStringLiteral("\r\n7 has not appeared as the 5th ball in the listed draws")));
}

TEST(StatisticRules, PositionRowsAreFoundWhateverTheWidthOfTheirCount) {
  const QStringList rows = {QStringLiteral("005 12"), QStringLiteral("050 7"), QStringLiteral("500 7"),
                            QStringLiteral("1000 7"), QStringLiteral("005 1")};
  EXPECT_EQ(FindPositionRow(rows, 5, 12), 0);
  EXPECT_EQ(FindPositionRow(rows, 50, 7), 1);
  EXPECT_EQ(FindPositionRow(rows, 500, 7), 2);
  EXPECT_EQ(FindPositionRow(rows, 1000, 7), 3);
  EXPECT_EQ(FindPositionRow(rows, 5, 1), 4);  // not the row of ball 12
  EXPECT_EQ(FindPositionRow(rows, 6, 12), -1);
  EXPECT_EQ(PositionRow(12, 7), QStringLiteral("012 7"));
}

TEST(StatisticRules, TableRowsOfTheWorkedExampleAndAGapSumPastSixteenBits) {
  EXPECT_EQ(CountTableRow(7, {12, 8, 9, 10, 7, 6}), QStringLiteral("7: =\t12\t8\t9\t10\t7\t6\t52"));
  std::array<QString, 6> gaps;
  const int counts[6] = {12, 8, 9, 10, 7, 6};
  for (int p = 0; p < 6; ++p) gaps[size_t(p)] = AverageText(500, counts[p]);
  EXPECT_EQ(GapTableRow(7, gaps), QStringLiteral("7: =\t41.66\t62.5\t55.55\t50\t71.42\t83.33\t364"));
  // A ball seen in some positions only: 0 in the others, in both tables.
  EXPECT_EQ(GapTableRow(3, {QStringLiteral("20000"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                            QStringLiteral("0"), QStringLiteral("0")}),
            QStringLiteral("3: =\t20000\t0\t0\t0\t0\t0\t20000"));
  // The gap sum rounds halves to the even neighbour.
  const std::pair<const char*, const char*> halves[] = {{"62.5", "\t62"}, {"63.5", "\t64"}, {"0.5", "\t0"}};
  for (const auto& [gap, sum] : halves)
    EXPECT_TRUE(GapTableRow(5, {QString::fromLatin1(gap), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                QStringLiteral("0"), QStringLiteral("0")})
                    .endsWith(QString::fromLatin1(sum)))
        << gap;
  std::array<QString, 6> large;
  large.fill(QStringLiteral("30000"));
  EXPECT_TRUE(GapTableRow(9, large).endsWith(QStringLiteral("\t180000")));
  EXPECT_EQ(CountTableHead()[2], QStringLiteral("Ball\t1st\t2nd\t3rd\t4th\t5th\t6th\tSum"));
}

TEST(StatisticRules, PerNumberReportOfTheWorkedExample) {
  std::array<PositionFacts, 6> facts;
  facts[0] = {40, 2, 30, 3, QStringLiteral("12/04/03")};
  facts[1] = {9, 25, 41, 41, QStringLiteral("14/01/03")};
  const QString report = NumberReportHead(2, 500) + NumberReportBody(500, facts);
  const QString rule(64, QLatin1Char('-'));
  EXPECT_EQ(report, QStringLiteral("VTN Statistic report for number 2 from 500 draws\r\n") + rule +
                        QStringLiteral("\r\n\r\nAppeared as a 1st ball 40 times\r\nAppeared as a 2nd ball 9 times\r\n\r\n"
                                       "1 :Position : 2 from a range of 30\r\n2 :Position : 25 from a range of 41\r\n\r\n"
                                       "Appears as a 1st ball on average every 12.5 draws\r\n"
                                       "Appears as a 2nd ball on average every 55.55 draws\r\n\r\n"
                                       "Last appeared as a 1st ball 3 draws ago on 12/04/03\r\n"
                                       "Last appeared  as a 2nd ball 41 draws ago on 14/01/03\r\n"));
  EXPECT_EQ(NumberReportSummary(2, 49, QStringLiteral("500")),
            QStringLiteral("Statistics for ball 2\r\n") + rule + QStringLiteral("\r\n2 has appeared 49 times in 500 draws as a main ball\r\n"));
  // Never drawn: the rule line and four empty lines.
  EXPECT_EQ(NumberReportBody(500, {}), rule + QStringLiteral("\r\n\r\n\r\n\r\n\r\n"));
}

TEST(StatisticRules, PositionDominantBallsAndTheirHandOverRows) {
  struct Case { std::array<float, 6> counts; int position; };
  const Case cases[] = {{{8, 9, 3, 0, 0, 0}, 1},   // ball 12 of the worked example: 2nd
                        {{0, 0, 6, 6, 0, 0}, -1},  // a tie hands over from neither
                        {{0, 0, 0, 0, 0, 3}, 5},
                        {{0, 0, 0, 0, 0, 0}, -1}};
  for (const Case& c : cases) EXPECT_EQ(DominantPosition(c.counts), c.position);
  EXPECT_EQ(HandOverRow(9, 12), QStringLiteral("009 12"));
  EXPECT_EQ(HandOverRow(7, 5), QStringLiteral("007 05"));
  EXPECT_EQ(HandOverRow(1000, 7), QStringLiteral("1000 07"));
  EXPECT_EQ(HandOverRow(0, 5), QString());
  EXPECT_EQ(HandOverRow(3, 0), QString());
  const QStringList tags = RankingTags({QStringLiteral("001 05"), QStringLiteral("002 44"), QStringLiteral("1000 07")});
  EXPECT_EQ(tags.mid(0, 4), QStringList({QStringLiteral("07"), QStringLiteral("44"), QStringLiteral("05"), QStringLiteral("0")}));
  EXPECT_EQ(tags.size(), 15);
  EXPECT_EQ(tags[14], QStringLiteral("0"));
}

TEST(StatisticRules, DrawRowsAndTheDayFilter) {
  DrawRecord d;
  d.Balls = {QStringLiteral("02"), QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"),
             QStringLiteral("40"), QStringLiteral("99")};
  d.Date = QStringLiteral("01/01/05");
  d.Day = QStringLiteral("Sa");
  d.Bonus = QStringLiteral("07");
  const QString row = ScannedDrawRow(d);
  EXPECT_EQ(row, QStringLiteral("02 10 20 30 40 99 01/01/05 Sa"));
  for (int p = 0; p < 6; ++p) EXPECT_EQ(BallAt(row, kBallColumn[size_t(p)]), Val(d.Balls[size_t(p)]));
  EXPECT_EQ(DateOf(row), QStringLiteral("01/01/05"));
  EXPECT_EQ(DateOf(QStringLiteral("02 10 20 30 40 99 1/1/05 Sa")), QStringLiteral("1/1/05 S"));
  EXPECT_TRUE(PassesDayFilter(QStringLiteral("All Days"), QStringLiteral("We")));
  EXPECT_TRUE(PassesDayFilter(QStringLiteral("Saturday"), QStringLiteral("Sa")));
  EXPECT_FALSE(PassesDayFilter(QStringLiteral("Sunday"), QStringLiteral("Sa")));
}

}  // namespace
}  // namespace vtn::stats
