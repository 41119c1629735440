#include "sorted/sorted_texts.h"

#include "common/numbers.h"

namespace vtn::sorted {
namespace {

// The sentences, lines and report texts, character for character.
const QString kHasAppeared = QStringLiteral(" Has appeared ");
const QString kTimes = QStringLiteral(" Times");
const QString kHighestFor = QStringLiteral("Highest drawn numbers for the ");
const QString kLowestFor = QStringLiteral("Lowest drawn numbers for the ");
const QString kDayOfTheMonthAre = QStringLiteral(" day of the month are (");
const QString kDayOfThe = QStringLiteral(" day of the ");
const QString kMonthAre = QStringLiteral(" month are (");
const QString kFollowedBy = QStringLiteral("Followed by (");
const QString kNextSix = QStringLiteral("Next 6 most common (");
const QString kSixMost = QStringLiteral("The 6 most common balls to be drawn are (");
const QString kSixLeast = QStringLiteral("The 6 least common balls to be drawn are (");
const QString kOneDraw = QStringLiteral("Only one draw has occurred in the current date selection");
const QString kThereAre = QStringLiteral("There are ");
const QString kDrawsInSelection = QStringLiteral(" draws in the current selection");

const QString kNoData = QStringLiteral("NoData");
const QString kNotAvailable = QStringLiteral("N/A");
const QString kDayFilter = QStringLiteral("Day filter = ");
const QString kYearFilter = QStringLiteral(" Year filter = Year ");
const QString kDrawsUsed = QStringLiteral("Number of draws used to calculate report = ");
const QString kStartDate = QStringLiteral("Start date = ");
const QString kEndDate = QStringLiteral("  End date = ");
const QString kTableHead = QStringLiteral("Ball Number\tTimes Out\tFrequency\t\tSix most common \t\t\tSix least common ");
const QStringList kNotes = {
    QStringLiteral("  Frequency shows the average number of draws that pass between appearances "),
    QStringLiteral("  If a field = 00 00 00 00 00 00 then there is Insufficient information to generate the most "
                   "common balls for that day or month"),
    QStringLiteral("  This happens when that day or month's draw has not occurred yet or has not been entered into VTN."),
};
const QStringList kInstructions = {
    QStringLiteral("  Notes:"),
    QStringLiteral("  In the Mth field enter the figures from above for this month"),
    QStringLiteral("  In the day field enter the figures from above for the day of the next draw."),
    QStringLiteral("  In the Common field enter the last 6 Ball Numbers from the frequency results."),
    QStringLiteral("  Pick out the 6 balls you wish to use."),
    QStringLiteral("  Use results to enter the lottery draw results."),
};
const QString kFormHead = QStringLiteral(
    " ( ___ ___ ___ ___ ___ ___ Mth_____)  ( ___ ___ ___ ___ ___ ___ Day_____)  ( ___ ___ ___ ___ ___ ___ Common)");
const QString kFormBlank = QStringLiteral(
    " ( ___ ___ ___ ___ ___ ___ ________)  ( ___ ___ ___ ___ ___ ___ ________)  ( ___ ___ ___ ___ ___ ___ ________)");
const QString kFormResults = QStringLiteral(" ( ___ ___ ___ ___ ___ ___ Results__)");
const QString kPrintCreated = QStringLiteral("Print Created ");

constexpr int kRuleLength = 107;
constexpr int kEntryLinesBesideTable = 45;

// The count field of a count-ball row as it stands ("012"; "00" for the filler row).
QString countField(const QString& row) {
  const qsizetype blank = row.indexOf(QLatin1Char(' '));
  return blank < 0 ? row : row.left(blank);
}

// A ranked ball as a sentence slot: a blank and the ball, or nothing for a missing row.
QString slot(const QString& row) { return row.isEmpty() ? QString() : QLatin1Char(' ') + BallOfRow(row); }

// Six slots, the k-th taken from row position(k) of the count rows.
template <class Position>
QString group(const QStringList& rows, Position position) {
  QString text;
  for (int k = 1; k <= 6; ++k) {
    const int at = position(k);
    text += slot(at >= 0 && at < rows.size() ? rows.at(at) : QString());
    text += k < 6 ? QStringLiteral(" ") : QStringLiteral(")");
  }
  return text;
}

}  // namespace

QString DayFirstDate(const QString& stored, bool monthFirst) {
  if (!monthFirst) return stored;
  return stored.mid(3, 2) + QLatin1Char('/') + stored.mid(0, 2) + QLatin1Char('/') + stored.mid(6, 2);
}

bool MatchesFilters(const QString& date, const QString& dayCode, const Filters& f) {
  if (f.year != kAll && date.mid(6, 2) != f.year) return false;
  if (f.month != kAll && date.mid(3, 2) != f.month) return false;
  if (f.day != kAll && date.mid(0, 2) != f.day.left(2)) return false;
  if (f.weekday.left(3) != kAll && dayCode.left(2) != f.weekday.left(2)) return false;
  return true;
}

QString SortedDrawRow(const DrawRecord& draw, const QString& dayFirstDate) {
  QString row;
  row.reserve(48);
  for (int i = 0; i < 5; ++i) row += draw.Balls[size_t(i)] + QLatin1Char(' ');
  row += draw.Balls[5];
  row += QStringLiteral("  BB=");
  row += Val(draw.Bonus) == 0.0 ? QStringLiteral("00") : draw.Bonus;
  row += QStringLiteral(" (") + dayFirstDate + QStringLiteral(")  (") + draw.Day + QLatin1Char(')');
  return row;
}

int BallNumber(const QString& ballText) {
  const double value = Val(ballText);
  const int ball = int(value);
  return (value == double(ball) && ball >= 1 && ball <= 99) ? ball : 0;
}

QString CountText(int count) { return QStringLiteral("%1").arg(count, 3, 10, QLatin1Char('0')); }

QString BallLine(int ball, int count) {
  return QString::number(ball) + kHasAppeared + CountText(count) + kTimes + kCrLf;
}

QString DaySuffix(const QString& dayText) {
  const double v = Val(dayText);
  if (v == 1 || v == 21 || v == 31) return QStringLiteral("st");
  if (v == 2 || v == 22 || v == 32) return QStringLiteral("nd");
  if (v == 3 || v == 23 || v == 33) return QStringLiteral("rd");
  return QStringLiteral("th");
}

QString MonthSuffix(const QString& monthText) {
  const double v = Val(monthText);
  if (v == 1) return QStringLiteral("st");
  if (v == 2) return QStringLiteral("nd");
  if (v == 3) return QStringLiteral("rd");
  return QStringLiteral("th");
}

QString CommonSentences(const QStringList& rows, const QString& day, const QString& month) {
  const int n = int(rows.size());
  const QString most = group(rows, [n](int k) { return n - k; });
  const QString next = group(rows, [n](int k) { return n - 6 - k; });
  const QString least = group(rows, [](int k) { return k - 1; });
  const QString d = day + DaySuffix(day);
  const QString m = month + MonthSuffix(month);
  const QString twice = kCrLf + kCrLf;
  const bool anyDay = day != kAll;
  const bool anyMonth = month != kAll;
  if (anyDay && !anyMonth)
    return kHighestFor + d + kDayOfTheMonthAre + most + twice + QLatin1Char(' ') + kFollowedBy + next + twice +
           kLowestFor + d + kDayOfTheMonthAre + least + kCrLf;
  if (anyDay && anyMonth)
    return kHighestFor + d + kDayOfThe + m + kMonthAre + most + kCrLf + kNextSix + next + twice + kLowestFor + d +
           kDayOfThe + m + kMonthAre + least + twice;
  if (anyMonth)
    return kHighestFor + m + kMonthAre + most + twice + kFollowedBy + next + twice + kLowestFor + m + kMonthAre +
           least + kCrLf;
  return kSixMost + most + twice + kFollowedBy + next + twice + kSixLeast + least;
}

QString DrawCountSentence(int draws) {
  return draws == 1 ? kOneDraw : kThereAre + QString::number(draws) + kDrawsInSelection;
}

QStringList MostToLeastCommon(const QStringList& rows) {
  QStringList balls;
  balls.reserve(rows.size());
  for (qsizetype i = rows.size() - 1; i >= 0; --i) balls << BallOfRow(rows.at(i)).left(6);
  return balls;
}

EntryValues ReadEntryValues(const QStringList& rows) {
  const int r = int(rows.size());
  auto ballAt = [&](int at) {
    const QString ball = (at >= 0 && at < r) ? BallOfRow(rows.at(at)).left(2) : QString();
    return Val(ball) == 0.0 ? QStringLiteral("  ") : ball;
  };
  EntryValues v;
  for (int k = 1; k <= 6; ++k) {
    v.most[size_t(k - 1)] = ballAt(r - k);
    v.least[size_t(k - 1)] = ballAt(k - 1);
  }
  return v;
}

QString EntryLine(const QString& kind, const QString& entry, const EntryValues& v) {
  auto six = [](const std::array<QString, 6>& balls) {
    QString text;
    for (size_t i = 0; i < 6; ++i) text += (i ? QStringLiteral(" ") : QString()) + balls[i];
    return text;
  };
  return QLatin1Char(' ') + kind + QLatin1Char(' ') + entry + QStringLiteral(" = ") + six(v.most) +
         QStringLiteral("\t\t") + kind + QLatin1Char(' ') + entry + QStringLiteral(" = ") + six(v.least);
}

QString FrequencyText(int draws, int count, const QLocale& locale) {
  if (draws == 0 || count == 0) return kNoData;
  return NumberText(double(draws) / double(count)).replace(QLatin1Char('.'), locale.decimalPoint()).left(6);
}

PredictionTable BuildPredictionTable(const QStringList& entryLines, const QStringList& countRows, int drawsInSelection,
                                     const QLocale& locale) {
  PredictionTable table;
  QStringList rows = countRows;
  const int draws = drawsInSelection + 1;
  int ball = 0;
  bool pastTheEnd = false;
  // Count, frequency and ball of one count row; false when it has no data.
  auto read = [&](const QString& row, QString& frequency) {
    const int count = CountOfRow(row);
    frequency = FrequencyText(draws, count, locale);
    if (count == 0 || draws == 0) return false;
    ball = int(Val(BallOfRow(row)));
    return true;
  };
  auto cells = [&](const QString& row, const QString& frequency) {
    return QString::number(ball) + QStringLiteral("\t\t") + countField(row) + QStringLiteral("\t\t") + frequency +
           QStringLiteral("\t\t");
  };
  for (int r = 0; r < entryLines.size(); ++r) {
    if (rows.size() == r) {
      rows.prepend(QStringLiteral("00"));  // "00" sorts above every count row
      ++table.zeroRowsAdded;
    }
    const QString& row = rows.at(r);
    table.lastCountRow = r;
    QString frequency;
    read(row, frequency);
    const bool notAvailable = r == rows.size() - 1 && pastTheEnd;
    if (r == rows.size() - 1) pastTheEnd = true;
    if (notAvailable) {
      table.rows += kNotAvailable + QStringLiteral("\t\t") + kNotAvailable + QStringLiteral("\t\t") + kNotAvailable +
                    QStringLiteral("\t\t") + entryLines.at(r) + kCrLf;
    } else {
      table.rows += cells(row, frequency) + entryLines.at(r) + kCrLf;
    }
  }
  for (int x = kEntryLinesBesideTable; x < rows.size(); ++x) {
    table.lastCountRow = x;
    QString frequency;
    if (!read(rows.at(x), frequency)) break;
    table.rows += cells(rows.at(x), frequency) + kCrLf;
  }
  return table;
}

QString PredictionReportText(const ReportHead& head, const QString& tableRows, const QDate& created,
                             const QLocale& locale) {
  const QString rule(kRuleLength, QLatin1Char('_'));
  QString text;
  auto line = [&text](const QString& s) { text += s + kCrLf; };
  line(head.caption);
  line(kDayFilter + head.weekday + kYearFilter + head.year);
  line(kDrawsUsed + head.drawFigure);
  line(kStartDate + head.startDate + kEndDate + head.endDate);
  line(rule);
  line(QString());
  line(kTableHead);
  line(QString());
  line(tableRows);  // so an empty line stands between the table and the rule
  line(rule);
  for (const QString& note : kNotes) line(note);
  line(rule);
  line(QString());
  for (const QString& note : kInstructions) line(note);
  line(QString());
  line(kFormHead);
  line(QString());
  line(kFormBlank);
  line(QString());
  line(kFormBlank);
  line(QString());
  line(kFormResults);
  line(QString());
  line(rule);
  line(QString());
  text += kPrintCreated + locale.toString(created, QLocale::ShortFormat);
  return text;
}

}  // namespace vtn::sorted
