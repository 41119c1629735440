#include "controls/buttons.h"

#include <QLineEdit>

namespace vtn {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent), Control(this) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // Qt takes leaving the edit field, or Enter in it, with the text of a row as a pick of that
  // row; here only a pick from the list is one, and typing a text runs no click handling.
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
  // A user's typing that leaves the selected row's text drops the selection.
  connect(this, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (!fromCode_ && text != List(listIndex_)) listIndex_ = -1;
  });
  // A user's pick in the drop-down selects the row and runs the click handling, also when the
  // row was already selected.
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (fromCode_) return;
    listIndex_ = (index >= 0 && index < count()) ? index : -1;
    if (onClick) onClick();
  });
}

void ComboBox::writeEditText(const QString& text) {
  fromCode_ = true;
  setEditText(text);
  fromCode_ = false;
}

void ComboBox::AddItem(const QString& text) {
  const QString shown = currentText();
  fromCode_ = true;
  addItem(text);
  setEditText(shown);
  fromCode_ = false;
}

void ComboBox::Clear() {
  fromCode_ = true;
  clear();  // the edit text goes with the rows
  fromCode_ = false;
  listIndex_ = -1;
}

void ComboBox::setText(const QString& text) {
  if (text != List(listIndex_)) listIndex_ = -1;
  writeEditText(text);
}

void ComboBox::setListIndex(int index) {
  if (index < -1 || index >= count()) index = -1;
  if (index == listIndex_) return;
  listIndex_ = index;
  if (index >= 0) {
    fromCode_ = true;
    setCurrentIndex(index);
    fromCode_ = false;
    writeEditText(itemText(index));
  }
  if (onClick) onClick();
}

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent), Control(this) {
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (!fromCode_ && isChecked() && onClick) onClick();
  });
}

void OptionButton::setValue(bool on) {
  if (on == isChecked()) return;
  fromCode_ = true;
  if (on) {
    setChecked(true);
  } else {
    // Qt refuses to uncheck the checked button of an exclusive set; the program may leave none.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
  }
  fromCode_ = false;
  if (on && onClick) onClick();
}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent), Control(this) {
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (!fromCode_ && onClick) onClick();
  });
}

void CheckBox::setValue(int value) {
  const bool on = value != 0;
  if (on == isChecked()) return;
  fromCode_ = true;
  setChecked(on);
  fromCode_ = false;
  if (onClick) onClick();
}

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent), Control(this) {
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (onClick) onClick();
  });
}

}  // namespace vtn
