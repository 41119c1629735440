#include "database/csv_import.h"

#include <QList>
#include <algorithm>
#include <array>

#include "common/numbers.h"

namespace vtn {
namespace {

const QByteArray kHeader = "date,b1,b2,b3,b4,b5,b6,bonus";

// A whole number made of ASCII digits only, in [low, high]; nothing otherwise.
std::optional<int> ballValue(const QByteArray& field, int low, int high) {
  const QByteArray text = field.trimmed();
  if (text.isEmpty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

QDate isoDate(const QByteArray& field) {
  const QByteArray text = field.trimmed();
  if (text.size() != 10) return QDate();
  return QDate::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd"));
}

QString quoted(const QByteArray& field) { return QLatin1Char('"') + QString::fromLatin1(field) + QLatin1Char('"'); }

}  // namespace

std::optional<DateOrder> DateOrderFromName(const QString& name) {
  if (name == QLatin1String("dmy")) return DateOrder::DayFirst;
  if (name == QLatin1String("mdy")) return DateOrder::MonthFirst;
  return std::nullopt;
}

CsvImport DrawsFromCsv(const QByteArray& csv, DateOrder order) {
  CsvImport result;
  const auto fail = [&result](int line, const QString& why) {
    result.draws.clear();
    result.error = QStringLiteral("line %1: %2").arg(line).arg(why);
    return result;
  };

  const QList<QByteArray> lines = csv.split('\n');
  QDate previous;
  for (int i = 0; i < lines.size(); ++i) {
    const int lineNumber = i + 1;
    QByteArray line = lines[i];
    if (line.endsWith('\r')) line.chop(1);
    if (i == 0) {
      if (line.startsWith("\xEF\xBB\xBF")) line.remove(0, 3);
      if (line.trimmed() != kHeader)
        return fail(lineNumber, QStringLiteral("the header must be \"%1\"").arg(QString::fromLatin1(kHeader)));
      continue;
    }
    if (line.trimmed().isEmpty()) continue;

    const QList<QByteArray> fields = line.split(',');
    if (fields.size() != 8)
      return fail(lineNumber, QStringLiteral("expected 8 fields (%1), found %2")
                                  .arg(QString::fromLatin1(kHeader))
                                  .arg(fields.size()));
    const QDate date = isoDate(fields[0]);
    if (!date.isValid()) return fail(lineNumber, QStringLiteral("%1 is not a date of the form yyyy-mm-dd").arg(quoted(fields[0])));
    if (previous.isValid() && date <= previous)
      return fail(lineNumber, QStringLiteral("the date %1 does not come after the previous draw's date %2")
                                  .arg(date.toString(Qt::ISODate), previous.toString(Qt::ISODate)));

    std::array<int, 6> balls{};
    for (int b = 0; b < 6; ++b) {
      const std::optional<int> ball = ballValue(fields[b + 1], 1, 99);
      if (!ball) return fail(lineNumber, QStringLiteral("ball %1 (%2) is not a number from 1 to 99").arg(b + 1).arg(quoted(fields[b + 1])));
      balls[b] = *ball;
    }
    const std::optional<int> bonus = ballValue(fields[7], 0, 99);
    if (!bonus) return fail(lineNumber, QStringLiteral("the bonus ball (%1) is not a number from 0 to 99").arg(quoted(fields[7])));

    // The program keeps the main balls in ascending order, as its own entry window saves them.
    std::sort(balls.begin(), balls.end());
    for (int b = 1; b < 6; ++b)
      if (balls[b] == balls[b - 1]) return fail(lineNumber, QStringLiteral("ball %1 is drawn twice").arg(balls[b]));
    if (*bonus != 0 && std::find(balls.begin(), balls.end(), *bonus) != balls.end())
      return fail(lineNumber, QStringLiteral("the bonus ball %1 is also a main ball").arg(*bonus));
    if (result.draws.size() == static_cast<size_t>(kMaxDraws))
      return fail(lineNumber, QStringLiteral("a database holds at most %1 draws").arg(kMaxDraws));

    DrawRecord draw;
    draw.Number = static_cast<qint16>(result.draws.size() + 1);
    for (int b = 0; b < 6; ++b) draw.Balls[b] = BallText(balls[b]);
    draw.Day = DayCode(date);
    draw.Bonus = BallText(*bonus);
    draw.Date = DrawDateText(date, order);
    result.draws.push_back(std::move(draw));
    previous = date;
  }
  return result;
}

}  // namespace vtn
