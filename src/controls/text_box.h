#pragma once
// Single-line and multi-line text boxes. A text written from code runs the change handling at
// once, nested inside the writer, exactly as typing does; an equal text runs nothing.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

#include "controls/control.h"

class QMimeData;

namespace vtn {

class TextBox : public QLineEdit, public TextControl {
  Q_OBJECT
  VTN_CONTROL_MEMBERS
 public:
  explicit TextBox(QWidget* parent = nullptr);

  QString Text() const override { return QLineEdit::text(); }
  void setText(const QString& text) override;
  void SetFocus();
  // The flat look while the box has the focus, the 3-D look otherwise.
  void setAppearance3D(bool on) { setFrame(on); }

  std::function<void()> onChange;
  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;
  std::function<void()> onDblClick;
  // The key as a character code (13 Enter, 8 backspace); setting it to 0 drops the key.
  std::function<void(int& keyAscii)> onKeyPress;
  // Set to accept dropped plain text.
  std::function<void(const QMimeData& data)> onDrop;
  // Set to take pasted text, however it is pasted (the paste keys, the context menu's Paste, a
  // middle click), instead of the box inserting it.
  std::function<void(const QString& text)> onPaste;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void runChange();
};

class TextArea : public QPlainTextEdit, public TextControl {
  Q_OBJECT
  VTN_CONTROL_MEMBERS
 public:
  explicit TextArea(QWidget* parent = nullptr);

  QString Text() const override;
  void setText(const QString& text) override;

  std::function<void()> onChange;

 private:
  bool writing_ = false;
};

// The key code that a key event stands for, or -1 for keys without one (arrows, function keys).
int KeyAsciiOf(const QKeyEvent& event);

}  // namespace vtn
