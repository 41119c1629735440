#include "controls/events.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "controls/form.h"

namespace vtn {

void DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

namespace {
// The child window (or top-level window) that a control belongs to.
QWidget* ownerWindow(QWidget* w) {
  for (QWidget* p = w; p; p = p->parentWidget()) {
    if (qobject_cast<Form*>(p) || p->isWindow()) return p;
  }
  return w;
}
}  // namespace

void FocusNext(QWidget* from) {
  if (!from) return;
  QWidget* owner = ownerWindow(from);
  for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(owner) &&
        ownerWindow(w) == owner && w->focusProxy() == nullptr) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void SendTab() {
  QTimer::singleShot(0, qApp, [] { FocusNext(QApplication::focusWidget()); });
}

}  // namespace vtn
