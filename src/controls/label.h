#pragma once
// A label that can serve as a button: click, double click, mouse down, up and move.
#include <QLabel>
#include <functional>

#include "controls/control.h"

namespace vtn {

// Mouse handlers take the button (1 left, 2 right, 4 middle), the shift state and the point in twips.
using MouseHandler = std::function<void(int button, int shift, int x, int y)>;

class Label : public QLabel, public Control {
  Q_OBJECT
  VTN_CONTROL_MEMBERS
 public:
  explicit Label(const QString& caption = QString(), QWidget* parent = nullptr);

  QString Caption() const { return text(); }
  void setCaption(const QString& caption) { setText(caption); }

  std::function<void()> onClick;
  std::function<void()> onDblClick;
  MouseHandler onMouseDown;
  MouseHandler onMouseUp;
  MouseHandler onMouseMove;

  // Runs what a user's click runs: mouse down, mouse up, click.
  void Click();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Gives a label the look of a button: a raised light-grey panel with its caption centred.
void MakeButtonLook(Label& label);

int MouseButtonCode(Qt::MouseButtons buttons);
int ShiftCode(Qt::KeyboardModifiers modifiers);

}  // namespace vtn
