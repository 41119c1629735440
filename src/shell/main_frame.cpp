#include "shell/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QStyle>
#include <QToolBar>

#include "common/message.h"
#include "common/paths.h"
#include "common/settings.h"
#include "common/window_bar.h"
#include "controls/form.h"
#include "controls/twips.h"
#include "perm/perm_window.h"
#include "reports/print_window.h"
#include "results/main_window.h"
#include "statistics/statistic_window.h"
#include "sorted/prediction_run.h"
#include "sorted/sorted_window.h"

namespace vtn {
namespace {
const QString kSettings = QStringLiteral("Settings");
constexpr int kDefaultLeft = 1000, kDefaultTop = 1000, kDefaultWidth = 12000, kDefaultHeight = 8200;
const QString kChoiceNotSaved = QStringLiteral(
    "The database \"%1\" is loaded, but the settings could not be written to remember it, so the program will not "
    "open it again at its next start.");

// Holds a child window in its sub-window. The window keeps its design size: Cascade gives the
// sub-window that size, and a smaller sub-window (Tile, or the user) scrolls the window.
class ChildScroller : public QScrollArea {
 public:
  explicit ChildScroller(Form& form) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);  // the window's own controls take the focus
    setWidgetResizable(true);
    form.setMinimumSize(form.sizeHint());
    setWidget(&form);
  }
  QSize sizeHint() const override { return widget() ? widget()->sizeHint() : QScrollArea::sizeHint(); }

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The sub-window's close box closes the window itself, which unloads it.
    if (widget() && !widget()->close()) event->ignore();
    else event->accept();
  }
};

// The child window that a sub-window holds.
Form* formOf(QMdiSubWindow* sub) {
  if (!sub) return nullptr;
  if (auto* scroller = qobject_cast<QScrollArea*>(sub->widget())) return qobject_cast<Form*>(scroller->widget());
  return qobject_cast<Form*>(sub->widget());
}

// A window-bar click: an open window comes to the front; a closed one stays closed.
template <class T>
void bringToFront() {
  if (Forms::isLoaded<T>()) Forms::get<T>().ZOrder(0);
}

// A window whose window-bar button is open is unloaded.
template <class T>
void unloadIfOpen(const Label& button) {
  if (WindowBar::IsOpen(button)) Forms::unload<T>();
}
}  // namespace

frmMain::frmMain() : mdi_(new QMdiArea(this)) {
  setCentralWidget(mdi_);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setGeometry(ToPixels(kDefaultLeft), ToPixels(kDefaultTop), ToPixels(kDefaultWidth), ToPixels(kDefaultHeight));

  // Every child window lives in the client area and shows when it loads, as child windows of
  // a multiple-document window do.
  Forms::setHost([this](Form& form) {
    QMdiSubWindow* sub = mdi_->addSubWindow(new ChildScroller(form));
    // Closing unloads the window, and the registry deletes it once nothing of it runs.
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowIcon(windowIcon());
    sub->setWindowTitle(form.windowTitle());
    connect(&form, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
    form.setSubWindow(sub);
    sub->resize(sub->sizeHint());
    sub->move(0, 0);
    sub->show();
  });
  connect(mdi_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
    if (Form* form = formOf(sub)) Forms::activated(form);
  });

  WindowBar& bar = WindowBar::instance();
  auto* barHolder = new QToolBar(QStringLiteral("Windows"), this);
  barHolder->setMovable(false);
  // The bar outlives any main window, so it sits in a holder of ours rather than in the toolbar
  // itself, which would delete it with the toolbar.
  auto* holder = new QWidget;
  auto* holderLayout = new QHBoxLayout(holder);
  holderLayout->setContentsMargins(0, 0, 0, 0);
  holderLayout->addWidget(&bar);
  barHolder->addWidget(holder);
  addToolBar(Qt::BottomToolBarArea, barHolder);
  bar.Label1->onClick = bringToFront<MainWindow>;
  bar.Label6->onClick = bringToFront<StatisticWindow>;
  bar.Label2->onClick = bringToFront<SortedWindow>;
  bar.Label3->onClick = bringToFront<PrintWindow>;
  bar.Label5->onClick = bringToFront<FrmTxt>;

  buildMenus();
  InstallPredictionRun();
}

frmMain::~frmMain() {
  Forms::setHost({});
  WindowBar::instance().setParent(nullptr);
}

void frmMain::buildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  databaseMenu_ = file->addMenu(QStringLiteral("&Load Database"));
  connect(databaseMenu_, &QMenu::aboutToShow, this, [this] { fillDatabaseMenu(); });
  file->addSeparator();
  QAction* exit = file->addAction(QStringLiteral("E&xit"));
  exit->setShortcut(QKeySequence::Quit);
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* windows = menuBar()->addMenu(QStringLiteral("&Windows"));
  QAction* results = windows->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView), QStringLiteral("&Results Window"));
  results->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  connect(results, &QAction::triggered, this, [this] { ShowChild<MainWindow>(); });
  QAction* statistics = windows->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("St&atistics Window"));
  connect(statistics, &QAction::triggered, this, [this] { ShowChild<StatisticWindow>(); });
  QAction* reports = windows->addAction(style()->standardIcon(QStyle::SP_FileIcon), QStringLiteral("Re&ports Window"));
  reports->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(reports, &QAction::triggered, this, [this] { ShowChild<PrintWindow>(); });
  QAction* sorted = windows->addAction(style()->standardIcon(QStyle::SP_FileDialogListView), QStringLiteral("&Sorted Draws Window"));
  connect(sorted, &QAction::triggered, this, [this] { ShowChild<SortedWindow>(); });
  windows->addSeparator();
  windows->addAction(QStringLiteral("&Cascade"), mdi_, &QMdiArea::cascadeSubWindows);
  windows->addAction(QStringLiteral("&Tile"), mdi_, &QMdiArea::tileSubWindows);

  QToolBar* tools = addToolBar(QStringLiteral("Toolbar"));
  tools->setMovable(false);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  tools->addAction(results);
  tools->addAction(statistics);
  tools->addAction(reports);
  tools->addAction(sorted);
}

void frmMain::fillDatabaseMenu() {
  databaseMenu_->clear();
  const QStringList files = QDir(DataBasesFolder()).entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
  if (files.isEmpty()) {
    databaseMenu_->addAction(QStringLiteral("(no databases in %1)").arg(QDir::toNativeSeparators(DataBasesFolder())))->setEnabled(false);
    return;
  }
  const QString current = CurrentDataBaseName();
  for (const QString& name : files) {
    QAction* action = databaseMenu_->addAction(name);
    action->setCheckable(true);
    action->setChecked(name == current);
    connect(action, &QAction::triggered, this, [this, name] { LoadDatabase(name); });
  }
}

void frmMain::Form_Load() {
  restoreGeometryFromSettings();
  UpdateCaption();
  ShowChild<MainWindow>();
}

void frmMain::UpdateCaption() { setWindowTitle(kProgramTitle + QStringLiteral(" - ") + CurrentDataBaseName()); }

void frmMain::LoadDatabase(const QString& fileName) {
  CheckUnloaded();
  const bool saved = SaveDataBaseName(fileName);
  ShowChild<MainWindow>();
  UpdateCaption();
  LoadDatabaseSettings();
  if (!saved) MsgBox(kChoiceNotSaved.arg(fileName), kProgramTitle);
}

void CheckUnloaded() {
  WindowBar& bar = WindowBar::instance();
  unloadIfOpen<MainWindow>(*bar.Label1);
  unloadIfOpen<StatisticWindow>(*bar.Label6);
  unloadIfOpen<SortedWindow>(*bar.Label2);
  unloadIfOpen<PrintWindow>(*bar.Label3);
  unloadIfOpen<FrmTxt>(*bar.Label5);
}

void LoadDatabaseSettings() {
  const QString order = UsOrUKdate();
  if (order.isEmpty() || !Forms::isLoaded<MainWindow>() || !Forms::get<MainWindow>().isVisible()) return;
  if (Forms::isLoaded<SortedWindow>() && Forms::get<SortedWindow>().isVisible()) {
    SortedWindow& sorted = Forms::get<SortedWindow>();
    if (order == QStringLiteral("True")) sorted.Option2->setValue(true);
    else if (order == QStringLiteral("False")) sorted.Option2->setValue(false);
  }
  if (Forms::isLoaded<PrintWindow>() && Forms::get<PrintWindow>().isVisible()) {
    PrintWindow& reports = Forms::get<PrintWindow>();
    if (order == QStringLiteral("True")) reports.Option3->setValue(true);
    else if (order == QStringLiteral("False")) reports.Option3->setValue(false);
  }
}

void frmMain::restoreGeometryFromSettings() {
  const int left = GetSettingInt(kAppTitle, kSettings, QStringLiteral("MainLeft"), kDefaultLeft);
  if (left <= 0) return;
  const int top = GetSettingInt(kAppTitle, kSettings, QStringLiteral("MainTop"), kDefaultTop);
  const int width = GetSettingInt(kAppTitle, kSettings, QStringLiteral("MainWidth"), kDefaultWidth);
  const int height = GetSettingInt(kAppTitle, kSettings, QStringLiteral("MainHeight"), kDefaultHeight);
  if (width <= 0 || height <= 0) return;
  setGeometry(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

void frmMain::saveGeometryToSettings() {
  const QRect g = geometry();
  SaveSetting(kAppTitle, kSettings, QStringLiteral("MainLeft"), QString::number(ToTwips(g.left())));
  SaveSetting(kAppTitle, kSettings, QStringLiteral("MainTop"), QString::number(ToTwips(g.top())));
  SaveSetting(kAppTitle, kSettings, QStringLiteral("MainWidth"), QString::number(ToTwips(g.width())));
  SaveSetting(kAppTitle, kSettings, QStringLiteral("MainHeight"), QString::number(ToTwips(g.height())));
}

void frmMain::closeEvent(QCloseEvent* event) {
  if (!isMinimized()) saveGeometryToSettings();
  Forms::unloadAll();
  event->accept();
}

}  // namespace vtn
