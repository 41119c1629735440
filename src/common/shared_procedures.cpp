#include "common/shared_procedures.h"

#include <QFile>
#include <QFontMetrics>
#include <algorithm>
#include <QSaveFile>

#include "common/message.h"
#include "common/numbers.h"
#include "controls/control.h"
#include "controls/events.h"
#include "controls/form.h"
#include "controls/list_box.h"

namespace vtn {

const QStringList& DayFilterChoices() {
  static const QStringList choices = {QStringLiteral("All Days"),  QStringLiteral("Saturday"), QStringLiteral("Sunday"),
                                      QStringLiteral("Monday"),    QStringLiteral("Tuesday"),  QStringLiteral("Wednesday"),
                                      QStringLiteral("Thursday"), QStringLiteral("Friday")};
  return choices;
}

QStringList YearChoices(const QString& firstYear, const QString& lastYear) {
  constexpr int kYearsListed = 40;
  int count = kYearsListed;
  bool lastIsYear = false;
  const int last = lastYear.toInt(&lastIsYear);
  if (lastIsYear && last >= 0 && last <= 99) count = std::max(count, (last - int(Val(firstYear)) + 100) % 100 + 1);
  QStringList years;
  QString year = firstYear;
  for (int i = 0; i < count; ++i) {
    years << (year.size() == 1 ? QStringLiteral("0") + year : year);
    const int next = int(Val(year)) + 1;
    year = next == 100 ? QStringLiteral("0") : QString::number(next);
  }
  return years;
}

QStringList ReadListItems(const QString& path) {
  QStringList items;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return items;
  const QString text = QString::fromLatin1(file.readAll());
  QString item;
  bool quoted = false;
  bool any = false;        // the current item has begun
  bool hadQuotes = false;  // the current item was written in quotes
  auto finish = [&] {
    // An item in quotes keeps its blanks; a bare item loses those around it, as the reader of
    // comma-separated files always has.
    if (!hadQuotes) item = item.trimmed();
    items << item;
    item.clear();
    any = false;
    hadQuotes = false;
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('"')) {
      quoted = !quoted;
      any = true;
      hadQuotes = true;
    } else if (!quoted && c == QLatin1Char(',')) {
      finish();
      any = true;  // a comma always opens another item, even at a line end
    } else if (!quoted && (c == QLatin1Char('\r') || c == QLatin1Char('\n'))) {
      if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
      if (any || !item.isEmpty()) finish();
      else items << QString();
    } else {
      item += c;
      any = true;
    }
  }
  if (any || !item.isEmpty()) finish();
  return items;
}

void LoadListFromFile(const QString& path, ListBox& list) {
  for (const QString& item : ReadListItems(path)) {
    DoEvents();
    list.AddItem(item);
  }
}

void SetListScrollWidth(ListBox& list) {
  QString longest;
  for (const QString& row : list.Rows()) {
    if (row.size() > longest.size()) longest = row;
  }
  QWidget* window = list.parentWidget();
  while (window && !qobject_cast<Form*>(window) && !window->isWindow()) window = window->parentWidget();
  const QFont font = window ? window->font() : list.font();
  const int width = QFontMetrics(font).horizontalAdvance(longest + QString(8, QLatin1Char(' ')));
  // Rows are laid out in cells as wide as the extent; the list scrolls when they are wider than it.
  const int rowHeight = std::max(list.sizeHintForRow(0), QFontMetrics(list.font()).height() + 2);
  list.setTextElideMode(Qt::ElideNone);
  list.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list.setGridSize(QSize(width, rowHeight));
}

bool SaveTextToFile(const QString& fileName, const TextControl& box) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write((box.Text() + QStringLiteral("\r\n")).toLatin1());
  return file.commit();
}

void OrderRangeBoxes(TextControl& first, TextControl& second) {
  const double low = Val(first.Text());
  const double high = Val(second.Text());
  if (high == 0.0 || !(high < low)) return;
  first.setText(NumberText(high));
  second.setText(NumberText(double(RoundHalfEven(low))));
}

void DateKeyFilter(int& keyAscii) {
  if (keyAscii == 13 || keyAscii == 32) {
    keyAscii = 0;
    SendTab();
  }
  const bool passes = keyAscii == 8 || (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '/';
  if (!passes) {
    keyAscii = 0;
    Beep();
  }
}

void AutoTab(const TextControl& box) {
  if (!box.Text().isEmpty()) SendTab();
}

SharedValues& Shared() {
  static SharedValues values;
  return values;
}

void ClearSharedValues() { Shared() = SharedValues(); }

}  // namespace vtn
