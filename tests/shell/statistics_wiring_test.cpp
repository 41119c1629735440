// The statistics window in the main window: its menu entry and toolbar button, its window-bar
// button and its unloading before another database is loaded.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QToolBar>

#include "common/settings.h"
#include "common/window_bar.h"
#include "controls/form.h"
#include "results/main_window.h"
#include "shell/main_frame.h"
#include "statistics/statistic_window.h"
#include "support/fixtures.h"

namespace vtn {
namespace {

const QString kMenuText = QStringLiteral("St&atistics Window");

class StatisticsWiringTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::InstallBundledDatabase(QStringLiteral("CA-Lotto-649.dat"));
    test::InstallBundledDatabase(QStringLiteral("UK-National-Lottery.dat"));
    main_ = std::make_unique<frmMain>();
    main_->show();
    main_->Form_Load();
  }
  void TearDown() override {
    test::UnloadAllWindows();
    main_.reset();
  }
  QAction* statisticsAction() {
    for (QAction* a : main_->findChildren<QAction*>())
      if (a->text() == kMenuText) return a;
    return nullptr;
  }
  std::unique_ptr<frmMain> main_;
};

TEST_F(StatisticsWiringTest, MenuAndToolbarShowTheWindowAtTheTopLeftInFront) {
  QAction* action = statisticsAction();
  ASSERT_NE(action, nullptr);
  bool onToolbar = false;
  for (QToolBar* bar : main_->findChildren<QToolBar*>()) onToolbar = onToolbar || bar->actions().contains(action);
  EXPECT_TRUE(onToolbar);
  action->trigger();
  ASSERT_TRUE(Forms::isLoaded<StatisticWindow>());
  StatisticWindow& stats = Forms::get<StatisticWindow>();
  EXPECT_EQ(main_->mdiArea()->activeSubWindow(), stats.frameWidget());
  EXPECT_EQ(stats.frameWidget()->pos(), QPoint(0, 0));
  EXPECT_EQ(stats.LstB1[6]->ListCount(), Forms::get<MainWindow>().ListView1->model()->rowCount());
  EXPECT_TRUE(WindowBar::IsOpen(*WindowBar::instance().Label6));

  Forms::get<MainWindow>().ZOrder(0);
  WindowBar::instance().Label6->Click();
  EXPECT_EQ(Forms::active(), &stats);
}

TEST_F(StatisticsWiringTest, LoadingAnotherDatabaseClosesTheWindow) {
  QAction* action = statisticsAction();
  ASSERT_NE(action, nullptr);
  action->trigger();
  main_->LoadDatabase(QStringLiteral("CA-Lotto-649.dat"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::isLoaded<StatisticWindow>());
  EXPECT_FALSE(WindowBar::IsOpen(*WindowBar::instance().Label6));
  EXPECT_FALSE(WindowBar::instance().Label6->Enabled());
}

}  // namespace
}  // namespace vtn
