// The rules of the sorted-draws window and the prediction report: rows, filters, counts,
// sentences, entry lines and the report's frequency table.
#include <gtest/gtest.h>

#include "common/numbers.h"
#include "sorted/sorted_texts.h"
#include "support/fixtures.h"

namespace vtn::sorted {
namespace {

// Count rows in the order a sorted count-ball list keeps them.
QStringList countRows(std::initializer_list<std::pair<int, int>> countsAndBalls) {
  QStringList rows;
  for (auto [count, ball] : countsAndBalls) rows << CountBallRow(count, ball, true);
  std::sort(rows.begin(), rows.end());
  return rows;
}

// Balls 1..n, ball k drawn k times, so the most common is the highest.
QStringList ascendingRows(int n) {
  QStringList rows;
  for (int k = 1; k <= n; ++k) rows << CountBallRow(k, k, true);
  return rows;
}

TEST(SortedTexts, DrawRowShowsDayFirstDateAndBonusOrZeroes) {
  struct Case {
    QString bonus, date;
    bool monthFirst;
    QString row;
  };
  for (const Case& c : {Case{"12", "31/12/00", false, "01 02 03 04 05 06  BB=12 (31/12/00)  (Sa)"},
                        Case{"00", "12/31/00", true, "01 02 03 04 05 06  BB=00 (31/12/00)  (Sa)"},
                        Case{"", "05/06/07", false, "01 02 03 04 05 06  BB=00 (05/06/07)  (Sa)"},
                        Case{"0", "05/06/07", true, "01 02 03 04 05 06  BB=00 (06/05/07)  (Sa)"}}) {
    DrawRecord d = test::Draw(1, {1, 2, 3, 4, 5, 6}, 0, c.date, QStringLiteral("Sa"));
    d.Bonus = c.bonus;
    const QString row = SortedDrawRow(d, DayFirstDate(c.date, c.monthFirst));
    EXPECT_EQ(row, c.row);
    EXPECT_EQ(row.size(), 41);
  }
}

TEST(SortedTexts, FiltersCompareExactlyOnTheDayFirstDate) {
  struct Case {
    Filters f;
    QString date, day;
    bool kept;
  };
  const QString date = QStringLiteral("31/12/00");
  for (const Case& c : {
           Case{{"00", "12", "31", "All Days"}, date, "Sa", true},
           Case{{"99", "All", "All", "All Days"}, date, "Sa", false},
           Case{{"All", "11", "All", "All Days"}, date, "Sa", false},
           Case{{"All", "All", "30", "All Days"}, date, "Sa", false},
           Case{{"All", "All", "All", "Saturday"}, date, "Sa", true},
           Case{{"All", "All", "All", "Saturday"}, date, "sa", false},
           Case{{"All", "All", "All", "Sunday"}, date, "Sa", false},
           Case{{"0", "All", "All", "All Days"}, date, "Sa", false},  // the whole year text must match
       }) {
    EXPECT_EQ(MatchesFilters(c.date, c.day, c.f), c.kept)
        << c.f.year.toStdString() << " " << c.f.month.toStdString() << " " << c.f.day.toStdString() << " "
        << c.f.weekday.toStdString() << " " << c.day.toStdString();
  }
}

TEST(SortedTexts, CountsKeepThreeDigitsAndGrowPastThem) {
  struct Case {
    int count;
    QString line, row;
  };
  for (const Case& c : {Case{9, "7 Has appeared 009 Times\r\n", "009 07"}, Case{10, "7 Has appeared 010 Times\r\n", "010 07"},
                        Case{99, "7 Has appeared 099 Times\r\n", "099 07"}, Case{100, "7 Has appeared 100 Times\r\n", "100 07"},
                        Case{1234, "7 Has appeared 1234 Times\r\n", "1234 07"}}) {
    EXPECT_EQ(BallLine(7, c.count), c.line);
    EXPECT_EQ(CountBallRow(c.count, 7, true), c.row);
  }
  for (const char* notABall : {"", "ab", "0", "00", "100", "7.5"}) EXPECT_EQ(BallNumber(QString::fromLatin1(notABall)), 0) << notABall;
  EXPECT_EQ(BallNumber(QStringLiteral("07")), 7);
}

TEST(SortedTexts, OrdinalSuffixes) {
  struct Case {
    QString text, day, month;
  };
  for (const Case& c : {Case{"01", "st", "st"}, Case{"02", "nd", "nd"}, Case{"03", "rd", "rd"}, Case{"04", "th", "th"},
                        Case{"11", "th", "th"}, Case{"12", "th", "th"}, Case{"21", "st", "th"}, Case{"22", "nd", "th"},
                        Case{"23", "rd", "th"}, Case{"31", "st", "th"}, Case{"All", "th", "th"}}) {
    EXPECT_EQ(DaySuffix(c.text), c.day) << c.text.toStdString();
    EXPECT_EQ(MonthSuffix(c.text), c.month) << c.text.toStdString();
  }
}

TEST(SortedTexts, TheFourSentenceForms) {
  const QStringList rows = ascendingRows(18);
  const QString most = QStringLiteral("( 18  17  16  15  14  13)");
  const QString next = QStringLiteral("( 12  11  10  09  08  07)");
  const QString least = QStringLiteral("( 01  02  03  04  05  06)");
  struct Case {
    QString day, month, text;
  };
  for (const Case& c : {
           Case{"All", "All",
                "The 6 most common balls to be drawn are " + most + "\r\n\r\nFollowed by " + next +
                    "\r\n\r\nThe 6 least common balls to be drawn are " + least},
           Case{"02", "All",
                "Highest drawn numbers for the 02nd day of the month are " + most + "\r\n\r\n Followed by " + next +
                    "\r\n\r\nLowest drawn numbers for the 02nd day of the month are " + least + "\r\n"},
           Case{"All", "03",
                "Highest drawn numbers for the 03rd month are " + most + "\r\n\r\nFollowed by " + next +
                    "\r\n\r\nLowest drawn numbers for the 03rd month are " + least + "\r\n"},
           Case{"21", "11",
                "Highest drawn numbers for the 21st day of the 11th month are " + most + "\r\nNext 6 most common " +
                    next + "\r\n\r\nLowest drawn numbers for the 21st day of the 11th month are " + least + "\r\n\r\n"},
       }) {
    EXPECT_EQ(CommonSentences(rows, c.day, c.month), c.text) << c.day.toStdString() << "/" << c.month.toStdString();
  }
}

TEST(SortedTexts, EqualCountsAndMissingBallsInTheSentences) {
  // Balls 7 and 45 share the highest count, 3 and 9 the lowest.
  const QStringList rows = countRows({{5, 7}, {5, 45}, {1, 3}, {1, 9}, {2, 20}});
  const QString text = CommonSentences(rows, QStringLiteral("All"), QStringLiteral("All"));
  EXPECT_TRUE(text.startsWith(QStringLiteral("The 6 most common balls to be drawn are ( 45  07  20  09  03 )")));
  EXPECT_TRUE(text.contains(QStringLiteral("Followed by (     )")));
  EXPECT_TRUE(text.endsWith(QStringLiteral("least common balls to be drawn are ( 03  09  20  07  45 )")));
  EXPECT_EQ(MostToLeastCommon(rows), QStringList({"45", "07", "20", "09", "03"}));
  const QString none = CommonSentences({}, QStringLiteral("All"), QStringLiteral("All"));
  EXPECT_EQ(none, QStringLiteral("The 6 most common balls to be drawn are (     )\r\n\r\nFollowed by (     )\r\n\r\n"
                                 "The 6 least common balls to be drawn are (     )"));
}

TEST(SortedTexts, EntryLines) {
  const QStringList rows = countRows({{9, 23}, {8, 38}, {7, 12}, {6, 44}, {5, 9}, {4, 31}, {3, 14},
                                      {2, 13}, {1, 11}, {1, 7}, {1, 5}, {1, 2}});
  EXPECT_EQ(EntryLine(QStringLiteral("Mth"), QStringLiteral("01"), ReadEntryValues(rows)),
            QStringLiteral(" Mth 01 = 23 38 12 44 09 31\t\tMth 01 = 02 05 07 11 13 14"));
  const QString noBalls(17, QLatin1Char(' '));
  EXPECT_EQ(EntryLine(QStringLiteral("Day"), QStringLiteral("All"), ReadEntryValues({})),
            " Day All = " + noBalls + "\t\tDay All = " + noBalls);
  const QStringList three = countRows({{2, 8}, {1, 4}, {3, 6}});
  const QString threeMissing(9, QLatin1Char(' '));  // three missing balls: a blank and two blanks each
  EXPECT_EQ(EntryLine(QStringLiteral("Day"), QStringLiteral("05"), ReadEntryValues(three)),
            " Day 05 = 06 08 04" + threeMissing + "\t\tDay 05 = 04 08 06" + threeMissing);
}

TEST(SortedTexts, FrequencyTextIsCutToSixCharactersWithTheLocalesSeparator) {
  const QLocale c = QLocale::c();
  EXPECT_EQ(FrequencyText(53, 4, c), QStringLiteral("13.25"));
  EXPECT_EQ(FrequencyText(101, 7, c), QStringLiteral("14.428"));
  EXPECT_EQ(FrequencyText(365, 41, c), QStringLiteral("8.9024"));
  EXPECT_EQ(FrequencyText(10, 0, c), QStringLiteral("NoData"));
  // A comma locale: the comma, and no thousands separator in a quotient past 999.
  const QLocale german(QLocale::German, QLocale::Germany);
  EXPECT_EQ(FrequencyText(101, 7, german), QStringLiteral("14,428"));
  EXPECT_EQ(FrequencyText(32767, 3, german), QStringLiteral("10922,"));
}

QStringList entryLines() {
  QStringList lines;
  for (int i = 0; i < 45; ++i) lines << QStringLiteral("line %1").arg(i);
  return lines;
}

TEST(SortedTexts, PredictionTableForDifferentNumbersOfBalls) {
  struct Case {
    int balls, normal, notAvailable, extra, zeroRows;
  };
  for (const Case& c : {Case{49, 45, 0, 4, 0}, Case{45, 45, 0, 0, 0}, Case{40, 40, 5, 0, 5}, Case{0, 1, 44, 0, 45}}) {
    SCOPED_TRACE(c.balls);
    const PredictionTable t = BuildPredictionTable(entryLines(), ascendingRows(c.balls), 100, QLocale::c());
    const QStringList rows = t.rows.split(kCrLf, Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 45 + c.extra);
    EXPECT_EQ(t.zeroRowsAdded, c.zeroRows);
    int notAvailable = 0;
    for (int r = 0; r < 45; ++r) {
      EXPECT_TRUE(rows[r].endsWith(QStringLiteral("\t\tline %1").arg(r))) << rows[r].toStdString();
      if (rows[r].startsWith(QStringLiteral("N/A\t\tN/A\t\tN/A\t\t"))) ++notAvailable;
    }
    EXPECT_EQ(notAvailable, c.notAvailable);
    for (int x = 45; x < rows.size(); ++x) EXPECT_TRUE(rows[x].endsWith(QStringLiteral("\t\t"))) << rows[x].toStdString();
  }
  // The least common first, without a leading zero on the ball; 101 / 7 cut to six characters.
  const PredictionTable t = BuildPredictionTable(entryLines(), ascendingRows(49), 100, QLocale::c());
  EXPECT_TRUE(t.rows.startsWith(QStringLiteral("1\t\t001\t\t101\t\tline 0\r\n")));
  EXPECT_TRUE(t.rows.contains(QStringLiteral("\r\n7\t\t007\t\t14.428\t\tline 6\r\n")));
  EXPECT_TRUE(t.rows.endsWith(QStringLiteral("49\t\t049\t\t2.0612\t\t\r\n")));
  // No draw: one row from the "00" filler, then N/A rows.
  const PredictionTable empty = BuildPredictionTable(entryLines(), {}, 0, QLocale::c());
  EXPECT_TRUE(empty.rows.startsWith(QStringLiteral("0\t\t00\t\tNoData\t\tline 0\r\nN/A\t\tN/A\t\tN/A\t\tline 1\r\n")));
}

TEST(SortedTexts, PredictionTableTakesTheHigherBallAmongEqualCountsLast) {
  const PredictionTable t = BuildPredictionTable(QStringList{"a", "b", "c"}, countRows({{3, 45}, {3, 7}, {1, 20}}), 9,
                                                 QLocale::c());
  EXPECT_EQ(t.rows, QStringLiteral("20\t\t001\t\t10\t\ta\r\n7\t\t003\t\t3.3333\t\tb\r\n45\t\t003\t\t3.3333\t\tc\r\n"));
  EXPECT_EQ(t.lastCountRow, 2);
}

TEST(SortedTexts, ReportTextHeadNotesAndDate) {
  const ReportHead head{"Reports UK-National-Lottery.dat", "All Days", "All", "99", "19/11/94", "06/06/26"};
  const QLocale c = QLocale::c();
  const QString text = PredictionReportText(head, QStringLiteral("ROW 1\r\nROW 2\r\n"), QDate(2024, 3, 5), c);
  const QStringList lines = text.split(kCrLf);
  ASSERT_EQ(lines.size(), 35);
  EXPECT_EQ(lines[0], head.caption);
  EXPECT_EQ(lines[1], QStringLiteral("Day filter = All Days Year filter = Year All"));
  EXPECT_EQ(lines[2], QStringLiteral("Number of draws used to calculate report = 99"));
  EXPECT_EQ(lines[3], QStringLiteral("Start date = 19/11/94  End date = 06/06/26"));
  EXPECT_EQ(lines[4], QString(107, QLatin1Char('_')));
  EXPECT_EQ(lines.mid(7, 5), QStringList({"", "ROW 1", "ROW 2", "", lines[4]}));  // an empty line after the table
  EXPECT_EQ(lines[15], lines[4]);
  EXPECT_EQ(lines[32], lines[4]);
  EXPECT_EQ(lines[34], QStringLiteral("Print Created ") + c.toString(QDate(2024, 3, 5), QLocale::ShortFormat));
  // Without table rows the empty line stays: two stand between the heading and the rule.
  EXPECT_EQ(PredictionReportText(head, QString(), QDate(2024, 3, 5), c).split(kCrLf).mid(6, 4),
            QStringList({lines[6], "", "", lines[4]}));
}

}  // namespace
}  // namespace vtn::sorted
