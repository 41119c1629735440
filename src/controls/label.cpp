#include "controls/label.h"

#include <QMouseEvent>

#include "controls/twips.h"

namespace vtn {

int MouseButtonCode(Qt::MouseButtons buttons) {
  int code = 0;
  if (buttons & Qt::LeftButton) code |= 1;
  if (buttons & Qt::RightButton) code |= 2;
  if (buttons & Qt::MiddleButton) code |= 4;
  return code;
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
  int code = 0;
  if (modifiers & Qt::ShiftModifier) code |= 1;
  if (modifiers & Qt::ControlModifier) code |= 2;
  if (modifiers & Qt::AltModifier) code |= 4;
  return code;
}

void MakeButtonLook(Label& label) {
  label.setAlignment(Qt::AlignCenter);
  label.setFrameShape(QFrame::Panel);
  label.setFrameShadow(QFrame::Raised);
  label.setLineWidth(2);
  label.setBackColor(kLightGrey);
  label.setCursor(Qt::PointingHandCursor);
}

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent), Control(this) {
  setWordWrap(true);
}

void Label::Click() {
  if (onMouseDown) onMouseDown(1, 0, 0, 0);
  if (onMouseUp) onMouseUp(1, 0, 0, 0);
  if (onClick) onClick();
}

void Label::mousePressEvent(QMouseEvent* event) {
  if (onMouseDown) {
    const QPoint p = event->position().toPoint();
    onMouseDown(MouseButtonCode(event->button()), ShiftCode(event->modifiers()), ToTwips(p.x()), ToTwips(p.y()));
  }
  event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (onMouseUp) onMouseUp(MouseButtonCode(event->button()), ShiftCode(event->modifiers()), ToTwips(p.x()), ToTwips(p.y()));
  if (event->button() == Qt::LeftButton && rect().contains(p) && onClick) onClick();
  event->accept();
}

void Label::mouseMoveEvent(QMouseEvent* event) {
  if (onMouseMove) {
    const QPoint p = event->position().toPoint();
    onMouseMove(MouseButtonCode(event->buttons()), ShiftCode(event->modifiers()), ToTwips(p.x()), ToTwips(p.y()));
  }
  QLabel::mouseMoveEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
  if (onDblClick) onDblClick();
  event->accept();
}

}  // namespace vtn
