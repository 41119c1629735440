// The main window's side of the statistics and sorted-draws windows and the prediction run: menu
// entries and toolbar buttons, window-bar buttons, the unload before another database and the
// saved date order.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

#include "common/settings.h"
#include "common/window_bar.h"
#include "controls/form.h"
#include "reports/print_window.h"
#include "results/main_window.h"
#include "shell/main_frame.h"
#include "sorted/sorted_window.h"
#include "statistics/statistic_window.h"
#include "support/fixtures.h"

namespace vtn {
namespace {

const QString kStatisticsMenu = QStringLiteral("St&atistics Window");

class WindowWiringTest : public ::testing::Test {
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
    PrintWindow::GenerateReport() = nullptr;
  }
  QAction* action(const QString& text) {
    for (QAction* a : main_->findChildren<QAction*>())
      if (a->text() == text) return a;
    return nullptr;
  }
  void triggerMenu(const QString& text) {
    if (QAction* a = action(text)) return a->trigger();
    ADD_FAILURE() << text.toStdString();
  }
  std::unique_ptr<frmMain> main_;
};

TEST_F(WindowWiringTest, StatisticsMenuAndToolbarShowTheWindowAtTheTopLeftInFront) {
  QAction* entry = action(kStatisticsMenu);
  ASSERT_NE(entry, nullptr);
  bool onToolbar = false;
  for (QToolBar* bar : main_->findChildren<QToolBar*>()) onToolbar = onToolbar || bar->actions().contains(entry);
  EXPECT_TRUE(onToolbar);
  entry->trigger();
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

TEST_F(WindowWiringTest, LoadingAnotherDatabaseClosesTheStatisticsWindow) {
  QAction* entry = action(kStatisticsMenu);
  ASSERT_NE(entry, nullptr);
  entry->trigger();
  main_->LoadDatabase(QStringLiteral("CA-Lotto-649.dat"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::isLoaded<StatisticWindow>());
  EXPECT_FALSE(WindowBar::IsOpen(*WindowBar::instance().Label6));
  EXPECT_FALSE(WindowBar::instance().Label6->Enabled());
}

TEST_F(WindowWiringTest, SortedMenuShowsTheWindowAtTheCornerInFrontAndTheBarBringsItBack) {
  triggerMenu(QStringLiteral("&Sorted Draws Window"));
  ASSERT_TRUE(Forms::isLoaded<SortedWindow>());
  SortedWindow& sorted = Forms::get<SortedWindow>();
  EXPECT_EQ(main_->mdiArea()->activeSubWindow(), sorted.frameWidget());
  EXPECT_EQ(sorted.frameWidget()->pos(), QPoint(0, 0));
  EXPECT_EQ(sorted.Caption(), QStringLiteral("Sorted Draws UK-National-Lottery.dat"));
  EXPECT_EQ(sorted.List5->ListCount(), 3178);
  EXPECT_TRUE(WindowBar::IsOpen(*WindowBar::instance().Label2));
  Forms::get<MainWindow>().ZOrder(0);
  WindowBar::instance().Label2->Click();
  EXPECT_EQ(Forms::active(), &sorted);
}

TEST_F(WindowWiringTest, GenerateReportIsInstalledAtStartUp) {
  triggerMenu(QStringLiteral("Re&ports Window"));
  EXPECT_TRUE(Forms::get<PrintWindow>().Command14->isEnabled());
}

TEST_F(WindowWiringTest, LoadingAnotherDatabaseClosesTheSortedWindow) {
  triggerMenu(QStringLiteral("&Sorted Draws Window"));
  main_->LoadDatabase(QStringLiteral("CA-Lotto-649.dat"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::isLoaded<SortedWindow>());
  EXPECT_FALSE(WindowBar::IsOpen(*WindowBar::instance().Label2));
}

TEST_F(WindowWiringTest, LoadDatabaseSettingsAppliesTheSavedOrderToTheVisibleSortedAndReportWindows) {
  triggerMenu(QStringLiteral("&Sorted Draws Window"));
  SortedWindow& sorted = Forms::get<SortedWindow>();
  ASSERT_TRUE(sorted.Option1->Value());  // a UK file
  triggerMenu(QStringLiteral("Re&ports Window"));
  PrintWindow& reports = Forms::get<PrintWindow>();
  ASSERT_FALSE(reports.Option3->Value());

  // The stored text itself, as the settings file holds it, is what a database load reads.
  const struct {
    const char* stored;
    bool monthFirst;  // sorted Option2 and report Option3 alike
  } rows[] = {{"True", true}, {"False", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stored);
    SaveSetting(kAppHalvoren, QStringLiteral("ChecDataBase"), QStringLiteral("UsOrUKdate"), QLatin1String(row.stored));
    LoadDatabaseSettings();
    EXPECT_EQ(sorted.Option2->Value(), row.monthFirst);
    EXPECT_EQ(reports.Option3->Value(), row.monthFirst);
  }
}

}  // namespace
}  // namespace vtn
