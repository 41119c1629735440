#include "common/settings.h"

#include <QSettings>

namespace vtn {
namespace {
QString keyPath(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }
// A database choice the store could not keep; null when the store holds the choice.
QString& unsavedDataBaseName() {
  static QString name;
  return name;
}
}  // namespace

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& defaultValue) {
  QSettings store(QSettings::IniFormat, QSettings::UserScope, app, app);
  const QVariant value = store.value(keyPath(section, key));
  if (!value.isValid() || !value.canConvert<QString>()) return defaultValue;
  return value.toString();
}

bool SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) {
  QSettings store(QSettings::IniFormat, QSettings::UserScope, app, app);
  store.setValue(keyPath(section, key), value);
  store.sync();
  return store.status() == QSettings::NoError;
}

int GetSettingInt(const QString& app, const QString& section, const QString& key, int defaultValue) {
  bool ok = false;
  const int value = GetSetting(app, section, key).trimmed().toInt(&ok);
  return ok ? value : defaultValue;
}

QString DataBaseName() {
  if (!unsavedDataBaseName().isNull()) return unsavedDataBaseName();
  return GetSetting(kAppHalvoren, QStringLiteral("Data"), QStringLiteral("DataBaseName"));
}

QString CurrentDataBaseName() {
  const QString name = DataBaseName();
  return name.isEmpty() ? QStringLiteral("UK-National-Lottery.dat") : name;
}

bool SaveDataBaseName(const QString& name) {
  const bool saved = SaveSetting(kAppHalvoren, QStringLiteral("Data"), QStringLiteral("DataBaseName"), name);
  unsavedDataBaseName() = saved ? QString() : (name.isNull() ? QStringLiteral("") : name);
  return saved;
}

QString UsOrUKdate() { return GetSetting(kAppHalvoren, QStringLiteral("ChecDataBase"), QStringLiteral("UsOrUKdate")); }

void SaveUsOrUKdate(bool monthFirst) {
  SaveSetting(kAppHalvoren, QStringLiteral("ChecDataBase"), QStringLiteral("UsOrUKdate"),
              monthFirst ? QStringLiteral("True") : QStringLiteral("False"));
}

}  // namespace vtn
