#include "common/settings.h"

#include <QSettings>

namespace vtn {
namespace {
QString keyPath(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }
}  // namespace

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& defaultValue) {
  QSettings store(QSettings::IniFormat, QSettings::UserScope, app, app);
  const QVariant value = store.value(keyPath(section, key));
  if (!value.isValid() || !value.canConvert<QString>()) return defaultValue;
  return value.toString();
}

void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) {
  QSettings store(QSettings::IniFormat, QSettings::UserScope, app, app);
  store.setValue(keyPath(section, key), value);
}

int GetSettingInt(const QString& app, const QString& section, const QString& key, int defaultValue) {
  bool ok = false;
  const int value = GetSetting(app, section, key).trimmed().toInt(&ok);
  return ok ? value : defaultValue;
}

QString DataBaseName() { return GetSetting(kAppHalvoren, QStringLiteral("Data"), QStringLiteral("DataBaseName")); }

QString CurrentDataBaseName() {
  const QString name = DataBaseName();
  return name.isEmpty() ? QStringLiteral("UK-National-Lottery.dat") : name;
}

void SaveDataBaseName(const QString& name) {
  SaveSetting(kAppHalvoren, QStringLiteral("Data"), QStringLiteral("DataBaseName"), name);
}

QString UsOrUKdate() { return GetSetting(kAppHalvoren, QStringLiteral("ChecDataBase"), QStringLiteral("UsOrUKdate")); }

void SaveUsOrUKdate(bool monthFirst) {
  SaveSetting(kAppHalvoren, QStringLiteral("ChecDataBase"), QStringLiteral("UsOrUKdate"),
              monthFirst ? QStringLiteral("True") : QStringLiteral("False"));
}

}  // namespace vtn
