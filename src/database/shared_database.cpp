#include "database/shared_database.h"

#include <QFile>
#include <QFileInfo>

#include "common/message.h"
#include "database/database_file.h"

namespace vtn {

DrawRecord CurrentDraw;
qint16 CurrentDrawNumber = 0;
qint64 CurrentPosition = 0;
std::vector<qint64> DrawPositionIndex{0};

namespace {

struct OpenFile {
  QFile file;
  QString path;
  qint64 validEnd = 0;  // bytes of complete records; nothing at or past it is ever read
  bool damaged = false;
  bool writable = false;
};

OpenFile& fileNumber1() {
  static OpenFile open;
  return open;
}

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

bool refuseAppend(const QString& why) {
  MsgBox(why, kProgramTitle);
  return false;
}

}  // namespace

void CloseDatabase() {
  OpenFile& open = fileNumber1();
  open.file.close();
  open.path.clear();
  open.validEnd = 0;
  open.damaged = false;
  open.writable = false;
  DrawPositionIndex.assign(1, 0);
  CurrentDraw = DrawRecord();
  CurrentDrawNumber = 0;
  CurrentPosition = 0;
}

bool OpenDatabase(const QString& path) {
  CloseDatabase();
  OpenFile& open = fileNumber1();
  // Opening a pipe or a device would wait for data that never ends or never comes.
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    MsgBox(QStringLiteral("\"%1\" is not a database file but a folder, a pipe or a device, so it was not opened. "
                          "No draws are loaded.")
               .arg(fileName(path)),
           kProgramTitle);
    return false;
  }
  open.file.setFileName(path);
  // ExistingOnly: a missing database must not be created by merely loading it.
  open.writable = open.file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered);
  if (!open.writable && !open.file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
    MsgBox(QStringLiteral("The database file \"%1\" cannot be opened (%2). No draws are loaded.")
               .arg(fileName(path), open.file.errorString()),
           kProgramTitle);
    return false;
  }
  const DatabaseScan scan = ScanDatabase(open.file);
  open.path = path;
  open.validEnd = scan.validEnd;
  DrawPositionIndex = scan.index;
  if (scan.damage != DatabaseScan::Sound) {
    // Keep it open for reading only, so that nothing is ever written after the damage.
    open.damaged = true;
    if (open.writable) {
      open.file.close();
      open.writable = false;
      open.file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    MsgBox(DamageMessage(fileName(path), scan), kProgramTitle);
  }
  return true;
}

QString OpenDatabasePath() { return fileNumber1().path; }

int DrawCount() { return DrawPositionIndex.empty() ? 0 : static_cast<int>(DrawPositionIndex.size()) - 1; }

bool DatabaseIsReadOnly() {
  const OpenFile& open = fileNumber1();
  return open.path.isEmpty() || open.damaged || !open.writable;
}

bool ReadRecordAt(qint64 position) {
  OpenFile& open = fileNumber1();
  if (!open.file.isOpen()) return false;
  DrawRecord draw;
  if (!ReadRecord(open.file, position, open.validEnd, draw)) return false;
  CurrentDraw = std::move(draw);
  CurrentPosition = position;
  return true;
}

bool ReadDraw(int k) {
  if (k < 1 || k > DrawCount()) return false;
  if (!ReadRecordAt(DrawPositionIndex[k])) return false;
  CurrentDrawNumber = static_cast<qint16>(k);
  return true;
}

QString DrawReadFailure(int k) {
  return QStringLiteral("Draw %1 of the database file \"%2\" could not be read: the file was changed or damaged "
                        "after it was loaded.")
      .arg(k)
      .arg(fileName(fileNumber1().path));
}

void KeepFirstDraws(int count) {
  OpenFile& open = fileNumber1();
  if (count < 0 || count >= DrawCount()) return;
  DrawPositionIndex.resize(static_cast<size_t>(count) + 1);
  open.damaged = true;
}

bool AppendDraw(const DrawRecord& draw) {
  OpenFile& open = fileNumber1();
  const QString name = fileName(open.path);
  if (open.path.isEmpty()) return refuseAppend(QStringLiteral("No database file is open, so the draw was not saved."));
  if (open.damaged)
    return refuseAppend(
        QStringLiteral("The database file \"%1\" is damaged, so the draw was not saved; the file will not be changed.")
            .arg(name));
  if (!open.writable)
    return refuseAppend(QStringLiteral("The database file \"%1\" cannot be written to, so the draw was not saved.").arg(name));
  if (DrawCount() >= kMaxDraws)
    return refuseAppend(QStringLiteral("The database file \"%1\" already holds %2 draws, the most a database can hold, "
                                       "so the draw was not saved.")
                            .arg(name)
                            .arg(kMaxDraws));
  if (open.file.size() != open.validEnd)
    return refuseAppend(QStringLiteral("The database file \"%1\" was changed by another program since it was loaded, "
                                       "so the draw was not saved. Load the database again.")
                            .arg(name));
  QByteArray bytes;
  if (!EncodeRecord(draw, bytes))
    return refuseAppend(QStringLiteral("The draw was not saved: one of its texts is longer than %1 characters.")
                            .arg(kMaxTextLength));
  if (!open.file.seek(open.validEnd) || open.file.write(bytes) != bytes.size()) {
    const QString reason = open.file.errorString();
    open.file.resize(open.validEnd);  // no half record left behind
    return refuseAppend(
        QStringLiteral("The draw could not be saved to the database file \"%1\" (%2).").arg(name, reason));
  }
  const qint64 position = open.validEnd + 1;
  open.validEnd += bytes.size();
  DrawPositionIndex.push_back(position);
  CurrentDraw = draw;
  CurrentPosition = position;
  return true;
}

}  // namespace vtn
