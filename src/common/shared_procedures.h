#pragma once
// Procedures that every window shares: list and text files, range boxes, key filters.
#include <QString>
#include <QStringList>

namespace vtn {

class ListBox;
class TextControl;

// Adds every item of a text file to the end of a list: items end at a comma or a line end and
// lose their surrounding double quotes. A file that cannot be opened adds nothing.
void LoadListFromFile(const QString& path, ListBox& list);
// The items of a text, by the same rules (for callers without a list).
QStringList ReadListItems(const QString& path);

// Gives a list a horizontal scroll extent that fits its longest row and eight blanks, measured
// in the font of the list's window, so a wider row can be scrolled to.
void SetListScrollWidth(ListBox& list);

// Writes a text box's whole text and a CR LF to a file, replacing it. Returns false (and
// writes nothing) when the file cannot be written; callers that must tell the user do so.
bool SaveTextToFile(const QString& fileName, const TextControl& box);

// The choices of the day filters: "All Days", then Saturday to Friday.
const QStringList& DayFilterChoices();

// The choices of the year filters: two-digit years counting up from the first draw's year (99 is
// followed by 00), forty of them, and more when the last draw's year lies further on. Both are
// the two year characters of a date; a last year that is no number adds nothing.
QStringList YearChoices(const QString& firstYear, const QString& lastYear);

// When the second box's value is not 0 and lower than the first's, the two change places, each
// written as a plain decimal number ("07" becomes "7").
void OrderRangeBoxes(TextControl& first, TextControl& second);

// Key filter for dates and balls: Enter and Space become a Tab keystroke; digits, "/" and
// backspace pass; every other key is dropped with a beep.
void DateKeyFilter(int& keyAscii);

// Moves the focus on once a box holds at least one character.
void AutoTab(const TextControl& box);

// The shared report texts and counters.
struct SharedValues {
  QString ReportText;         // the report being built
  QString CachedDataBaseName;
  QString CachedDateOrder;
  QString Scratch = QStringLiteral("0");
  int Counter = 0;
};
SharedValues& Shared();
void ClearSharedValues();

}  // namespace vtn
