#pragma once
// Plain rules used while generating a perm: padding of one-digit numbers, collecting the
// distinct numbers of the boxes, the pick list rows and the check for incomplete lines.
#include <QString>
#include <QStringList>

namespace vtn::perm {

// A text of exactly one character gets "0" in front ("7" -> "07"); any other text is returned
// unchanged.
QString padSingleDigit(const QString& text);

// The distinct texts whose number value is above 0, in ascending text order ("00", "0" and the
// empty text are left out). Texts are compared exactly, so "7" and "07" are both kept.
QStringList distinctNumbers(const QStringList& texts);

// The pick list: "01" to "99" in ascending order.
QStringList quickListRows();

// Index of the first line shorter than `fullLength` (17 for six-number lines, 14 for five), or
// -1 when every line is complete.
int firstShortLine(const QStringList& lines, int fullLength);

}  // namespace vtn::perm
