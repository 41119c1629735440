#include "controls/form.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QThread>
#include <vector>

#include "controls/twips.h"

namespace vtn {
namespace {
std::map<std::type_index, Form*>& registry() {
  static std::map<std::type_index, Form*> forms;
  return forms;
}
Forms::Host& host() {
  static Forms::Host h;
  return h;
}
Form*& activeForm() {
  static Form* f = nullptr;
  return f;
}

// Unloaded windows wait here until the program is idle in its main event loop. A window can be
// closed while one of its own handlers still runs below a DoEvents (a scan, a fill), and a
// deferred delete would be carried out by the next DoEvents of that very handler.
std::vector<QPointer<QWidget>>& graveyard() {
  static std::vector<QPointer<QWidget>> frames;
  return frames;
}

void buryLater(QWidget* frame) {
  if (QThread::currentThread()->loopLevel() == 0) {
    frame->deleteLater();  // no event loop runs (tests): whoever runs one deletes it
    return;
  }
  graveyard().emplace_back(frame);
  static bool hooked = false;
  if (hooked) return;
  hooked = true;
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, qApp, [] {
    // Idle in the main loop itself, not in a dialog's loop above some handler.
    if (QThread::currentThread()->loopLevel() <= 1) Forms::purge();
  });
}
}  // namespace

Form::Form(const QString& caption, int widthTwips, int heightTwips)
    : width_(widthTwips), height_(heightTwips) {
  setWindowTitle(caption);
  resize(ToPixels(widthTwips), ToPixels(heightTwips));
  setMouseTracking(true);
}

Form::~Form() {
  setMousePointer(Pointer::Default);
  if (activeForm() == this) activeForm() = nullptr;
  Forms::remove(this);
}

QWidget* Form::frameWidget() const {
  if (sub_) return sub_;
  return const_cast<Form*>(this);
}

int Form::Left() const { return left_; }
int Form::Top() const { return top_; }

void Form::setLeft(int twips) {
  left_ = twips;
  frameWidget()->move(ToPixels(left_), ToPixels(top_));
}

void Form::setTop(int twips) {
  top_ = twips;
  frameWidget()->move(ToPixels(left_), ToPixels(top_));
}

QSize Form::sizeHint() const { return {ToPixels(width_), ToPixels(height_)}; }

void Form::Show() {
  // A minimised window comes back restored, at the place it was given.
  if (sub_ && sub_->isMinimized()) {
    sub_->showNormal();
    sub_->move(ToPixels(left_), ToPixels(top_));
  }
  frameWidget()->show();
  show();
  ZOrder(0);
}

void Form::ZOrder(int position) {
  if (position != 0) {
    frameWidget()->lower();
    return;
  }
  if (sub_ && sub_->mdiArea()) {
    if (sub_->isMinimized()) sub_->showNormal();
    sub_->show();
    sub_->mdiArea()->setActiveSubWindow(sub_);
    sub_->raise();
  } else {
    raise();
  }
  Forms::activated(this);
}

void Form::Unload() {
  if (unloading_) return;
  unloading_ = true;
  Form_Unload();
  Forms::remove(this);
  if (activeForm() == this) activeForm() = nullptr;
  QWidget* frame = frameWidget();
  frame->hide();
  if (sub_ && sub_->mdiArea()) sub_->mdiArea()->activateNextSubWindow();
  buryLater(frame);
}

void Form::setMousePointer(Pointer pointer) {
  // The hourglass covers the whole program while a run works, label buttons (which have a
  // pointing hand of their own) included, so it is an application-wide override.
  const bool on = pointer == Pointer::Hourglass;
  if (on == hourglass_) return;
  hourglass_ = on;
  if (on) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  else QGuiApplication::restoreOverrideCursor();
}

void Form::closeEvent(QCloseEvent* event) {
  // Closing the window (its close box, or the main window's shut-down) unloads it.
  event->accept();
  Unload();
}

void Form::mouseMoveEvent(QMouseEvent* event) {
  if (onMouseMove) onMouseMove();
  QWidget::mouseMoveEvent(event);
}

void Forms::setHost(Host h) { host() = std::move(h); }
bool Forms::hasHost() { return bool(host()); }

void Forms::activated(Form* form) {
  if (!form || form == activeForm() || form->unloading_) return;
  activeForm() = form;
  form->Form_Activate();
}

Form* Forms::active() { return activeForm(); }

void Forms::purge() {
  std::vector<QPointer<QWidget>> frames;
  frames.swap(graveyard());
  for (const QPointer<QWidget>& frame : frames) delete frame.data();
}

void Forms::unloadAll() {
  while (!registry().empty()) registry().begin()->second->Unload();
}

bool Forms::isOpen(const Form* form) {
  if (!form) return false;
  for (const auto& entry : registry())
    if (entry.second == form) return true;
  return false;
}

Form* Forms::find(std::type_index type) {
  auto it = registry().find(type);
  return it == registry().end() ? nullptr : it->second;
}

void Forms::add(std::type_index type, Form* form) {
  registry()[type] = form;
  if (host()) host()(*form);
}

void Forms::remove(Form* form) {
  for (auto it = registry().begin(); it != registry().end(); ++it) {
    if (it->second == form) {
      registry().erase(it);
      return;
    }
  }
}

}  // namespace vtn
