#include "controls/list_box.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>

#include "controls/twips.h"

namespace vtn {

namespace {
// The count at the start of a row, up to its first blank; false when the row has none.
bool leadingCount(const QString& row, qsizetype& blank, long long& count) {
  count = 0;
  blank = 0;
  while (blank < row.size() && row.at(blank).isDigit() && row.at(blank).unicode() < 128) {
    if (count < (1LL << 40)) count = count * 10 + (row.at(blank).unicode() - '0');
    ++blank;
  }
  return blank > 0 && (blank == row.size() || row.at(blank) == QLatin1Char(' '));
}
}  // namespace

bool CountBallLess(const QString& a, const QString& b) {
  qsizetype aBlank, bBlank;
  long long aCount, bCount;
  if (!leadingCount(a, aBlank, aCount) || !leadingCount(b, bBlank, bCount)) return a < b;
  if (aCount != bCount) return aCount < bCount;
  return QStringView(a).mid(aBlank) < QStringView(b).mid(bBlank);
}

int ListRows::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

QVariant ListRows::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_.size()) return {};
  return rows_.at(index.row());
}

void ListRows::insertRow(int at, const QString& text) {
  beginInsertRows(QModelIndex(), at, at);
  rows_.insert(at, text);
  endInsertRows();
}

void ListRows::removeRowAt(int at) {
  beginRemoveRows(QModelIndex(), at, at);
  rows_.removeAt(at);
  endRemoveRows();
}

void ListRows::resetRows(QStringList rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

void ListRows::clearRows() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

ListBox::ListBox(bool sorted, QWidget* parent) : QListView(parent), Control(this), sorted_(sorted) {
  setModel(&rows_);
  setUniformItemSizes(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  viewport()->setMouseTracking(true);
  // A user's change of the selection runs the click handling; changes from code run it themselves.
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (!fromCode_ && onClick) onClick();
  });
}

void ListBox::setMultiSelect(bool on) {
  multi_ = on;
  setSelectionMode(on ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
}

QString ListBox::List(int index) const {
  const QStringList& rows = rows_.rows();
  return (index >= 0 && index < rows.size()) ? rows.at(index) : QString();
}

void ListBox::AddItem(const QString& text, int index) {
  const QStringList& rows = rows_.rows();
  int at = int(rows.size());
  if (sorted_ && countBallOrder_) {
    at = int(std::upper_bound(rows.begin(), rows.end(), text, CountBallLess) - rows.begin());
  } else if (sorted_) {
    at = int(std::upper_bound(rows.begin(), rows.end(), text) - rows.begin());
  }
  else if (index >= 0 && index < rows.size()) at = index;
  fromCode_ = true;
  rows_.insertRow(at, text);
  fromCode_ = false;
}

void ListBox::AddItems(const QStringList& texts) {
  if (ListCount() > 0) {
    for (const QString& text : texts) AddItem(text);
    return;
  }
  // A stable sort keeps equal rows in adding order, as inserting each after its equals does.
  QStringList rows = texts;
  if (sorted_ && countBallOrder_) std::stable_sort(rows.begin(), rows.end(), CountBallLess);
  else if (sorted_) std::stable_sort(rows.begin(), rows.end());
  fromCode_ = true;
  rows_.resetRows(std::move(rows));
  fromCode_ = false;
}

void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return;
  fromCode_ = true;
  // Removing the selected row leaves no row selected. Qt would move the selection to a
  // neighbour without a click, and a later setListIndex to that row would then run none.
  if (selectionModel()->currentIndex().row() == index) {
    if (!multi_) selectionModel()->clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }
  rows_.removeRowAt(index);
  fromCode_ = false;
}

void ListBox::Clear() {
  fromCode_ = true;
  rows_.clearRows();
  selectionModel()->clear();
  fromCode_ = false;
}

int ListBox::ListIndex() const {
  const QModelIndex current = selectionModel()->currentIndex();
  if (!current.isValid()) return -1;
  if (!multi_ && !selectionModel()->isSelected(current)) return -1;
  return current.row();
}

void ListBox::setListIndex(int index) {
  if (index < -1 || index >= ListCount()) index = -1;
  if (index == ListIndex()) return;
  fromCode_ = true;
  if (index < 0) {
    if (!multi_) selectionModel()->clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  } else if (multi_) {
    selectionModel()->setCurrentIndex(rowIndex(index), QItemSelectionModel::NoUpdate);
  } else {
    selectionModel()->setCurrentIndex(rowIndex(index), QItemSelectionModel::ClearAndSelect);
  }
  fromCode_ = false;
  if (index >= 0) scrollTo(rowIndex(index));
  if (onClick) onClick();
}

bool ListBox::Selected(int index) const {
  return index >= 0 && index < ListCount() && selectionModel()->isSelected(rowIndex(index));
}

void ListBox::setSelected(int index, bool on) {
  if (index < 0 || index >= ListCount()) return;
  fromCode_ = true;
  selectionModel()->select(rowIndex(index), on ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
  fromCode_ = false;
}

int ListBox::SelCount() const { return int(selectionModel()->selectedIndexes().size()); }

QMimeData* ListBox::StartDragData() {
  if (!onStartDrag) return nullptr;
  auto* data = new QMimeData;
  onStartDrag(*data);
  return data;
}

void ListBox::mousePressEvent(QMouseEvent* event) {
  const int before = ListIndex();
  const bool wasSelected = before >= 0 && Selected(before);
  QListView::mousePressEvent(event);
  pressPos_ = event->position().toPoint();
  // A click on the row that is already selected runs the click handling as a pick does; Qt
  // reports no selection change for it.
  if (!multi_ && event->button() == Qt::LeftButton && wasSelected && before == ListIndex() &&
      QListView::indexAt(pressPos_).row() == before && onClick) {
    onClick();
  }
  if (onMouseDown) {
    onMouseDown(MouseButtonCode(event->button()), ShiftCode(event->modifiers()), ToTwips(pressPos_.x()),
                ToTwips(pressPos_.y()));
  }
  dragArmed_ = onStartDrag && event->button() == Qt::LeftButton && QListView::indexAt(pressPos_).isValid();
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (onMouseMove) onMouseMove(MouseButtonCode(event->buttons()), ShiftCode(event->modifiers()), ToTwips(p.x()), ToTwips(p.y()));
  if (dragArmed_ && (event->buttons() & Qt::LeftButton) &&
      (p - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
    dragArmed_ = false;
    if (QMimeData* data = StartDragData()) {
      auto* drag = new QDrag(this);
      drag->setMimeData(data);
      drag->exec(Qt::CopyAction);
    }
    return;
  }
  QListView::mouseMoveEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListView::mouseReleaseEvent(event);
  dragArmed_ = false;
  if (onMouseUp) {
    const QPoint p = event->position().toPoint();
    onMouseUp(MouseButtonCode(event->button()), ShiftCode(event->modifiers()), ToTwips(p.x()), ToTwips(p.y()));
  }
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QListView::mouseDoubleClickEvent(event);
  if (onDblClick) onDblClick();
}

}  // namespace vtn
