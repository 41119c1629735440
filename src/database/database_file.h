#pragma once
// The database file: draw records one after another, no header. A record is the draw number
// (2 bytes, little-endian, signed) followed by the nine texts of the draw, each as a 2-byte
// little-endian length and that many 8-bit characters. Only this folder reads or writes it.
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <vector>

#include "database/draw_record.h"

namespace vtn {

inline constexpr int kRecordTexts = 9;             // six balls, day, bonus, date
inline constexpr int kMaxTextLength = 0xFFFF;       // the length field's largest value
inline constexpr qint64 kSmallestRecord = 2 + kRecordTexts * 2;

// The name a message gives text t (0 to 8) of a record: "ball 1" .. "ball 6", "day code",
// "bonus ball", "date".
QString RecordTextName(int t);

// Appends the bytes of one record to out; false (out unchanged) when a text is longer than
// kMaxTextLength characters.
bool EncodeRecord(const DrawRecord& draw, QByteArray& out);

// Where the bytes ran out inside an incomplete record.
enum class RecordCut { None, Number, TextLength, Text };

struct DecodedRecord {
  qint64 size = 0;                  // bytes of the record; 0 when it is incomplete
  RecordCut cut = RecordCut::None;  // for an incomplete record: the part the bytes ended in
  int text = 0;                     // the text whose length or characters were cut off
  int textLength = 0;               // that text's length when its characters were cut off
};

// Decodes the record at the start of data (available bytes); fills draw when it is not null
// and the record is complete. Never reads past available.
DecodedRecord DecodeRecord(const char* data, qint64 available, DrawRecord* draw);

// What reading a database from its start found.
struct DatabaseScan {
  enum Damage { Sound, IncompleteRecord, TooManyDraws, ReadFailed };
  std::vector<qint64> index{0};  // entry k: byte position (from 1) of draw k; entry 0 unused
  qint64 validEnd = 0;           // bytes taken by the complete, readable records
  Damage damage = Sound;
  qint64 damagePosition = 0;     // byte position (from 1) of the first record not read
  DecodedRecord cut;             // IncompleteRecord: where the record ends
  QString readError;             // ReadFailed: the system's reason

  int drawCount() const { return static_cast<int>(index.size()) - 1; }
};

// Reads the whole device from its start and indexes every complete record, at most kMaxDraws.
DatabaseScan ScanDatabase(QIODevice& device);

// The one message that tells the user what is wrong with a damaged database; empty when sound.
QString DamageMessage(const QString& fileName, const DatabaseScan& scan);

// Reads the record that begins at byte position (from 1), using no byte at or past limit
// (a byte count from the start). False, draw untouched, when no complete record is there.
bool ReadRecord(QIODevice& device, qint64 position, qint64 limit, DrawRecord& draw);

// Appends one record at the end of a file, creating it when missing; position (from 1) of the
// new record in *position. A failed write leaves the file as it was. Does not look at the
// records already there: the open database (shared_database.h) refuses damaged files.
bool AppendRecordToFile(const QString& path, const DrawRecord& draw, qint64* position = nullptr,
                        QString* error = nullptr);

// Reads the record that begins at byte position (from 1) of a file.
bool ReadRecordFromFile(const QString& path, qint64 position, DrawRecord& draw);

// Writes a whole database (at most kMaxDraws records) to a temporary file and renames it over
// path, so an old file is either kept whole or replaced whole.
bool WriteDatabaseFile(const QString& path, const std::vector<DrawRecord>& draws,
                       QString* error = nullptr);

}  // namespace vtn
