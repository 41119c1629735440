#pragma once
// The per-user settings store: string values by application name, section and key, each read
// with a default.
#include <QString>

namespace vtn {

inline const QString kAppHalvoren = QStringLiteral("Halvoren");
inline const QString kAppTitle = QStringLiteral("VTNv3_8");

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& defaultValue = QString());
// False when the store could not be written (its folder is read-only, say).
bool SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);
// A whole number; a stored value that is not one reads as the default.
int GetSettingInt(const QString& app, const QString& section, const QString& key, int defaultValue);

// Settings the program reads in many places.
QString DataBaseName();                      // "Data"/"DataBaseName", empty default
// False when the choice could not be stored; it then still holds until the program ends.
bool SaveDataBaseName(const QString& name);
// The current database's file name: the stored one, or "UK-National-Lottery.dat" when none is.
QString CurrentDataBaseName();
QString UsOrUKdate();                        // "ChecDataBase"/"UsOrUKdate": "True", "False" or empty
void SaveUsOrUKdate(bool monthFirst);

}  // namespace vtn
