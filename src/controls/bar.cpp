#include "controls/bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "controls/twips.h"

namespace vtn {

Bar::Bar(Qt::Orientation orientation, QWidget* parent) : QWidget(parent), Control(this), orientation_(orientation) {
  setMouseTracking(true);
}

void Bar::setValue(float value) {
  if (value == value_) return;
  value_ = value;
  update();
}

void Bar::setMax(float max) {
  max_ = max;
  update();
}

void Bar::setBorderStyle(int style) {
  borderStyle_ = style;
  update();
}

void Bar::setBarColor(BgrColor bgr) {
  barColor_ = bgr;
  update();
}

void Bar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  const float share = max_ > 0 ? std::clamp(value_ / max_, 0.0f, 1.0f) : 0.0f;
  QRect filled = rect();
  if (orientation_ == Qt::Vertical) {
    const int h = int(float(height()) * share + 0.5f);
    filled.setTop(height() - h);
  } else {
    filled.setWidth(int(float(width()) * share + 0.5f));
  }
  painter.fillRect(filled, ToQColor(barColor_));
  if (borderStyle_ != 0) {
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
  }
}

void Bar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
}

void Bar::mouseMoveEvent(QMouseEvent* event) {
  if (!onMouseMove) return;
  const QPoint p = event->position().toPoint();
  onMouseMove(MouseButtonCode(event->buttons()), ShiftCode(event->modifiers()), ToTwips(p.x()), ToTwips(p.y()));
}

}  // namespace vtn
