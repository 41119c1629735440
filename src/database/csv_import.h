#pragma once
// Turns a draw history in CSV form into database records; csv2dat builds the bundled databases
// with it. The CSV: header "date,b1,b2,b3,b4,b5,b6,bonus", one draw per line, ISO dates,
// oldest draw first; a bonus of 0 means no bonus ball.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "database/draw_record.h"

namespace vtn {

struct CsvImport {
  std::vector<DrawRecord> draws;  // in file order, numbered from 1
  QString error;                  // the first problem, naming its line; empty when all is well
  bool ok() const { return error.isEmpty(); }
};

// Main balls sorted ascending as two-digit texts, the bonus as two digits, the day code and the
// eight-character date of each line's date. Any malformed line makes the whole import fail.
CsvImport DrawsFromCsv(const QByteArray& csv, DateOrder order);

// "dmy" (day first, UK) or "mdy" (month first); nothing for any other text.
std::optional<DateOrder> DateOrderFromName(const QString& name);

}  // namespace vtn
