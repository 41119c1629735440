#include "support/fixtures.h"

#include <QCoreApplication>
#include <QFile>

#include "common/numbers.h"
#include "common/paths.h"
#include "common/settings.h"
#include "controls/form.h"
#include "database/database_file.h"
#include "database/shared_database.h"
#include "support/recorder.h"

namespace vtn::test {

DrawRecord Draw(int number, std::initializer_list<int> balls, int bonus, const QString& date, const QString& day) {
  DrawRecord d;
  d.Number = qint16(number);
  size_t i = 0;
  for (int b : balls) d.Balls[i++] = BallText(b);
  d.Bonus = BallText(bonus);
  d.Date = date;
  d.Day = day;
  return d;
}

QString InstallDatabase(const QString& fileName, const std::vector<DrawRecord>& draws) {
  CloseDatabase();
  const QString path = DataBasesPath(fileName);
  WriteDatabaseFile(path, draws);
  SaveDataBaseName(fileName);
  return path;
}

QString InstallBundledDatabase(const QString& fileName) {
  CloseDatabase();
  const QString path = DataBasesPath(fileName);
  QFile::remove(path);
  QFile::copy(QStringLiteral(VTN_BUNDLED_DB_DIR "/") + fileName, path);
  SaveDataBaseName(fileName);
  return path;
}

QString WriteScratchFile(const QString& name, const QByteArray& bytes) {
  const QString path = scratchFolder() + QLatin1Char('/') + name;
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  return path;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void UnloadAllWindows() {
  Forms::unloadAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace vtn::test
