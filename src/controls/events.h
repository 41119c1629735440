#pragma once
// Letting pending window events run, and the Tab keystroke that moves the focus on.
class QWidget;

namespace vtn {

// Lets pending window events run (timers, paints, user input) and returns.
void DoEvents();

// Moves the focus from the focused control to the next one of its window's tab order, once the
// key now being handled is done (as a Tab keystroke sent to the window would).
void SendTab();

// Moves the focus from `from` to the next control of its window's tab order at once.
void FocusNext(QWidget* from);

}  // namespace vtn
