#pragma once
// The graph bar: a progress bar used as one column of a graph, with a single-precision value
// and maximum, and a border style that serves as a marker.
#include <QWidget>
#include <functional>

#include "controls/control.h"
#include "controls/label.h"

namespace vtn {

class Bar : public QWidget, public Control {
  Q_OBJECT
  VTN_CONTROL_MEMBERS
 public:
  explicit Bar(Qt::Orientation orientation = Qt::Vertical, QWidget* parent = nullptr);

  float Value() const { return value_; }
  void setValue(float value);
  float Max() const { return max_; }
  void setMax(float max);
  int BorderStyle() const { return borderStyle_; }
  void setBorderStyle(int style);
  // The fill colour of the bar, blue-green-red.
  void setBarColor(BgrColor bgr);

  std::function<void()> onClick;
  MouseHandler onMouseMove;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  Qt::Orientation orientation_;
  float value_ = 0.0f;
  float max_ = 100.0f;
  int borderStyle_ = 0;
  BgrColor barColor_ = 0xC07000;
};

}  // namespace vtn
