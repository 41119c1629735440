#include "perm/perm_report.h"

#include <QDate>
#include <QLocale>

#include "perm/perm_catalogue.h"

namespace vtn::perm {

QString permReport(const QStringList& permLines, const QString& hint, const QString& date) {
  const QString crlf = QStringLiteral("\r\n");
  const QString rule = QString(text::kReportRuleLength, QLatin1Char('_'));
  QString report;
  report += text::kReportHead + date + crlf;
  report += crlf;
  report += rule + crlf;
  for (const QString& line : permLines) report += line + crlf;
  report += rule + crlf;
  report += crlf;
  report += text::kReportLineCount + QString::number(permLines.size()) + text::kReportLines + crlf;
  report += crlf;
  report += text::kReportSelection + hint + crlf;
  report += crlf;
  report += rule + crlf;
  report += crlf + crlf + crlf;
  report += text::kReportPrintedBy + date + crlf;
  return report;
}

QString shortDateToday() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

}  // namespace vtn::perm
