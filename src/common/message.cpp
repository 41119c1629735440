#include "common/message.h"

#include <QApplication>
#include <QMessageBox>

namespace vtn {
namespace {
MessageSink& messageSink() {
  static MessageSink sink;
  return sink;
}
BeepSink& beepSink() {
  static BeepSink sink;
  return sink;
}
}  // namespace

int MsgBox(const QString& text, const QString& title, int buttons) {
  const QString caption = title.isEmpty() ? kProgramTitle : title;
  if (messageSink()) return messageSink()(text, caption, buttons);
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(caption);
  box.setText(text);
  if (buttons == vbYesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return vbOK;
}

void Beep() {
  if (beepSink()) {
    beepSink()();
    return;
  }
  QApplication::beep();
}

void setMessageSink(MessageSink sink) { messageSink() = std::move(sink); }
void setBeepSink(BeepSink sink) { beepSink() = std::move(sink); }

}  // namespace vtn
