#pragma once
#include <QGroupBox>

#include "controls/control.h"

namespace vtn {

// A captioned frame that holds other controls; their places are counted from its top-left corner.
class Frame : public QGroupBox, public Control {
  Q_OBJECT
  VTN_CONTROL_MEMBERS
 public:
  explicit Frame(const QString& caption = QString(), QWidget* parent = nullptr)
      : QGroupBox(caption, parent), Control(this) {}
};

}  // namespace vtn
