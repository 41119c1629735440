#pragma once
// The perm report sent to the report window.
#include <QString>
#include <QStringList>

namespace vtn::perm {

// The report of the perm lines, with the hint line's text and a date: a head line, the lines
// between two rules of 131 underscores, the line count, the selection and the printed-by line.
// Every line, the last included, ends with CRLF.
QString permReport(const QStringList& permLines, const QString& hint, const QString& date);

// Today's date in the system's short date form.
QString shortDateToday();

}  // namespace vtn::perm
