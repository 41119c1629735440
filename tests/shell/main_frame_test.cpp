// The main window: start-up, the window bar, loading another database and the saved geometry.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>

#include "common/settings.h"
#include "common/window_bar.h"
#include "controls/form.h"
#include "controls/twips.h"
#include "database/shared_database.h"
#include "perm/perm_window.h"
#include "reports/print_window.h"
#include "results/main_window.h"
#include "shell/main_frame.h"
#include "support/fixtures.h"
#include "support/recorder.h"

namespace vtn {
namespace {

class MainFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::InstallBundledDatabase(QStringLiteral("CA-Lotto-649.dat"));
    test::InstallBundledDatabase(QStringLiteral("UK-National-Lottery.dat"));
    SaveDataBaseName(QString());
  }
  void TearDown() override {
    test::UnloadAllWindows();
    main_.reset();
  }
  frmMain& start() {
    main_ = std::make_unique<frmMain>();
    main_->show();
    main_->Form_Load();
    return *main_;
  }
  std::unique_ptr<frmMain> main_;
};

TEST_F(MainFrameTest, StartUpOpensTheResultsWindowOnTheDefaultDatabase) {
  frmMain& main = start();
  EXPECT_EQ(main.windowTitle(), QStringLiteral("VTNv3_8 - UK-National-Lottery.dat"));
  ASSERT_TRUE(Forms::isLoaded<MainWindow>());
  MainWindow& results = Forms::get<MainWindow>();
  EXPECT_EQ(results.ListView1->model()->rowCount(), 3178);
  ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1);
  EXPECT_EQ(main.mdiArea()->subWindowList().first(), results.frameWidget());
  EXPECT_EQ(results.frameWidget()->pos(), QPoint(0, 0));
  EXPECT_TRUE(WindowBar::IsOpen(*WindowBar::instance().Label1));
  EXPECT_FALSE(WindowBar::IsOpen(*WindowBar::instance().Label3));
  EXPECT_TRUE(test::recorder().messages.empty());
}

TEST_F(MainFrameTest, LoadingAnotherDatabaseClosesOpenWindowsAndReopensResults) {
  frmMain& main = start();
  Forms::get<PrintWindow>().Show();
  Forms::get<FrmTxt>().Show();
  EXPECT_TRUE(WindowBar::IsOpen(*WindowBar::instance().Label3));
  MainWindow* before = &Forms::get<MainWindow>();
  main.LoadDatabase(QStringLiteral("CA-Lotto-649.dat"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::isLoaded<PrintWindow>());
  EXPECT_FALSE(Forms::isLoaded<FrmTxt>());
  EXPECT_FALSE(WindowBar::IsOpen(*WindowBar::instance().Label3));
  ASSERT_TRUE(Forms::isLoaded<MainWindow>());
  MainWindow& results = Forms::get<MainWindow>();
  EXPECT_NE(&results, before);
  EXPECT_EQ(DataBaseName(), QStringLiteral("CA-Lotto-649.dat"));
  EXPECT_EQ(results.ListView1->model()->rowCount(), 4210);
  EXPECT_EQ(main.windowTitle(), QStringLiteral("VTNv3_8 - CA-Lotto-649.dat"));
  EXPECT_TRUE(WindowBar::IsOpen(*WindowBar::instance().Label1));
}

TEST_F(MainFrameTest, GeometryIsRestoredOnlyWhenTheSavedLeftIsPositive) {
  struct Case {
    QString left;
    QRect expected;
  };
  const QRect design(ToPixels(1000), ToPixels(1000), ToPixels(12000), ToPixels(8200));
  for (const Case& c : {Case{QStringLiteral("1500"), QRect(100, 80, 600, 400)}, Case{QStringLiteral("0"), design},
                        Case{QStringLiteral("abc"), QRect(ToPixels(1000), 80, 600, 400)}}) {
    SCOPED_TRACE(c.left.toStdString());
    SaveSetting(kAppTitle, QStringLiteral("Settings"), QStringLiteral("MainLeft"), c.left);
    SaveSetting(kAppTitle, QStringLiteral("Settings"), QStringLiteral("MainTop"), QStringLiteral("1200"));
    SaveSetting(kAppTitle, QStringLiteral("Settings"), QStringLiteral("MainWidth"), QStringLiteral("9000"));
    SaveSetting(kAppTitle, QStringLiteral("Settings"), QStringLiteral("MainHeight"), QStringLiteral("6000"));
    frmMain main;
    main.Form_Load();
    EXPECT_EQ(main.geometry(), c.expected);
    test::UnloadAllWindows();
  }
}

TEST_F(MainFrameTest, ClosingSavesTheGeometryInTwips) {
  frmMain& main = start();
  main.setGeometry(40, 50, 700, 500);
  main.close();
  EXPECT_EQ(GetSetting(kAppTitle, QStringLiteral("Settings"), QStringLiteral("MainLeft")), QStringLiteral("600"));
  EXPECT_EQ(GetSetting(kAppTitle, QStringLiteral("Settings"), QStringLiteral("MainTop")), QStringLiteral("750"));
  EXPECT_EQ(GetSetting(kAppTitle, QStringLiteral("Settings"), QStringLiteral("MainWidth")), QStringLiteral("10500"));
  EXPECT_EQ(GetSetting(kAppTitle, QStringLiteral("Settings"), QStringLiteral("MainHeight")), QStringLiteral("7500"));
  EXPECT_FALSE(Forms::isLoaded<MainWindow>());
}

TEST_F(MainFrameTest, WindowBarButtonBringsItsWindowToTheFront) {
  start();
  Forms::get<PrintWindow>().Show();
  EXPECT_EQ(Forms::active(), &Forms::get<PrintWindow>());
  WindowBar::instance().Label1->Click();
  EXPECT_EQ(Forms::active(), &Forms::get<MainWindow>());
}

TEST_F(MainFrameTest, MenusShowAChildAtTheTopLeftCornerInFront) {
  frmMain& main = start();
  Forms::get<MainWindow>().frameWidget()->move(40, 30);
  const QList<QAction*> actions = main.findChildren<QAction*>();
  auto trigger = [&](const QString& text) {
    for (QAction* a : actions)
      if (a->text() == text) return a->trigger();
    ADD_FAILURE() << text.toStdString();
  };
  trigger(QStringLiteral("Re&ports Window"));
  ASSERT_TRUE(Forms::isLoaded<PrintWindow>());
  EXPECT_EQ(main.mdiArea()->activeSubWindow(), Forms::get<PrintWindow>().frameWidget());
  EXPECT_EQ(Forms::get<PrintWindow>().frameWidget()->pos(), QPoint(0, 0));
  trigger(QStringLiteral("&Results Window"));
  EXPECT_EQ(main.mdiArea()->activeSubWindow(), Forms::get<MainWindow>().frameWidget());
  EXPECT_EQ(Forms::get<MainWindow>().frameWidget()->pos(), QPoint(0, 0));
}

TEST_F(MainFrameTest, CascadeKeepsTheDesignSizeAndTileScrollsWhatItCutsOff) {
  frmMain& main = start();
  main.resize(640, 480);
  for (Form* form : std::initializer_list<Form*>{&Forms::get<PrintWindow>(), &Forms::get<FrmTxt>()}) form->Show();
  const QSize design = Forms::get<FrmTxt>().sizeHint();
  EXPECT_EQ(design, QSize(ToPixels(14400), ToPixels(7800)));

  main.mdiArea()->cascadeSubWindows();
  for (Form* form : std::initializer_list<Form*>{&Forms::get<MainWindow>(), &Forms::get<PrintWindow>(), &Forms::get<FrmTxt>()}) {
    const QSize shown = static_cast<QMdiSubWindow*>(form->frameWidget())->widget()->size();
    EXPECT_GE(shown.width(), ToPixels(form->Width())) << qPrintable(form->Caption());
    EXPECT_GE(shown.height(), ToPixels(form->Height())) << qPrintable(form->Caption());
  }

  main.mdiArea()->tileSubWindows();
  FrmTxt& perm = Forms::get<FrmTxt>();
  auto* scroller = qobject_cast<QScrollArea*>(static_cast<QMdiSubWindow*>(perm.frameWidget())->widget());
  ASSERT_TRUE(scroller);
  EXPECT_LT(scroller->width(), design.width());
  EXPECT_GE(perm.width(), design.width());  // nothing cut off: the rest scrolls into view
  EXPECT_GE(perm.height(), design.height());
  EXPECT_GT(scroller->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(perm.frameWidget()->windowTitle(), perm.Caption());
}

TEST_F(MainFrameTest, AMinimisedWindowComesBackFromTheWindowBarAndTheMenu) {
  frmMain& main = start();
  MainWindow& results = Forms::get<MainWindow>();
  Forms::get<PrintWindow>().Show();
  auto* sub = static_cast<QMdiSubWindow*>(results.frameWidget());
  sub->showMinimized();
  WindowBar::instance().Label1->Click();
  EXPECT_FALSE(sub->isMinimized());
  EXPECT_EQ(main.mdiArea()->activeSubWindow(), sub);

  sub->move(40, 30);
  sub->showMinimized();
  for (QAction* a : main.findChildren<QAction*>())
    if (a->text() == QStringLiteral("&Results Window")) a->trigger();
  EXPECT_FALSE(sub->isMinimized());
  EXPECT_EQ(sub->pos(), QPoint(0, 0));
  EXPECT_GE(sub->widget()->width(), results.sizeHint().width());
}

TEST_F(MainFrameTest, ADatabaseChoiceThatCannotBeSavedIsLoadedAndReported) {
  frmMain& main = start();
  // Settings under a plain file cannot be written, whoever runs the test.
  const QString blocker = test::WriteScratchFile(QStringLiteral("settings-blocker"), "x");
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker);
  main.LoadDatabase(QStringLiteral("CA-Lotto-649.dat"));
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, test::scratchFolder() + QStringLiteral("/settings"));
  ASSERT_EQ(test::recorder().messages.size(), 1u);
  EXPECT_TRUE(test::recorder().lastText().startsWith(QStringLiteral("The database \"CA-Lotto-649.dat\" is loaded, but")));
  EXPECT_EQ(Forms::get<MainWindow>().ListView1->model()->rowCount(), 4210);  // the choice holds for this run
  EXPECT_EQ(main.windowTitle(), QStringLiteral("VTNv3_8 - CA-Lotto-649.dat"));
  EXPECT_TRUE(SaveDataBaseName(QString()));
}

}  // namespace
}  // namespace vtn
