#pragma once
// Child windows and the registry that creates each one on first touch.
//
// Any access to a window goes through Forms::get<T>(), so touching an unloaded window loads it
// (its constructor builds the controls in their design state, then Form_Load runs). Unloading
// runs Form_Unload and destroys the window; the next touch creates it anew.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <typeindex>

#include <QMdiSubWindow>

namespace vtn {

class Form : public QWidget {
  Q_OBJECT
 public:
  Form(const QString& caption, int widthTwips, int heightTwips);
  ~Form() override;

  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Unload() {}

  QString Caption() const { return windowTitle(); }
  void setCaption(const QString& caption) { setWindowTitle(caption); }

  // Place inside the main window's client area, in twips.
  int Left() const;
  int Top() const;
  void setLeft(int twips);
  void setTop(int twips);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The design size: what the main window's Cascade gives the window, and the least size it
  // keeps inside its sub-window (a smaller sub-window scrolls it).
  QSize sizeHint() const override;

  // Shows the window in front; a minimised window is restored.
  void Show();
  // Brings the window to the front (position 0) and makes it the active child; a minimised
  // window is restored.
  void ZOrder(int position = 0);
  void Unload();

  enum class Pointer { Default, Hourglass };
  // The hourglass shows over the whole program until this window sets the default again (or
  // is destroyed).
  void setMousePointer(Pointer pointer);
  Pointer MousePointer() const { return hourglass_ ? Pointer::Hourglass : Pointer::Default; }

  // The frame that holds the window: its sub-window in the main window, or itself.
  QWidget* frameWidget() const;
  void setSubWindow(QMdiSubWindow* sub) { sub_ = sub; }

  // The pointer moving over the window's own background.
  std::function<void()> onMouseMove;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPointer<QMdiSubWindow> sub_;
  int width_;
  int height_;
  int left_ = 0;
  int top_ = 0;
  bool unloading_ = false;
  bool hourglass_ = false;
  friend class Forms;
};

class Forms {
 public:
  template <class T>
  static T& get() {
    if (Form* f = find(typeid(T))) return static_cast<T&>(*f);
    T* form = new T;
    add(typeid(T), form);
    form->Form_Load();
    return *form;
  }
  template <class T>
  static bool isLoaded() { return find(typeid(T)) != nullptr; }
  // True while the window is loaded: false once it is unloaded, even before it is deleted.
  static bool isOpen(const Form* form);
  template <class T>
  static void unload() {
    if (Form* f = find(typeid(T))) f->Unload();
  }

  // The main window puts each new child window into its client area; without a host (tests)
  // a child window stands alone.
  using Host = std::function<void(Form& form)>;
  static void setHost(Host host);
  static bool hasHost();

  // The active child window changed: runs Form_Activate when it is another window.
  static void activated(Form* form);
  static Form* active();

  static void unloadAll();
  // Deletes the windows that were unloaded while the main event loop was busy; the main loop
  // does this itself whenever it is idle.
  static void purge();

 private:
  static Form* find(std::type_index type);
  static void add(std::type_index type, Form* form);
  static void remove(Form* form);
  friend class Form;
};

}  // namespace vtn
