// The main window: start-up, the window bar, loading another database and the saved geometry.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "common/settings.h"
#include "common/window_bar.h"
#include "controls/form.h"
#include "controls/twips.h"
#include "database/shared_database.h"
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
  EXPECT_EQ(main.mdiArea()->subWindowList().first()->widget(), &results);
  EXPECT_EQ(results.frameWidget()->pos(), QPoint(0, 0));
  EXPECT_TRUE(WindowBar::IsOpen(*WindowBar::instance().Label1));
  EXPECT_FALSE(WindowBar::IsOpen(*WindowBar::instance().Label3));
  EXPECT_TRUE(test::recorder().messages.empty());
}

TEST_F(MainFrameTest, LoadingAnotherDatabaseClosesOpenWindowsAndReopensResults) {
  frmMain& main = start();
  Forms::get<PrintWindow>().Show();
  EXPECT_TRUE(WindowBar::IsOpen(*WindowBar::instance().Label3));
  MainWindow* before = &Forms::get<MainWindow>();
  main.LoadDatabase(QStringLiteral("CA-Lotto-649.dat"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::isLoaded<PrintWindow>());
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
  EXPECT_EQ(main.mdiArea()->activeSubWindow()->widget(), &Forms::get<PrintWindow>());
  EXPECT_EQ(Forms::get<PrintWindow>().frameWidget()->pos(), QPoint(0, 0));
  trigger(QStringLiteral("&Results Window"));
  EXPECT_EQ(main.mdiArea()->activeSubWindow()->widget(), &Forms::get<MainWindow>());
  EXPECT_EQ(Forms::get<MainWindow>().frameWidget()->pos(), QPoint(0, 0));
}

}  // namespace
}  // namespace vtn
