// Win check, tally text, generation helpers and the perm report.
#include <gtest/gtest.h>

#include <vector>

#include "perm/perm_catalogue.h"
#include "perm/perm_check.h"
#include "perm/perm_generate.h"
#include "perm/perm_report.h"

namespace vtn::perm {
namespace {

using BoxValues = std::array<double, kCheckBoxCount>;

TEST(PermCheck, FieldsAtFixedColumnsEvenOnShortLines) {
  using Values = std::array<double, 6>;
  EXPECT_EQ(lineValues(QStringLiteral("01 05 12 20 33 41")), (Values{1, 5, 12, 20, 33, 41}));
  // A five-number line, a line with an empty place and an empty line read as zeros past the end.
  EXPECT_EQ(lineValues(QStringLiteral("01 05 12 20 33")), (Values{1, 5, 12, 20, 33, 0}));
  EXPECT_EQ(lineValues(QStringLiteral("01 05 12 20 33 ")), (Values{1, 5, 12, 20, 33, 0}));
  EXPECT_EQ(lineValues(QStringLiteral("01    12 20 33 41")), (Values{1, 0, 12, 20, 33, 41}));
  // Pieces of shifted numbers are no numbers.
  EXPECT_EQ(lineValues(QStringLiteral("01 05 12 20 33 4")), (Values{1, 5, 12, 20, 33, 0}));
  EXPECT_EQ(lineValues(QStringLiteral("01  12 20 33 41")), (Values{1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(lineValues(QString()), (Values{}));
  EXPECT_EQ(lineFields(QStringLiteral("01 05"))[5], QString());
}

TEST(PermCheck, MatchCount) {
  struct Case {
    const char* name;
    QString line;
    BoxValues boxes;
    int matches;
  };
  const std::vector<Case> cases = {
      {"three of six", "01 05 12 20 33 41", {5, 12, 20, 0, 0, 0}, 3},
      {"all six", "01 05 12 20 33 41", {1, 5, 12, 20, 33, 41}, 6},
      {"none", "01 05 12 20 33 41", {2, 3, 4, 6, 7, 8}, 0},
      {"box 7 matches field 07", "07 08 09 10 11 12", {7, 0, 0, 0, 0, 0}, 1},
      {"zero boxes match nothing", "01 05 12 20 33 41", {0, 0, 0, 0, 0, 0}, 0},
      {"two equal boxes both match", "01 05 12 20 33 41", {12, 12, 0, 0, 0, 0}, 2},
      {"boxes order does not matter", "01 05 12 20 33 41", {0, 41, 0, 5, 0, 33}, 3},
      {"blank field matches no zero box", "01    12 20 33 41", {0, 0, 0, 0, 0, 12}, 1},
      {"line missing its last number", "01 05 12 20 33 ", {1, 5, 12, 20, 33, 41}, 5},
      {"missing fields match nothing", "01 05", {1, 5, 0, 0, 0, 0}, 2},
      {"empty line", "", {1, 5, 12, 20, 33, 41}, 0},
      {"shifted piece is not counted again", "01  12 20 33 41", {1, 0, 0, 0, 0, 0}, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(matchCount(c.line, c.boxes), c.matches) << c.name;
}

TEST(PermCheck, TallyTextsAndMessages) {
  EXPECT_EQ(initialTallyText(),
            QStringLiteral("6 ball matchs = : 0\r\n5 ball matchs = : 0\r\n4 ball matchs = : 0\r\n"
                           "3 ball matchs = : 0\r\n2 ball matchs = : 0\r\n"));

  Tally tally;
  for (int matches : {0, 1, 2, 2, 3, 6, 3, 3, 7, -1}) tally.add(matches);
  EXPECT_EQ(tallyText(tally),
            QStringLiteral("6 ball matchs = : 1\r\n5 ball matchs = : 0\r\n4 ball matchs = : 0\r\n"
                           "3 ball matchs = : 3\r\n2 ball matchs = : 2"));
  EXPECT_EQ(tally.wins(), 4);

  struct Case {
    Tally tally;
    QStringList messages;
  };
  const std::vector<Case> cases = {
      {{}, {"Sorry no wins"}},
      {{0, 0, 0, 0, 5}, {"Sorry no wins"}},  // two matches do not win
      {{0, 0, 0, 1, 0}, {}},
      {{1, 0, 0, 0, 0}, {"You have won the lottery!"}},
      {{2, 0, 0, 0, 0}, {}},  // only exactly one full match is announced
  };
  for (const auto& c : cases) EXPECT_EQ(checkMessages(c.tally), c.messages);
}

TEST(PermGenerate, PaddingCollectingAndLineCheck) {
  struct Pad { QString in, out; };
  for (const Pad& p : std::vector<Pad>{{"7", "07"}, {"0", "00"}, {"07", "07"}, {"", ""}, {"123", "123"}})
    EXPECT_EQ(padSingleDigit(p.in), p.out) << p.in.toStdString();

  EXPECT_EQ(distinctNumbers({"30", "12", "05", "00", "", "0", "12", "44", "05", "7"}),
            (QStringList{"05", "12", "30", "44", "7"}));
  EXPECT_EQ(distinctNumbers({}), QStringList());

  const QStringList quick = quickListRows();
  ASSERT_EQ(quick.size(), 99);
  EXPECT_EQ(quick.first(), QStringLiteral("01"));
  EXPECT_EQ(quick[9], QStringLiteral("10"));
  EXPECT_EQ(quick.last(), QStringLiteral("99"));

  const QStringList lines{"01 02 03 04 05 06", "01 02 03 04 05 ", "01 02 03 04 05"};
  EXPECT_EQ(firstShortLine(lines, 17), 1);
  EXPECT_EQ(firstShortLine(lines, 14), -1);
  EXPECT_EQ(firstShortLine({}, 17), -1);
}

QStringList reportLines(const QString& report) {
  EXPECT_TRUE(report.endsWith(QStringLiteral("\r\n")));
  QStringList lines = report.split(QStringLiteral("\r\n"));
  lines.removeLast();  // after the final CRLF
  return lines;
}

TEST(PermReport, SevenLines) {
  const QString rule(131, QLatin1Char('_'));
  QStringList perm;
  for (int i = 1; i <= 7; ++i) perm << QStringLiteral("0%1 10 20 30 40 4%1").arg(i);
  const QStringList lines = reportLines(permReport(perm, QStringLiteral("the hint"), QStringLiteral("01/02/2024")));
  ASSERT_EQ(lines.size(), 21);
  EXPECT_EQ(lines[0], QStringLiteral("Veltrane: Perm Report: Printed on 01/02/2024"));
  EXPECT_EQ(lines[1], QString());
  EXPECT_EQ(lines[2], rule);
  EXPECT_EQ(lines.mid(3, 7), perm);
  EXPECT_EQ(lines[10], rule);
  EXPECT_EQ(lines[12], QStringLiteral("The above list shows the least number of ball combinations to guarantee a win "
                                      "from your selected numbers, this takes 7 lines"));
  EXPECT_EQ(lines[14], QStringLiteral("Your selection = the hint"));
  EXPECT_EQ(lines[16], rule);
  EXPECT_EQ(lines.mid(17, 3), (QStringList{"", "", ""}));
  EXPECT_EQ(lines[20], QStringLiteral("Printed by Veltrane 01/02/2024"));
}

TEST(PermReport, EmptyPermAndEmptyHint) {
  const QString rule(131, QLatin1Char('_'));
  const QStringList lines = reportLines(permReport({}, QString(), QStringLiteral("d")));
  ASSERT_EQ(lines.size(), 14);
  EXPECT_EQ(lines[2], rule);
  EXPECT_EQ(lines[3], rule);
  EXPECT_TRUE(lines[5].endsWith(QStringLiteral("this takes 0 lines")));
  EXPECT_EQ(lines[7], QStringLiteral("Your selection = "));
}

TEST(PermReport, HintWithALineBreakShiftsLaterLines) {
  const QStringList lines =
      reportLines(permReport({"01 02 03 04 05 06"}, QString(text::kHotHint), QStringLiteral("d")));
  ASSERT_EQ(lines.size(), 16);
  EXPECT_EQ(lines[8], QStringLiteral("Your selection = Lists all hot numbers (Most common numbers)"));
  EXPECT_EQ(lines[9], QStringLiteral("Numbers are marked blue if they are used in the perm"));
  EXPECT_EQ(lines[11], QString(131, QLatin1Char('_')));
  EXPECT_EQ(lines[15], QStringLiteral("Printed by Veltrane d"));
}

TEST(PermTexts, CatalogueAndHintLine) {
  ASSERT_EQ(catalogue(Lottery::SixNumber).size(), 6u);
  ASSERT_EQ(catalogue(Lottery::FiveNumber).size(), 4u);
  EXPECT_EQ(catalogueRow(Lottery::SixNumber, 5)->wheel, Wheel::Perm_P14_W4_G5_L40);
  EXPECT_EQ(catalogueRow(Lottery::FiveNumber, 3)->wheel, Wheel::Perm_P19_W3_G3_L19);
  EXPECT_EQ(catalogueRow(Lottery::FiveNumber, 4), nullptr);
  EXPECT_EQ(catalogueRow(Lottery::SixNumber, -1), nullptr);

  const QString hint = text::initialHint();
  EXPECT_EQ(hint.size(), 112 + text::kTip.size());
  EXPECT_EQ(hint.indexOf(QLatin1String("Tip: ")), 112);
  EXPECT_EQ(hint.left(112).trimmed(), QString());
}

}  // namespace
}  // namespace vtn::perm
