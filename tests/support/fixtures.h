#pragma once
// Small databases and window clean-up for window tests.
#include <QByteArray>
#include <QString>
#include <vector>

#include "database/draw_record.h"

namespace vtn::test {

// A draw from six ball numbers, a bonus, a date text and a day code.
DrawRecord Draw(int number, std::initializer_list<int> balls, int bonus, const QString& date, const QString& day);

// Writes a database into the test's DataBases folder and makes it the current database.
QString InstallDatabase(const QString& fileName, const std::vector<DrawRecord>& draws);
// Copies a bundled database into the test's DataBases folder and makes it the current database.
QString InstallBundledDatabase(const QString& fileName);

// Writes bytes to a file in the test's own folder; returns its path.
QString WriteScratchFile(const QString& name, const QByteArray& bytes);
// The bytes of a file, or "<missing>" when it cannot be read.
QByteArray FileBytes(const QString& path);

// Unloads every child window and lets their deletion run.
void UnloadAllWindows();

}  // namespace vtn::test
