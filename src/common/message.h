#pragma once
// Every message box and beep of the program goes through these two functions, so a test can
// swap in a recorder and no test ever waits on a dialog.
#include <QString>
#include <functional>

namespace vtn {

// The program's title: the caption of every message box that names no other.
inline const QString kProgramTitle = QStringLiteral("VTNv3_8");

enum MsgButtons { vbOKOnly = 0, vbYesNo = 4 };
enum MsgResult { vbOK = 1, vbYes = 6, vbNo = 7 };

// Shows a modal message box; returns the button pressed. An empty title means the program's title.
int MsgBox(const QString& text, const QString& title = QString(), int buttons = vbOKOnly);
void Beep();

using MessageSink = std::function<int(const QString& text, const QString& title, int buttons)>;
using BeepSink = std::function<void()>;
// Replaces the real dialog or beep; an empty function restores the real one.
void setMessageSink(MessageSink sink);
void setBeepSink(BeepSink sink);

}  // namespace vtn
