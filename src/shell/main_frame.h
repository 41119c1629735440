#pragma once
// The main window: the client area that holds the child windows, the menus, the toolbar and
// the window bar.
#include <QMainWindow>

#include "controls/form.h"

class QMdiArea;
class QMenu;

namespace vtn {

class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  frmMain();
  ~frmMain() override;

  // Start-up after the window is created: restores the saved place and size, sets the caption
  // and opens the results window.
  void Form_Load();
  void UpdateCaption();

  // Shows a child window at the top-left corner of the client area and brings it to the front.
  template <class T>
  void ShowChild() {
    T& form = Forms::get<T>();
    form.setLeft(0);
    form.setTop(0);
    form.Show();
  }

  // The database manager: closes the windows that CheckUnloaded names, makes the chosen file the
  // current database and reopens the results window on it.
  void LoadDatabase(const QString& fileName);

  QMdiArea* mdiArea() const { return mdi_; }
  QMenu* databaseMenu() const { return databaseMenu_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void fillDatabaseMenu();
  void restoreGeometryFromSettings();
  void saveGeometryToSettings();

  QMdiArea* mdi_;
  QMenu* databaseMenu_ = nullptr;
};

// Unloads each of the results, statistics, sorted-draws, report and perm windows whose
// window-bar button is open.
void CheckUnloaded();
// Applies the saved date order to the open sorted-draws and report windows.
void LoadDatabaseSettings();

}  // namespace vtn
