// The record layout, the damage checks when a database is loaded, and the open database's
// reads and appends.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

#include "common/message.h"
#include "database/database_file.h"
#include "database/shared_database.h"
#include "support/fixtures.h"
#include "support/recorder.h"

namespace vtn {
namespace {

DrawRecord sampleDraw(int n) {
  DrawRecord draw;
  draw.Number = static_cast<qint16>(n);
  for (int b = 0; b < 6; ++b) draw.Balls[b] = QStringLiteral("%1").arg(b * 7 + n % 7 + 1, 2, 10, QLatin1Char('0'));
  draw.Day = QStringLiteral("Sa");
  draw.Bonus = n % 2 ? QStringLiteral("00") : QStringLiteral("45");
  draw.Date = QStringLiteral("19/11/94");
  return draw;
}

QByteArray encoded(const DrawRecord& draw) {
  QByteArray bytes;
  EXPECT_TRUE(EncodeRecord(draw, bytes));
  return bytes;
}

QByteArray sampleDatabase(int draws) {
  QByteArray bytes;
  for (int n = 1; n <= draws; ++n) bytes += encoded(sampleDraw(n));
  return bytes;
}

QString writeFile(const QString& name, const QByteArray& bytes) { return test::WriteScratchFile(name, bytes); }
using test::FileBytes;

class DatabaseTest : public ::testing::Test {
 protected:
  void TearDown() override { CloseDatabase(); }
};

TEST(RecordLayout, IsLittleEndianNumberThenNineLengthPrefixedLatin1Texts) {
  DrawRecord draw = sampleDraw(1);
  draw.Number = -2;
  draw.Balls = {"01", "02", "03", "04", "05", "06"};
  draw.Day = QString::fromLatin1("\xE9t");  // one byte per character, not UTF-8
  draw.Bonus = QString();
  draw.Date = QString(300, QLatin1Char('x'));
  const QByteArray bytes = encoded(draw);
  const QByteArray head("\xFE\xFF" "\x02\x00" "01" "\x02\x00" "02" "\x02\x00" "03" "\x02\x00" "04"
                        "\x02\x00" "05" "\x02\x00" "06" "\x02\x00" "\xE9t" "\x00\x00" "\x2C\x01", 34);
  EXPECT_EQ(bytes.left(head.size()), head);
  EXPECT_EQ(bytes.size(), head.size() + 300);

  DrawRecord back;
  EXPECT_EQ(DecodeRecord(bytes.constData(), bytes.size(), &back).size, bytes.size());
  EXPECT_EQ(back, draw);
  // One byte short: incomplete, and the record handed in stays as it was.
  DrawRecord untouched = sampleDraw(5);
  const DecodedRecord cut = DecodeRecord(bytes.constData(), bytes.size() - 1, &untouched);
  EXPECT_EQ(cut.size, 0);
  EXPECT_EQ(cut.cut, RecordCut::Text);
  EXPECT_EQ(cut.text, 8);
  EXPECT_EQ(untouched, sampleDraw(5));
}

TEST(RecordLayout, DayCodesAndDrawDatesIgnoreTheLocale) {
  const char* const codes[] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
  for (int d = 0; d < 7; ++d) EXPECT_EQ(DayCode(QDate(2024, 1, 1).addDays(d)), QLatin1String(codes[d]));
  EXPECT_EQ(DayCode(QDate()), QString());
  EXPECT_EQ(DrawDateText(QDate(1994, 11, 19), DateOrder::DayFirst), QStringLiteral("19/11/94"));
  EXPECT_EQ(DrawDateText(QDate(1994, 11, 19), DateOrder::MonthFirst), QStringLiteral("11/19/94"));
  EXPECT_EQ(DrawDateText(QDate(2005, 1, 2), DateOrder::DayFirst), QStringLiteral("02/01/05"));
}

struct DamageCase {
  const char* name;
  QByteArray bytes;      // the whole file; null for a missing file
  bool opens;
  int readable;          // draws the index holds
  const char* mentions;  // part of the one message; null for no message
};

// Three good records (44 bytes each) and then the damage, so the bad record starts at byte 133.
std::vector<DamageCase> damageCases() {
  const QByteArray good = sampleDatabase(3);
  const QByteArray fourth = encoded(sampleDraw(4));
  QByteArray pastEnd = good + QByteArray("\x04\x00\xFF\xFF" "07", 6);
  return {
      {"sound", good, true, 3, nullptr},
      {"empty", QByteArray(""), true, 0, nullptr},
      {"truncated number", good + QByteArray(1, '\x04'), true, 3, "byte 133 is incomplete (the file ends inside its draw number)"},
      {"truncated length", good + fourth.left(3), true, 3, "ends inside the length of its ball 1"},
      {"length past end", pastEnd, true, 3, "its ball 1 is 65535 characters long"},
      {"truncated text", good + fourth.chopped(1), true, 3, "its date is 8 characters long"},
      {"one record cut", fourth.left(10), true, 0, "No complete draw comes before it"},
      {"too many records", sampleDatabase(kMaxDraws + 1), true, kMaxDraws, "more than 32767 draws"},
      {"full, then stray bytes", sampleDatabase(kMaxDraws) + QByteArray("\x04\x00\x02", 3), true, kMaxDraws,
       "The 32767 complete draws before it can be read"},
      {"missing file", QByteArray(), false, 0, "cannot be opened"},
  };
}

TEST_F(DatabaseTest, DamagedFilesKeepTheirCompleteRecordsAndAreNeverWritten) {
  for (const DamageCase& c : damageCases()) {
    SCOPED_TRACE(c.name);
    test::recorder().clear();
    const QString name = QStringLiteral("Damage-Case.dat");
    QString path = test::scratchFolder() + QLatin1Char('/') + name;
    QFile::remove(path);
    if (!c.bytes.isNull()) path = writeFile(name, c.bytes);

    EXPECT_EQ(OpenDatabase(path), c.opens);
    EXPECT_EQ(DrawCount(), c.readable);
    ASSERT_EQ(DrawPositionIndex.size(), size_t(c.readable) + 1);
    const bool damaged = c.mentions != nullptr;
    ASSERT_EQ(test::recorder().messages.size(), damaged ? 1u : 0u);
    if (damaged) {
      EXPECT_TRUE(test::recorder().lastText().contains(QStringLiteral("\"Damage-Case.dat\"")));
      EXPECT_TRUE(test::recorder().lastText().contains(QLatin1String(c.mentions))) << qPrintable(test::recorder().lastText());
      EXPECT_EQ(test::recorder().messages.back().title, kProgramTitle);
    }
    if (c.readable > 0) {
      EXPECT_TRUE(ReadDraw(c.readable));
      EXPECT_EQ(CurrentDraw, sampleDraw(c.readable));
      EXPECT_EQ(CurrentDrawNumber, c.readable);
    }
    const DrawRecord before = CurrentDraw;
    EXPECT_FALSE(ReadDraw(c.readable + 1));
    EXPECT_FALSE(ReadDraw(0));
    EXPECT_EQ(CurrentDraw, before);
    EXPECT_EQ(DatabaseIsReadOnly(), damaged);

    // A later save must not write after the damage, nor create a missing file.
    if (damaged) {
      EXPECT_FALSE(AppendDraw(sampleDraw(99)));
      EXPECT_EQ(test::recorder().messages.size(), 2u);
      if (c.opens) {
        EXPECT_EQ(test::recorder().lastText(), QStringLiteral("The database file \"Damage-Case.dat\" is damaged, so the draw "
                                                              "was not saved; the file will not be changed."));
      }
    }
    CloseDatabase();
    EXPECT_EQ(FileBytes(path), c.bytes.isNull() ? QByteArray("<missing>") : c.bytes);
  }
}

TEST_F(DatabaseTest, ANameThatIsNoRegularFileIsRefusedBeforeOpening) {
  // A device reads without end and a pipe waits for a writer: neither may be opened.
  const QString device = test::scratchFolder() + QStringLiteral("/Zero.dat");
  const QString pipe = test::scratchFolder() + QStringLiteral("/Pipe.dat");
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  for (const QString& path : {device, pipe}) {
    test::recorder().clear();
    ASSERT_FALSE(OpenDatabase(path)) << qPrintable(path);
    EXPECT_EQ(DrawCount(), 0);
    ASSERT_EQ(test::recorder().messages.size(), 1u);
    EXPECT_TRUE(test::recorder().lastText().startsWith(QStringLiteral("\"%1\" is not a database file").arg(QFileInfo(path).fileName())));
  }
}

TEST_F(DatabaseTest, AppendedDrawsAreIndexedAndReadBackAfterReopening) {
  const QString path = writeFile(QStringLiteral("Grow.dat"), QByteArray(""));
  ASSERT_TRUE(OpenDatabase(path));
  DrawRecord longDate = sampleDraw(2);
  longDate.Date = QString(1000, QLatin1Char('7'));  // longer than a first read of a record
  ASSERT_TRUE(AppendDraw(sampleDraw(1)));
  EXPECT_EQ(CurrentPosition, 1);
  ASSERT_TRUE(AppendDraw(longDate));
  ASSERT_TRUE(AppendDraw(sampleDraw(3)));
  EXPECT_EQ(DrawPositionIndex, (std::vector<qint64>{0, 1, 45, 45 + 44 + 992}));
  EXPECT_EQ(CurrentPosition, DrawPositionIndex[3]);

  ASSERT_TRUE(OpenDatabase(path));
  EXPECT_EQ(DrawCount(), 3);
  ASSERT_TRUE(ReadDraw(2));
  EXPECT_EQ(CurrentDraw, longDate);
  ASSERT_TRUE(ReadRecordAt(1));
  EXPECT_EQ(CurrentDraw, sampleDraw(1));
  EXPECT_EQ(CurrentDrawNumber, 2) << "a read by position leaves the walk's own count alone";
  EXPECT_FALSE(ReadRecordAt(0));
  EXPECT_FALSE(ReadRecordAt(DrawPositionIndex[3] + 44));
  EXPECT_EQ(FileBytes(path), encoded(sampleDraw(1)) + encoded(longDate) + encoded(sampleDraw(3)));
  EXPECT_TRUE(test::recorder().messages.empty());

  // Opening another database closes this one: nothing of it can be read any more.
  const QString other = writeFile(QStringLiteral("Other.dat"), sampleDatabase(1));
  ASSERT_TRUE(OpenDatabase(other));
  EXPECT_EQ(OpenDatabasePath(), other);
  EXPECT_EQ(DrawCount(), 1);
  EXPECT_FALSE(ReadDraw(2));
}

TEST_F(DatabaseTest, AFullDatabaseRefusesTheNextDraw) {
  const QByteArray full = sampleDatabase(kMaxDraws);
  const QString path = writeFile(QStringLiteral("Full.dat"), full);
  ASSERT_TRUE(OpenDatabase(path));
  EXPECT_EQ(DrawCount(), kMaxDraws);
  EXPECT_TRUE(test::recorder().messages.empty());
  EXPECT_FALSE(AppendDraw(sampleDraw(1)));
  ASSERT_EQ(test::recorder().messages.size(), 1u);
  EXPECT_TRUE(test::recorder().lastText().contains(QStringLiteral("\"Full.dat\" already holds 32767 draws")));
  CloseDatabase();
  EXPECT_EQ(FileBytes(path), full);
  EXPECT_FALSE(AppendDraw(sampleDraw(1))) << "nothing open";
}

TEST_F(DatabaseTest, FileFunctionsAppendAndReplaceWholeRecords) {
  const QString path = test::scratchFolder() + QStringLiteral("/Plain.dat");
  qint64 position = 0;
  ASSERT_TRUE(AppendRecordToFile(path, sampleDraw(1), &position));
  EXPECT_EQ(position, 1);
  ASSERT_TRUE(AppendRecordToFile(path, sampleDraw(2), &position));
  EXPECT_EQ(position, 45);
  DrawRecord draw;
  ASSERT_TRUE(ReadRecordFromFile(path, 45, draw));
  EXPECT_EQ(draw, sampleDraw(2));

  // A rewrite that cannot be done leaves the old file whole.
  const QByteArray before = FileBytes(path);
  QString error;
  EXPECT_FALSE(WriteDatabaseFile(path, std::vector<DrawRecord>(kMaxDraws + 1, sampleDraw(1)), &error));
  EXPECT_TRUE(error.contains(QStringLiteral("32767")));
  EXPECT_EQ(FileBytes(path), before);
  ASSERT_TRUE(WriteDatabaseFile(path, {sampleDraw(3)}));
  EXPECT_EQ(FileBytes(path), encoded(sampleDraw(3)));
}

}  // namespace
}  // namespace vtn
