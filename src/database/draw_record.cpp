#include "database/draw_record.h"

namespace vtn {

QString DayCode(const QDate& date) {
  // Not QLocale: the codes are stored in the database and compared as text.
  static const char* const kCodes[7] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
  if (!date.isValid()) return QString();
  return QString::fromLatin1(kCodes[date.dayOfWeek() - 1]);
}

QString DrawDateText(const QDate& date, DateOrder order) {
  if (!date.isValid()) return QString();
  const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
  const QString day = two(date.day());
  const QString month = two(date.month());
  const QString year = two(((date.year() % 100) + 100) % 100);
  return order == DateOrder::DayFirst ? day + u'/' + month + u'/' + year
                                      : month + u'/' + day + u'/' + year;
}

}  // namespace vtn
