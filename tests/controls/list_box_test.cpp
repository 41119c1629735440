// Lists: ordinal sorting, safe row reads, and click handling that runs only on a real change.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QMimeData>
#include <algorithm>
#include <climits>
#include <memory>

#include "controls/list_box.h"

namespace {

QStringList rowsOf(const vtn::ListBox& list) {
  QStringList rows;
  for (int i = 0; i < list.ListCount(); ++i) rows << list.List(i);
  return rows;
}

TEST(ListBox, RowsOutOfRangeReadEmptyAndRemoveNothing) {
  vtn::ListBox list;
  for (int index : {-1, 0, INT_MAX, INT_MIN}) EXPECT_EQ(list.List(index), "");
  list.AddItem("a");
  list.AddItem("b");
  for (int index : {-1, 2, 3, INT_MAX, INT_MIN}) {
    EXPECT_EQ(list.List(index), "") << index;
    list.RemoveItem(index);
    EXPECT_FALSE(list.Selected(index));
  }
  EXPECT_EQ(rowsOf(list), QStringList({"a", "b"}));
  EXPECT_EQ(list.Text(), "");  // nothing selected
}

TEST(ListBox, SortedListKeepsOrdinalOrderWhateverTheAddingOrder) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));  // not a byte-order locale
  const QStringList sorted = {"012 07", "012 12", "012 7", "041 33", "9 01", "B", "a"};
  QStringList order = sorted;
  for (int pass = 0; pass < 3; ++pass) {
    if (pass == 1) std::reverse(order.begin(), order.end());
    if (pass == 2) order = {"9 01", "012 7", "a", "041 33", "012 12", "B", "012 07"};
    vtn::ListBox list(true);
    for (const QString& row : order) list.AddItem(row);
    EXPECT_EQ(rowsOf(list), sorted) << "pass " << pass;
  }
  QLocale::setDefault(saved);
}

TEST(ListBox, CountBallOrderIsTextOrderBelow1000AndByCountAbove) {
  // Below 1000 the order is exactly plain text order, "012 12" before "012 7".
  const QStringList small = {"000 5", "012 07", "012 12", "012 7", "099 3", "999 18"};
  // From 1000 on, the count decides first: "1000 15" follows "999 18".
  const QStringList large = {"012 7", "999 18", "1000 15", "1000 7", "4138 9", "32767 1"};
  for (const QStringList& sorted : {small, large}) {
    QStringList order = sorted;
    std::reverse(order.begin(), order.end());
    vtn::ListBox list(true), atOnce(true);
    list.setCountBallOrder(true);
    atOnce.setCountBallOrder(true);
    for (const QString& row : order) list.AddItem(row);
    atOnce.AddItems(order);
    EXPECT_EQ(rowsOf(list), sorted);
    EXPECT_EQ(rowsOf(atOnce), sorted);
  }
  EXPECT_TRUE(vtn::CountBallLess("012 12", "012 7"));
  EXPECT_FALSE(vtn::CountBallLess("1000 15", "999 18"));
  EXPECT_TRUE(vtn::CountBallLess("B", "a"));  // rows without a count: plain text order
}

TEST(ListBox, UserPressRunsClickEvenOnTheSelectedRowThenMouseDownAndUp) {
  vtn::ListBox list;
  list.resize(200, 200);
  for (const char* row : {"a", "b", "c"}) list.AddItem(row);
  list.show();
  QStringList events;
  list.onClick = [&] { events << "click" + list.Text(); };
  list.onMouseDown = [&](int button, int, int, int) { events << QStringLiteral("down%1").arg(button) + list.Text(); };
  list.onMouseUp = [&](int button, int, int, int) { events << QStringLiteral("up%1").arg(button) + list.Text(); };
  auto press = [&](int row, QEvent::Type type) {
    const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
    QMouseEvent event(type, at, list.viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &event);
  };
  for (int row : {1, 1, 2}) {
    press(row, QEvent::MouseButtonPress);
    press(row, QEvent::MouseButtonRelease);
  }
  EXPECT_EQ(events, QStringList({"clickb", "down1b", "up1b", "clickb", "down1b", "up1b", "clickc", "down1c", "up1c"}));
}

TEST(ListBox, UnsortedListKeepsAddingOrderAndInsertsBeforeAnIndex) {
  vtn::ListBox list;
  for (const char* row : {"012 7", "9 01", "012 12"}) list.AddItem(row);
  list.AddItem("first", 0);
  list.AddItem("last", 99);
  EXPECT_EQ(rowsOf(list), QStringList({"first", "012 7", "9 01", "012 12", "last"}));
  list.RemoveItem(1);
  EXPECT_EQ(rowsOf(list), QStringList({"first", "9 01", "012 12", "last"}));
}

TEST(ListBox, SelectionFromCodeRunsClickOnlyOnAChange) {
  vtn::ListBox list;
  for (const char* row : {"a", "b", "c"}) list.AddItem(row);
  QStringList clicks;
  list.onClick = [&] { clicks << QString::number(list.ListIndex()) + list.Text(); };
  list.setListIndex(1);
  list.setListIndex(1);
  list.setListIndex(2);
  list.setListIndex(-1);
  list.setListIndex(-1);
  list.setListIndex(99);  // no such row: stays unselected
  EXPECT_EQ(clicks, QStringList({"1b", "2c", "-1"}));

  // Removing the selected row selects none; selecting the row now in its place clicks.
  list.setListIndex(1);
  clicks.clear();
  list.RemoveItem(1);
  EXPECT_EQ(list.ListIndex(), -1);
  list.setListIndex(1);
  list.setListIndex(0);
  list.RemoveItem(1);  // a row after the selected one: the selection stays
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(clicks, QStringList({"1c", "0a"}));

  clicks.clear();
  list.Clear();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ListIndex(), -1);
  list.AddItem("new");
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_TRUE(clicks.isEmpty());
}

TEST(ListBox, MultiSelectMarksFollowTheirRowsAndRunNoClick) {
  vtn::ListBox list(true);
  list.setMultiSelect(true);
  for (const char* row : {"b", "d", "f"}) list.AddItem(row);
  int clicks = 0;
  list.onClick = [&] { ++clicks; };
  list.setSelected(0, true);
  list.setSelected(2, true);
  list.setSelected(7, true);
  list.AddItem("a");
  list.AddItem("e");
  // a b d e f: the marks stay on "b" and "f"
  EXPECT_EQ(list.SelCount(), 2);
  QStringList marked;
  for (int i = 0; i < list.ListCount(); ++i)
    if (list.Selected(i)) marked << list.List(i);
  EXPECT_EQ(marked, QStringList({"b", "f"}));
  list.setSelected(1, false);
  EXPECT_EQ(list.SelCount(), 1);
  EXPECT_EQ(clicks, 0);
  list.Clear();
  EXPECT_EQ(list.SelCount(), 0);
}

TEST(ListBox, DragDataIsWhatTheHandlerFills) {
  vtn::ListBox list;
  EXPECT_EQ(list.StartDragData(), nullptr);
  list.AddItem("012 07");
  list.AddItem("015 33");
  list.setListIndex(1);
  list.onStartDrag = [&](QMimeData& data) { data.setText(list.Text()); };
  std::unique_ptr<QMimeData> data(list.StartDragData());
  ASSERT_TRUE(data);
  EXPECT_EQ(data->text(), "015 33");
}

}  // namespace
