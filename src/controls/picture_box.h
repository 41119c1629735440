#pragma once
#include <QFrame>

#include "controls/control.h"

namespace vtn {

// A plain panel that holds other controls (the background panels of the windows); their places
// are counted from its top-left corner, in twips as everywhere.
class PictureBox : public QFrame, public Control {
  Q_OBJECT
  VTN_CONTROL_MEMBERS
 public:
  explicit PictureBox(QWidget* parent = nullptr) : QFrame(parent), Control(this) {
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
  }
};

}  // namespace vtn
