#include "common/paths.h"

#include <QCoreApplication>
#include <QDir>

namespace vtn {
namespace {
QString& override() {
  static QString folder;
  return folder;
}
}  // namespace

QString ProgramFolder() {
  if (!override().isEmpty()) return override();
  return QCoreApplication::applicationDirPath();
}

QString DataBasesFolder() { return ProgramFolder() + QStringLiteral("/DataBases"); }

QString DataBasesPath(const QString& fileName) { return DataBasesFolder() + QLatin1Char('/') + fileName; }

void setProgramFolder(const QString& folder) { override() = QDir::cleanPath(folder); }

}  // namespace vtn
