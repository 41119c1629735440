#pragma once
// What every control of the kit has: a tag text, enabled and visible flags of its own, a back
// colour and a place and size in twips.
#include <QString>
#include <QWidget>

#include "controls/colors.h"

namespace vtn {

class Control {
 public:
  explicit Control(QWidget* self) : self_(self) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  QString Tag;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void setLeft(int twips) { Move(twips, top_, width_, height_); }
  void setTop(int twips) { Move(left_, twips, width_, height_); }
  void setWidth(int twips) { Move(left_, top_, twips, height_); }
  void setHeight(int twips) { Move(left_, top_, width_, twips); }
  void Move(int left, int top, int width, int height);

  bool Enabled() const { return enabled_; }
  void setEnabled(bool on);
  bool Visible() const { return visible_; }
  void setVisible(bool on);

  BgrColor BackColor() const { return backColor_; }
  void setBackColor(BgrColor bgr);
  BgrColor ForeColor() const { return foreColor_; }
  void setForeColor(BgrColor bgr);

  QString ToolTipText() const { return self_->toolTip(); }
  void setToolTipText(const QString& text) { self_->setToolTip(text); }

  QWidget* widget() const { return self_; }

 protected:
  virtual void applyBackColor();

 private:
  QWidget* self_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  BgrColor backColor_ = kWhite;
  BgrColor foreColor_ = 0x000000;
  bool colorSet_ = false;
};

// Text boxes of either kind, for the shared procedures that take "a text box".
class TextControl : public Control {
 public:
  using Control::Control;
  virtual QString Text() const = 0;
  // Writing a different text runs the change handling at once; an equal text runs nothing.
  virtual void setText(const QString& text) = 0;
};

// Kit classes derive from a Qt widget and Control: this makes the Control flags win.
#define VTN_CONTROL_MEMBERS \
 public:                   \
  using vtn::Control::setEnabled; \
  using vtn::Control::setVisible;

}  // namespace vtn
