#include "database/database_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vtn {
namespace {

constexpr qint64 kScanChunk = 64 * 1024;
constexpr qint64 kFirstRead = 256;  // enough for any ordinary record

// Fixed byte order whatever the machine: the files are shared between machines.
int readU16(const char* p) {
  return static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8);
}
void putU16(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}

// Text t (0 to 8) of a record in file order.
template <class Record>
auto& textField(Record& draw, int t) {
  if (t < 6) return draw.Balls[t];
  if (t == 6) return draw.Day;
  if (t == 7) return draw.Bonus;
  return draw.Date;
}

QString drawsBefore(int count) {
  if (count == 0) return QStringLiteral("No complete draw comes before it");
  if (count == 1) return QStringLiteral("The 1 complete draw before it can be read");
  return QStringLiteral("The %1 complete draws before it can be read").arg(count);
}

}  // namespace

QString RecordTextName(int t) {
  if (t < 6) return QStringLiteral("ball %1").arg(t + 1);
  if (t == 6) return QStringLiteral("day code");
  if (t == 7) return QStringLiteral("bonus ball");
  return QStringLiteral("date");
}

bool EncodeRecord(const DrawRecord& draw, QByteArray& out) {
  for (int t = 0; t < kRecordTexts; ++t)
    if (textField(draw, t).size() > kMaxTextLength) return false;
  putU16(out, static_cast<quint16>(draw.Number));
  for (int t = 0; t < kRecordTexts; ++t) {
    // A character beyond Latin-1 cannot be stored in one byte; toLatin1 writes "?" for it.
    const QByteArray bytes = textField(draw, t).toLatin1();
    putU16(out, static_cast<int>(bytes.size()));
    out.append(bytes);
  }
  return true;
}

DecodedRecord DecodeRecord(const char* data, qint64 available, DrawRecord* draw) {
  DecodedRecord result;
  if (available < 2) {
    result.cut = RecordCut::Number;
    return result;
  }
  qint64 at = 2;
  // Check every length before touching draw, so an incomplete record fills nothing.
  qint64 starts[kRecordTexts];
  int lengths[kRecordTexts];
  for (int t = 0; t < kRecordTexts; ++t) {
    if (available - at < 2) {
      result.cut = RecordCut::TextLength;
      result.text = t;
      return result;
    }
    lengths[t] = readU16(data + at);
    starts[t] = at + 2;
    at = starts[t] + lengths[t];
    if (at > available) {
      result.cut = RecordCut::Text;
      result.text = t;
      result.textLength = lengths[t];
      return result;
    }
  }
  if (draw) {
    draw->Number = static_cast<qint16>(static_cast<quint16>(readU16(data)));
    for (int t = 0; t < kRecordTexts; ++t)
      textField(*draw, t) = QString::fromLatin1(data + starts[t], lengths[t]);
  }
  result.size = at;
  return result;
}

DatabaseScan ScanDatabase(QIODevice& device) {
  DatabaseScan scan;
  QByteArray buffer;
  qint64 bufferStart = 0;  // file offset of buffer[0]
  qint64 offset = 0;       // next unread byte within buffer
  bool atEnd = false;

  const auto refill = [&]() {
    buffer.remove(0, offset);
    bufferStart += offset;
    offset = 0;
    const qint64 kept = buffer.size();
    buffer.resize(kept + kScanChunk);
    const qint64 got = device.read(buffer.data() + kept, kScanChunk);
    if (got < 0) {
      buffer.resize(kept);
      scan.damage = DatabaseScan::ReadFailed;
      scan.readError = device.errorString();
      return false;
    }
    buffer.resize(kept + got);
    atEnd = got == 0;
    return true;
  };

  if (!device.seek(0)) {
    scan.damage = DatabaseScan::ReadFailed;
    scan.readError = device.errorString();
    scan.damagePosition = 1;
    return scan;
  }
  for (;;) {
    if (offset == buffer.size()) {
      if (atEnd) break;  // the file ends after a complete record: sound
      if (!refill()) break;
      continue;
    }
    const DecodedRecord record = DecodeRecord(buffer.constData() + offset, buffer.size() - offset, nullptr);
    if (record.size > 0) {
      // Only a whole record past the last one a database can hold is one draw too many; a
      // shorter tail is an incomplete record like any other.
      if (scan.drawCount() == kMaxDraws) {
        scan.damage = DatabaseScan::TooManyDraws;
        break;
      }
      scan.index.push_back(bufferStart + offset + 1);
      offset += record.size;
      continue;
    }
    if (!atEnd) {
      if (!refill()) break;
      continue;
    }
    scan.damage = DatabaseScan::IncompleteRecord;
    scan.cut = record;
    break;
  }
  scan.validEnd = bufferStart + offset;
  if (scan.damage != DatabaseScan::Sound) scan.damagePosition = scan.validEnd + 1;
  return scan;
}

QString DamageMessage(const QString& fileName, const DatabaseScan& scan) {
  const QString file = QStringLiteral("The database file \"%1\"").arg(fileName);
  const QString unchanged = QStringLiteral("; the file will not be changed.");
  switch (scan.damage) {
    case DatabaseScan::Sound:
      return QString();
    case DatabaseScan::TooManyDraws:
      return file + QStringLiteral(" is damaged: it holds more than %1 draws, the most a database can hold. "
                                   "The first %1 draws can be read")
                        .arg(kMaxDraws) +
             unchanged;
    case DatabaseScan::ReadFailed:
      return file + QStringLiteral(" could not be read past byte %1 (%2). ")
                        .arg(scan.damagePosition - 1)
                        .arg(scan.readError) +
             drawsBefore(scan.drawCount()) + unchanged;
    case DatabaseScan::IncompleteRecord:
      break;
  }
  QString where;
  switch (scan.cut.cut) {
    case RecordCut::Text:
      where = QStringLiteral("its %1 is %2 characters long, which runs past the end of the file")
                  .arg(RecordTextName(scan.cut.text))
                  .arg(scan.cut.textLength);
      break;
    case RecordCut::TextLength:
      where = QStringLiteral("the file ends inside the length of its %1").arg(RecordTextName(scan.cut.text));
      break;
    default:
      where = QStringLiteral("the file ends inside its draw number");
      break;
  }
  return file + QStringLiteral(" is damaged: the record at byte %1 is incomplete (%2). ")
                    .arg(scan.damagePosition)
                    .arg(where) +
         drawsBefore(scan.drawCount()) + unchanged;
}

bool ReadRecord(QIODevice& device, qint64 position, qint64 limit, DrawRecord& draw) {
  if (position < 1 || position > limit) return false;
  const qint64 start = position - 1;
  if (!device.seek(start)) return false;
  const qint64 available = limit - start;
  QByteArray bytes;
  qint64 wanted = qMin(available, kFirstRead);
  for (;;) {
    const qint64 have = bytes.size();
    bytes.resize(wanted);
    const qint64 got = device.read(bytes.data() + have, wanted - have);
    if (got <= 0) return false;
    bytes.resize(have + got);
    const DecodedRecord record = DecodeRecord(bytes.constData(), bytes.size(), &draw);
    if (record.size > 0) return true;
    if (bytes.size() >= available) return false;
    // A long text: read as far as the lengths seen so far say the record reaches.
    wanted = qMin(available, qMax<qint64>(bytes.size() * 2, bytes.size() + record.textLength + 2));
  }
}

bool AppendRecordToFile(const QString& path, const DrawRecord& draw, qint64* position, QString* error) {
  QByteArray bytes;
  if (!EncodeRecord(draw, bytes)) {
    if (error) *error = QStringLiteral("a text is longer than %1 characters").arg(kMaxTextLength);
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
    if (error) *error = file.errorString();
    return false;
  }
  const qint64 end = file.size();
  if (!file.seek(end) || file.write(bytes) != bytes.size()) {
    if (error) *error = file.errorString();
    file.resize(end);  // no half record left behind
    return false;
  }
  if (position) *position = end + 1;
  return true;
}

bool ReadRecordFromFile(const QString& path, qint64 position, DrawRecord& draw) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
  return ReadRecord(file, position, file.size(), draw);
}

bool WriteDatabaseFile(const QString& path, const std::vector<DrawRecord>& draws, QString* error) {
  if (draws.size() > static_cast<size_t>(kMaxDraws)) {
    if (error) *error = QStringLiteral("more than %1 draws").arg(kMaxDraws);
    return false;
  }
  QByteArray bytes;
  for (const DrawRecord& draw : draws) {
    if (!EncodeRecord(draw, bytes)) {
      if (error) *error = QStringLiteral("a text is longer than %1 characters").arg(kMaxTextLength);
      return false;
    }
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = file.errorString();
    file.cancelWriting();
    return false;
  }
  return true;
}

}  // namespace vtn
