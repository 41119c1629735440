#include "controls/control.h"

#include <QPalette>

#include "controls/twips.h"

namespace vtn {

void Control::Move(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  self_->setGeometry(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

void Control::setEnabled(bool on) {
  enabled_ = on;
  self_->setEnabled(on);
}

void Control::setVisible(bool on) {
  visible_ = on;
  self_->setVisible(on);
}

void Control::setBackColor(BgrColor bgr) {
  backColor_ = bgr;
  colorSet_ = true;
  applyBackColor();
}

void Control::setForeColor(BgrColor bgr) {
  foreColor_ = bgr;
  QPalette p = self_->palette();
  p.setColor(QPalette::WindowText, ToQColor(bgr));
  p.setColor(QPalette::Text, ToQColor(bgr));
  self_->setPalette(p);
}

void Control::applyBackColor() {
  QPalette p = self_->palette();
  p.setColor(QPalette::Window, ToQColor(backColor_));
  p.setColor(QPalette::Base, ToQColor(backColor_));
  p.setColor(QPalette::Button, ToQColor(backColor_));
  self_->setPalette(p);
  self_->setAutoFillBackground(true);
}

}  // namespace vtn
