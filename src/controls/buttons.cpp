#include "controls/buttons.h"

#include <QLineEdit>

namespace vtn {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent), Control(this) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this] {
    if (!fromCode_ && onClick) onClick();
  });
}

void ComboBox::Clear() {
  fromCode_ = true;
  clear();
  fromCode_ = false;
}

void ComboBox::setText(const QString& text) {
  fromCode_ = true;
  setEditText(text);
  fromCode_ = false;
}

void ComboBox::setListIndex(int index) {
  if (index < -1 || index >= count()) index = -1;
  if (index == currentIndex()) return;
  fromCode_ = true;
  setCurrentIndex(index);
  fromCode_ = false;
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
