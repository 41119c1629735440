// The CSV import that builds the bundled databases, and the bundled databases themselves.
#include <gtest/gtest.h>

#include <QDate>

#include "database/csv_import.h"
#include "database/shared_database.h"
#include "support/recorder.h"

namespace vtn {
namespace {

const QByteArray kHeader = "date,b1,b2,b3,b4,b5,b6,bonus\n";

TEST(CsvImport, SortsTheBallsAndWritesTheProgramsTexts) {
  const QByteArray csv = kHeader + "1994-11-19,30,3,5,44,14,22,10\r\n" "2005-01-02,9,8,7,6,5,4,0\n\n";
  const CsvImport uk = DrawsFromCsv(csv, DateOrder::DayFirst);
  ASSERT_TRUE(uk.ok()) << qPrintable(uk.error);
  ASSERT_EQ(uk.draws.size(), 2u);
  const DrawRecord& first = uk.draws[0];
  EXPECT_EQ(first.Number, 1);
  EXPECT_EQ(first.Balls, (std::array<QString, 6>{"03", "05", "14", "22", "30", "44"}));
  EXPECT_EQ(first.Bonus, QStringLiteral("10"));
  EXPECT_EQ(first.Day, QStringLiteral("Sa"));
  EXPECT_EQ(first.Date, QStringLiteral("19/11/94"));
  EXPECT_EQ(uk.draws[1].Number, 2);
  EXPECT_EQ(uk.draws[1].Bonus, QStringLiteral("00"));
  EXPECT_EQ(uk.draws[1].Day, QStringLiteral("Su"));

  const CsvImport canada = DrawsFromCsv(csv, DateOrder::MonthFirst);
  ASSERT_TRUE(canada.ok());
  EXPECT_EQ(canada.draws[1].Date, QStringLiteral("01/02/05"));
  EXPECT_TRUE(DrawsFromCsv(kHeader, DateOrder::DayFirst).ok()) << "no draws is an empty database";
}

TEST(CsvImport, AnyMalformedLineFailsTheWholeImportNamingTheLine) {
  struct Case {
    QByteArray csv;
    const char* error;
  };
  const QByteArray good = kHeader + "1994-11-19,30,3,5,44,14,22,10\n";
  const Case cases[] = {
      {"", "line 1: the header"},
      {good + "1994-11-26,1,2,3,4,5,6\n", "line 3: expected 8 fields"},
      {good + "26/11/1994,1,2,3,4,5,6,7\n", "line 3: \"26/11/1994\" is not a date"},
      {good + "1994-02-30,1,2,3,4,5,6,7\n", "line 3: \"1994-02-30\" is not a date"},
      {good + "1994-11-19,1,2,3,4,5,6,7\n", "line 3: the date 1994-11-19 does not come after"},
      {good + "1994-11-26,1,2,3,4,0,6,7\n", "line 3: ball 5 (\"0\") is not a number from 1 to 99"},
      {good + "1994-11-26,1,2,100,4,5,6,7\n", "line 3: ball 3 (\"100\") is not"},
      {good + "1994-11-26,1,2,3,4,5,6,-1\n", "line 3: the bonus ball (\"-1\") is not"},
      {good + "1994-11-26,1,2,3,4,5,3,7\n", "line 3: ball 3 is drawn twice"},
      {good + "1994-11-26,1,2,3,4,5,6,6\n", "line 3: the bonus ball 6 is also a main ball"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.csv.constData());
    const CsvImport import = DrawsFromCsv(c.csv, DateOrder::DayFirst);
    EXPECT_TRUE(import.error.startsWith(QLatin1String(c.error))) << qPrintable(import.error);
    EXPECT_TRUE(import.draws.empty());
  }
}

// One draw a day from 1 January 1900, the same balls each time.
QByteArray dailyDraws(int count) {
  QByteArray csv = kHeader;
  for (int k = 0; k < count; ++k)
    csv += QDate(1900, 1, 1).addDays(k).toString(Qt::ISODate).toLatin1() + ",1,2,3,4,5,6,7\n";
  return csv;
}

TEST(CsvImport, TakesAtMost32767Draws) {
  const CsvImport full = DrawsFromCsv(dailyDraws(32767), DateOrder::DayFirst);
  ASSERT_TRUE(full.ok()) << qPrintable(full.error);
  ASSERT_EQ(full.draws.size(), 32767u);
  EXPECT_EQ(full.draws.back().Number, 32767);

  // Draw 32768 stands on line 32769, below the header.
  const CsvImport over = DrawsFromCsv(dailyDraws(32768), DateOrder::DayFirst);
  EXPECT_EQ(over.error.toStdString(), "line 32769: a database holds at most 32767 draws");
  EXPECT_TRUE(over.draws.empty());
}

struct Bundled {
  const char* file;
  int draws;
  std::array<QString, 6> firstBalls;
  const char* firstBonus;
  const char* firstDate;
  DateOrder order;
};

TEST(BundledDatabases, HoldEveryDrawOfTheirHistoryInTheProgramsForm) {
  const Bundled bundled[] = {
      {"UK-National-Lottery.dat", 3178, {"03", "05", "14", "22", "30", "44"}, "10", "19/11/94", DateOrder::DayFirst},
      {"CA-Lotto-649.dat", 4210, {"03", "11", "12", "14", "41", "43"}, "13", "06/12/82", DateOrder::MonthFirst},
  };
  for (const Bundled& b : bundled) {
    SCOPED_TRACE(b.file);
    ASSERT_TRUE(OpenDatabase(QStringLiteral(VTN_BUNDLED_DB_DIR "/") + QLatin1String(b.file)));
    EXPECT_TRUE(test::recorder().messages.empty());
    ASSERT_EQ(DrawCount(), b.draws);
    ASSERT_TRUE(ReadDraw(1));
    EXPECT_EQ(CurrentDraw.Number, 1);
    EXPECT_EQ(CurrentDraw.Balls, b.firstBalls);
    EXPECT_EQ(CurrentDraw.Bonus, QLatin1String(b.firstBonus));
    EXPECT_EQ(CurrentDraw.Date, QLatin1String(b.firstDate));
    EXPECT_EQ(CurrentDraw.Day, QStringLiteral("Sa"));

    // Every draw: its number, ascending balls, and a day code that fits its date.
    const QString dateFormat = b.order == DateOrder::DayFirst ? QStringLiteral("dd/MM/yy") : QStringLiteral("MM/dd/yy");
    for (int k = 1; k <= b.draws; ++k) {
      ASSERT_TRUE(ReadDraw(k));
      ASSERT_EQ(CurrentDraw.Number, k);
      for (int i = 1; i < 6; ++i) ASSERT_LT(CurrentDraw.Balls[i - 1], CurrentDraw.Balls[i]) << "draw " << k;
      QDate date = QDate::fromString(CurrentDraw.Date, dateFormat);
      if (date.year() < 1980) date = date.addYears(100);  // "yy" reads as 19yy; the histories start in 1982
      ASSERT_EQ(CurrentDraw.Day, DayCode(date)) << "draw " << k;
    }
    CloseDatabase();
  }
}

}  // namespace
}  // namespace vtn
