#pragma once
// The open database ("file number 1") and the shared draw record, position index and counters
// that every window reads draws through. Free of widgets; damage is reported through MsgBox.
#include <QString>
#include <QtGlobal>
#include <vector>

#include "database/draw_record.h"

namespace vtn {

// The draw last read (or appended).
extern DrawRecord CurrentDraw;
// The number of the draw last read: ReadDraw(k) sets it to k; a walk through ReadRecordAt keeps
// its own count in it (rewind to 1, add 1 per record), so ReadRecordAt leaves it alone.
extern qint16 CurrentDrawNumber;
// Byte position (from 1) of the record last read or written; 0 before the first.
extern qint64 CurrentPosition;
// Entries 0 to n, n the number of draws: entry k (k >= 1) is the byte position (from 1) at
// which draw k begins; entry 0 holds no draw. Windows only read it.
extern std::vector<qint64> DrawPositionIndex;

// Closes the open database, opens path and indexes it. An empty file is a database of no draws.
// A damaged file (a record cut short, a length past the end, more than 32767 records) keeps
// every complete record before the damage readable, is opened read-only and gets one message
// box. Returns false, with one message box and an empty database (0 draws), when the file
// cannot be opened at all or is no regular file (a folder, a pipe, a device).
bool OpenDatabase(const QString& path);
void CloseDatabase();
// The path of the open database; empty when none is open.
QString OpenDatabasePath();
// Number of draws of the open database (the index's last entry number); 0 when none is open.
int DrawCount();
// True when the open database was damaged or cannot be written: appends refuse.
bool DatabaseIsReadOnly();

// Reads the record that begins at byte position (from 1) into CurrentDraw and sets
// CurrentPosition. False, nothing changed, when no complete record begins there.
bool ReadRecordAt(qint64 position);
// Reads draw k (1 to DrawCount()) and sets CurrentDrawNumber to k. False, nothing changed,
// for k out of range.
bool ReadDraw(int k);

// The first half of the message for draw k that the index lists but that cannot be read: the
// file shrank or was changed after it was opened.
QString DrawReadFailure(int k);
// Keeps draws 1 to count of the open database and treats it as damaged from now on: reading a
// draw failed, so the draws after it are not trusted and appends refuse. The file is not touched.
void KeepFirstDraws(int count);

// Appends draw at the end of the open database, adds it to the index and makes it CurrentDraw
// and CurrentPosition. Refuses (false, one message box, file unchanged) when no database is
// open, it is read-only or damaged, it already holds 32767 draws, or the write fails.
bool AppendDraw(const DrawRecord& draw);

}  // namespace vtn
