#pragma once
// Keystrokes and window activation for control tests, sent the way a user's would arrive.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "controls/events.h"

namespace vtn::test {

// A key press and release with the given key and text, sent to the widget.
inline void pressKey(QWidget& to, int key, const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&to, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(&to, &release);
}

// Types printable characters, one keystroke each.
inline void typeText(QWidget& to, const QString& text) {
  for (QChar c : text) pressKey(to, c.toUpper().unicode(), QString(c));
}

// Shows a top-level window and makes it the active one, so that focus moves are real.
inline bool showActive(QWidget& window) {
  window.show();
  QApplication::setActiveWindow(&window);
  for (int i = 0; i < 50 && QApplication::activeWindow() != &window; ++i) DoEvents();
  return QApplication::activeWindow() == &window;
}

}  // namespace vtn::test
