#pragma once
// One draw as the program keeps it in memory and in a database file.
#include <QDate>
#include <QString>
#include <QtGlobal>
#include <array>

namespace vtn {

// Draw numbers are 16-bit signed, so a database holds at most this many draws.
inline constexpr int kMaxDraws = 32767;

// The texts hold 8-bit (Latin-1) characters only; they are stored byte for byte.
struct DrawRecord {
  qint16 Number = 0;
  std::array<QString, 6> Balls;  // main balls 1 to 6, two-digit texts such as "07"
  QString Day;                   // day code, "Sa"
  QString Bonus;                 // "00" when there is no bonus ball
  QString Date;                  // eight characters, "19/11/94" or "11/19/94"

  bool operator==(const DrawRecord&) const = default;
};

// The two-letter day code of a date: "Mo", "Tu", "We", "Th", "Fr", "Sa", "Su".
// English whatever the user's locale; an invalid date gives the empty text.
QString DayCode(const QDate& date);

enum class DateOrder { DayFirst, MonthFirst };

// The eight-character draw date: "dd/MM/yy" day first (UK), "MM/dd/yy" month first.
QString DrawDateText(const QDate& date, DateOrder order);

}  // namespace vtn
