#pragma once
// List boxes, sorted or in the order of adding, with one or several selected rows.
// Reading a row that does not exist gives the empty text. A sorted list keeps ascending ordinal
// (code unit) order, so "012 12" comes before "012 7" whatever the user's locale.
#include <QAbstractListModel>
#include <QListView>
#include <QStringList>
#include <functional>

#include "controls/control.h"
#include "controls/label.h"

class QMimeData;

namespace vtn {

// The order of a count-ball list: true when row a comes before row b.
bool CountBallLess(const QString& a, const QString& b);

class ListRows : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  const QStringList& rows() const { return rows_; }
  void insertRow(int at, const QString& text);
  void resetRows(QStringList rows);
  void removeRowAt(int at);
  void clearRows();

 private:
  QStringList rows_;
};

class ListBox : public QListView, public Control {
  Q_OBJECT
  VTN_CONTROL_MEMBERS
 public:
  explicit ListBox(bool sorted = false, QWidget* parent = nullptr);

  bool Sorted() const { return sorted_; }
  // A sorted list of count-ball rows ("012 07") orders by the count before the first blank as a
  // number, then by the rest of the row as text: plain text order while counts have three
  // digits, and still by count once they reach 1000.
  void setCountBallOrder(bool on) { countBallOrder_ = on; }
  bool CountBallOrder() const { return countBallOrder_; }
  bool MultiSelect() const { return multi_; }
  void setMultiSelect(bool on);

  int ListCount() const { return rows_.rowCount(); }
  QString List(int index) const;
  const QStringList& Rows() const { return rows_.rows(); }
  // Adds at the sorted place, or at the end of an unsorted list (or before `index` when given).
  void AddItem(const QString& text, int index = -1);
  // Adds many rows at once, in the order AddItem one by one would give, with one model reset
  // when the list is empty: a pass that lists thousands of draws inserts no row at a time.
  void AddItems(const QStringList& texts);
  // Removing the selected row leaves no row selected (ListIndex -1); no click handling runs.
  void RemoveItem(int index);
  void Clear();

  // The selected row of a single-selection list, the current row of a multi-selection list;
  // -1 for none. Changing it from code runs the click handling; an unchanged value runs nothing.
  int ListIndex() const;
  void setListIndex(int index);
  QString Text() const { return List(ListIndex()); }

  // Row marks of a multi-selection list (also usable on a single one). No click handling runs.
  bool Selected(int index) const;
  void setSelected(int index, bool on);
  int SelCount() const;

  void Refresh() { viewport()->update(); }

  std::function<void()> onClick;
  std::function<void()> onDblClick;
  MouseHandler onMouseMove;
  // A press runs after it has moved the selection (and after its click handling).
  MouseHandler onMouseDown;
  MouseHandler onMouseUp;
  // Set to make the list a drag source: fills the drag data from the current row.
  std::function<void(QMimeData& data)> onStartDrag;
  // The data a drag from this list carries now (the caller owns it); null when it is no source.
  QMimeData* StartDragData();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QModelIndex rowIndex(int row) const { return rows_.index(row, 0); }

  ListRows rows_;
  bool sorted_;
  bool multi_ = false;
  bool countBallOrder_ = false;
  bool fromCode_ = false;
  QPoint pressPos_;
  bool dragArmed_ = false;
};

}  // namespace vtn
