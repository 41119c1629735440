#pragma once
// Combo boxes, option buttons and check boxes with the kit's event rules.
#include <QCheckBox>
#include <QPushButton>
#include <QComboBox>
#include <QRadioButton>
#include <functional>

#include "controls/control.h"

namespace vtn {

class ComboBox : public QComboBox, public Control {
  Q_OBJECT
  VTN_CONTROL_MEMBERS
 public:
  explicit ComboBox(QWidget* parent = nullptr);

  // Adding a row keeps the edit text and selects nothing.
  void AddItem(const QString& text);
  int ListCount() const { return count(); }
  QString List(int index) const { return (index >= 0 && index < count()) ? itemText(index) : QString(); }
  // Removes every row and the edit text; no row is selected afterwards.
  void Clear();

  // The edit text. Writing it runs no click handling; a text other than the selected row's
  // leaves no row selected, so a later selection of any row runs the click handling.
  QString Text() const { return currentText(); }
  void setText(const QString& text);

  // The selected row, kept by the combo itself (Qt's current index follows the first row
  // added). Changing it from code shows the row's text and runs the click handling; an
  // unchanged row runs nothing.
  int ListIndex() const { return listIndex_; }
  void setListIndex(int index);

  std::function<void()> onClick;

 private:
  void writeEditText(const QString& text);

  bool fromCode_ = false;
  int listIndex_ = -1;
};

class OptionButton : public QRadioButton, public Control {
  Q_OBJECT
  VTN_CONTROL_MEMBERS
 public:
  explicit OptionButton(const QString& caption = QString(), QWidget* parent = nullptr);

  bool Value() const { return isChecked(); }
  // Selecting the button from code runs its click handling; deselecting runs nothing.
  void setValue(bool on);

  std::function<void()> onClick;

 private:
  bool fromCode_ = false;
};

class CheckBox : public QCheckBox, public Control {
  Q_OBJECT
  VTN_CONTROL_MEMBERS
 public:
  explicit CheckBox(const QString& caption = QString(), QWidget* parent = nullptr);

  int Value() const { return isChecked() ? 1 : 0; }
  // A changed value runs the click handling, as a user's click does.
  void setValue(int value);

  std::function<void()> onClick;

 private:
  bool fromCode_ = false;
};

class CommandButton : public QPushButton, public Control {
  Q_OBJECT
  VTN_CONTROL_MEMBERS
 public:
  explicit CommandButton(const QString& caption = QString(), QWidget* parent = nullptr);

  std::function<void()> onClick;
};

}  // namespace vtn
