// Combo boxes, option buttons and check boxes: click handling from code only on a real change.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QWidget>

#include "controls/buttons.h"
#include "controls/typing.h"

namespace {

TEST(ComboBox, RowChangeFromCodeClicksOnceAndTextWriteNever) {
  vtn::ComboBox combo;
  for (const char* item : {"Lotto", "Thunderball", "EuroMillions"}) combo.AddItem(item);
  QStringList clicks;
  combo.onClick = [&] { clicks << QString::number(combo.ListIndex()) + combo.Text(); };
  combo.setListIndex(1);
  combo.setListIndex(1);
  combo.setText("Typed");
  combo.setText("Lotto");
  combo.setListIndex(2);
  EXPECT_EQ(clicks, QStringList({"1Thunderball", "2EuroMillions"}));

  clicks.clear();
  EXPECT_EQ(combo.List(-1), "");
  EXPECT_EQ(combo.List(3), "");
  combo.Clear();
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(combo.ListCount(), 0);
  EXPECT_TRUE(clicks.isEmpty());
}

TEST(ComboBox, KeepsItsOwnRowSoAFreshListClicksOnRowZero) {
  vtn::ComboBox combo;
  combo.setText("All");
  QStringList clicks;
  combo.onClick = [&] { clicks << QString::number(combo.ListIndex()) + combo.Text(); };
  // Filling keeps the text and selects nothing, so selecting row 0 is a change and clicks.
  combo.AddItem("All");
  combo.AddItem("97");
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(combo.Text(), "All");
  combo.setListIndex(0);
  // A text written from code leaves the row; selecting that row again clicks and shows it.
  combo.setText("05");
  EXPECT_EQ(combo.ListIndex(), -1);
  combo.setListIndex(0);
  // Writing the selected row's own text keeps the row.
  combo.setText("All");
  combo.setListIndex(0);
  EXPECT_EQ(clicks, QStringList({"0All", "0All"}));

  // Clearing and refilling: row 0 clicks again.
  combo.Clear();
  EXPECT_EQ(combo.Text(), "");
  combo.AddItem("All");
  combo.setListIndex(0);
  EXPECT_EQ(clicks.size(), 3);

  // A text that is no row survives the refill too; Qt would show the first row added.
  combo.Clear();
  combo.setText("05");
  combo.AddItem("All");
  combo.AddItem("97");
  EXPECT_EQ(combo.Text(), "05");
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(clicks.size(), 3);
}

// Typing over the selected row's text leaves the row, so selecting that row again clicks.
TEST(ComboBox, TypingLeavesTheSelectedRow) {
  vtn::ComboBox combo;
  for (const char* item : {"All", "01", "02"}) combo.AddItem(item);
  combo.setListIndex(1);
  QStringList clicks;
  combo.onClick = [&] { clicks << QString::number(combo.ListIndex()) + combo.Text(); };
  vtn::test::pressKey(*combo.lineEdit(), Qt::Key_Backspace);
  vtn::test::typeText(*combo.lineEdit(), "7");
  EXPECT_EQ(combo.Text(), "07");
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_TRUE(clicks.isEmpty());
  combo.setListIndex(1);
  EXPECT_EQ(clicks, QStringList({"101"}));
}

// A user's pick of a row runs the click, also a pick of the selected row.
TEST(ComboBox, UserPickClicksEvenOnTheSelectedRow) {
  vtn::ComboBox combo;
  for (const char* item : {"All", "01", "02"}) combo.AddItem(item);
  QStringList clicks;
  combo.onClick = [&] { clicks << QString::number(combo.ListIndex()) + combo.Text(); };
  for (int row : {2, 2}) {
    combo.setCurrentIndex(row);
    emit combo.activated(row);
  }
  EXPECT_EQ(clicks, QStringList({"202", "202"}));
}

// Leaving or pressing Enter in the edit field with the text of a row is no pick.
TEST(ComboBox, FinishingAnEditRunsNoClick) {
  QWidget window;
  vtn::ComboBox combo(&window);
  for (const char* item : {"All", "01", "02"}) combo.AddItem(item);
  int clicks = 0;
  combo.onClick = [&] { ++clicks; };
  combo.setText("02");
  emit combo.lineEdit()->editingFinished();
  emit combo.lineEdit()->returnPressed();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(combo.Text(), "02");
}

TEST(OptionButton, SelectingFromCodeClicksOnceAndClearsTheOthers) {
  QWidget frame;
  vtn::OptionButton a("A", &frame), b("B", &frame), c("C", &frame);
  QStringList clicks;
  for (auto* option : {&a, &b, &c})
    option->onClick = [&, option] { clicks << option->text() + (option->Value() ? "1" : "0"); };
  a.setValue(true);
  b.setValue(true);
  b.setValue(true);
  EXPECT_EQ(clicks, QStringList({"A1", "B1"}));
  EXPECT_FALSE(a.Value());
  EXPECT_TRUE(b.Value());

  // Deselecting runs nothing, and leaves the group with no selected button.
  clicks.clear();
  b.setValue(false);
  a.setValue(false);
  EXPECT_FALSE(b.Value());
  EXPECT_TRUE(clicks.isEmpty());
  c.setValue(true);
  EXPECT_EQ(clicks, QStringList({"C1"}));
  EXPECT_FALSE(b.Value());
}

TEST(CheckBox, ValueChangeFromCodeClicksOnce) {
  vtn::CheckBox box("Bonus");
  QList<int> clicks;
  box.onClick = [&] { clicks << box.Value(); };
  for (int value : {1, 1, 0, 0, 1}) box.setValue(value);
  EXPECT_EQ(clicks, QList<int>({1, 0, 1}));
}

}  // namespace
