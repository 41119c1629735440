// The sorted-draws window: loading, activation, the filter-and-count pass as a user drives it, the
// link between its two draw lists, closing, and the scroll width of long lists.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QScrollBar>
#include <QUrl>
#include <functional>
#include <memory>

#include "common/paths.h"
#include "common/settings.h"
#include "common/shared_procedures.h"
#include "common/window_bar.h"
#include "controls/form.h"
#include "database/shared_database.h"
#include "reports/print_window.h"
#include "sorted/sorted_window.h"
#include "support/fixtures.h"
#include "support/recorder.h"

namespace vtn {
namespace {

using test::Draw;

// Stands in for the desktop: takes the links the window asks it to open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened << url; }
};

std::vector<DrawRecord> smallDatabase() {
  return {Draw(1, {1, 2, 3, 4, 5, 6}, 7, QStringLiteral("04/01/97"), QStringLiteral("Sa")),
          Draw(2, {1, 2, 3, 4, 5, 8}, 0, QStringLiteral("08/01/97"), QStringLiteral("We")),
          Draw(3, {10, 20, 30, 40, 45, 49}, 12, QStringLiteral("03/02/98"), QStringLiteral("Tu")),
          Draw(4, {1, 12, 23, 34, 45, 49}, 2, QStringLiteral("07/02/98"), QStringLiteral("Sa"))};
}

class SortedWindowTest : public ::testing::Test {
 protected:
  void TearDown() override { test::UnloadAllWindows(); }
  SortedWindow& open(const QString& name, const std::vector<DrawRecord>& draws) {
    OpenDatabase(test::InstallDatabase(name, draws));
    ReadDraw(DrawCount());  // the results window leaves the last draw in the shared record
    return Forms::get<SortedWindow>();
  }
};

TEST_F(SortedWindowTest, LoadingListsFortyYearsFromDrawOnesAndRunsThePassOnEveryDraw) {
  SortedWindow& w = open(QStringLiteral("UK-Small.dat"), smallDatabase());
  ASSERT_EQ(w.Combo4->ListCount(), 41);
  EXPECT_EQ(w.Combo4->List(0), QStringLiteral("All"));
  EXPECT_EQ(w.Combo4->List(1), QStringLiteral("97"));
  EXPECT_EQ(w.Combo4->List(3), QStringLiteral("99"));
  EXPECT_EQ(w.Combo4->List(4), QStringLiteral("00"));
  EXPECT_EQ(w.Combo4->List(40), QStringLiteral("36"));
  EXPECT_EQ(w.Combo4->Text(), QStringLiteral("All"));
  EXPECT_EQ(w.Combo3->ListCount(), 13);
  EXPECT_EQ(w.Combo2->ListCount(), 32);
  // The rewind shows draw 1; the walk leaves the number of the last draw.
  EXPECT_EQ(w.txtDate->Text(), QStringLiteral("04/01/97"));
  EXPECT_EQ(w.TxtBallBB->Text(), QStringLiteral("07"));
  EXPECT_EQ(w.Label16[5]->Caption(), QStringLiteral("06"));
  EXPECT_EQ(w.txtRecNum->Text(), QStringLiteral("4"));
  EXPECT_EQ(w.List5->ListCount(), 4);
  EXPECT_EQ(w.List5->List(1), QStringLiteral("01 02 03 04 05 08  BB=00 (08/01/97)  (We)"));
  EXPECT_EQ(w.LstDrawResults->List(0), QStringLiteral("01 02 03 04 05 06  BB=07 (04/01/97)  (Sa)"));
  EXPECT_EQ(w.LstDrawResults->List(3), QStringLiteral("10 20 30 40 45 49  BB=12 (03/02/98)  (Tu)"));
  EXPECT_EQ(w.Text9->Text(), QStringLiteral("There are 4 draws in the current selection"));
  // Bonus 12 counts once more; bonus 00 is not counted.
  EXPECT_TRUE(w.Text2->Text().contains(QStringLiteral("12 Has appeared 002 Times\r\n")));
  EXPECT_FALSE(w.Text2->Text().contains(QStringLiteral("\r\n0 Has")));
  EXPECT_EQ(w.List3->List(w.List3->ListCount() - 1), QStringLiteral("003 02"));
  EXPECT_EQ(w.List1->List(0), QStringLiteral("02"));  // equal counts: the higher ball first
  EXPECT_EQ(w.List1->List(1), QStringLiteral("01"));
  EXPECT_TRUE(WindowBar::IsOpen(*WindowBar::instance().Label2));
  EXPECT_TRUE(test::recorder().messages.empty());
}

TEST_F(SortedWindowTest, ActivationSetsCaptionAndDateOrderFromTheDatabaseName) {
  struct Case {
    QString stored;
    bool dayFirst;
    QString savedOrder;
    QString shownName;
  };
  // With no name stored the program has the bundled UK database open.
  for (const Case& c : {Case{QStringLiteral("UK-Small.dat"), true, QString(), QStringLiteral("UK-Small.dat")},
                        Case{QStringLiteral("CA-Small.dat"), false, QStringLiteral("True"), QStringLiteral("CA-Small.dat")},
                        Case{QString(), true, QString(), QStringLiteral("UK-National-Lottery.dat")}}) {
    SCOPED_TRACE(c.stored.toStdString());
    SaveSetting(kAppHalvoren, QStringLiteral("ChecDataBase"), QStringLiteral("UsOrUKdate"), QString());
    SortedWindow& w = open(QStringLiteral("XX-Small.dat"), smallDatabase());
    SaveDataBaseName(c.stored);
    w.Show();
    EXPECT_EQ(w.Caption(), QStringLiteral("Sorted Draws ") + c.shownName);
    EXPECT_EQ(w.Option1->Value(), c.dayFirst);
    EXPECT_EQ(w.Option2->Value(), !c.dayFirst);
    EXPECT_EQ(UsOrUKdate(), c.savedOrder);
    test::UnloadAllWindows();
  }
}

TEST_F(SortedWindowTest, MonthFirstDatesAreFilteredAndShownDayFirst) {
  SortedWindow& w = open(QStringLiteral("CA-Small.dat"),
                         {Draw(1, {1, 2, 3, 4, 5, 6}, 7, QStringLiteral("12/31/00"), QStringLiteral("Su")),
                          Draw(2, {7, 8, 9, 10, 11, 12}, 0, QStringLiteral("01/03/01"), QStringLiteral("We"))});
  w.Show();  // not a UK file: month first
  ASSERT_TRUE(w.Option2->Value());
  w.Combo4->setListIndex(w.Combo4->ListCount() - 40);  // "00"
  w.Combo2->setText(QStringLiteral("31"));
  w.Combo3->setListIndex(11);  // "12"
  EXPECT_EQ(w.Combo3->Text(), QStringLiteral("12"));
  ASSERT_EQ(w.List5->ListCount(), 1);
  EXPECT_EQ(w.List5->List(0), QStringLiteral("01 02 03 04 05 06  BB=07 (31/12/00)  (Su)"));
  EXPECT_EQ(w.Text9->Text(), QStringLiteral("Only one draw has occurred in the current date selection"));
  EXPECT_TRUE(w.Text3->Text().startsWith(
      QStringLiteral("Highest drawn numbers for the 31st day of the 12th month are ( 07  06  05  04  03  02)\r\n")));
  // The day-first option reads the stored date as it is: 12/31 is no day 31 of month 12.
  w.Option1->setValue(true);
  w.Combo3Cheat();
  EXPECT_EQ(w.List5->ListCount(), 0);
  EXPECT_EQ(w.Text9->Text(), QStringLiteral("There are 0 draws in the current selection"));
  EXPECT_EQ(w.Text2->Text(), QString());
}

TEST_F(SortedWindowTest, OneDrawAndNoDraw) {
  SortedWindow& one = open(QStringLiteral("UK-One.dat"), {smallDatabase().front()});
  EXPECT_EQ(one.List5->ListCount(), 1);
  EXPECT_EQ(one.txtRecNum->Text(), QStringLiteral("1"));
  EXPECT_EQ(one.Text9->Text(), QStringLiteral("Only one draw has occurred in the current date selection"));
  test::UnloadAllWindows();

  SortedWindow& none = open(QStringLiteral("UK-Empty.dat"), {});
  EXPECT_EQ(none.List5->ListCount(), 0);
  EXPECT_EQ(none.LstDrawResults->ListCount(), 0);
  EXPECT_EQ(none.Combo4->ListCount(), 1);
  EXPECT_EQ(none.Text9->Text(), QStringLiteral("There are 0 draws in the current selection"));
  EXPECT_TRUE(none.Text3->Text().startsWith(QStringLiteral("The 6 most common balls to be drawn are (     )")));
  none.Combo3->setListIndex(4);
  EXPECT_EQ(none.List5->ListCount(), 0);
  EXPECT_TRUE(test::recorder().messages.empty());
}

TEST_F(SortedWindowTest, SelectingADrawInOneListSelectsItInTheOther) {
  SortedWindow& w = open(QStringLiteral("UK-Small.dat"), smallDatabase());
  w.List5->setListIndex(2);  // 10 20 30 ... is the last row in ball order
  w.List5_MouseUp(1, 0, 0, 0);
  EXPECT_EQ(w.LstDrawResults->ListIndex(), 3);
  w.LstDrawResults->setListIndex(0);
  w.LstDrawResults_MouseDown(1, 0, 0, 0);
  EXPECT_EQ(w.List5->ListIndex(), 0);
  EXPECT_EQ(w.List5->Text(), w.LstDrawResults->Text());
}

TEST_F(SortedWindowTest, ClosingAndReopeningStartsAgainWithEveryFilterAtAll) {
  SortedWindow& w = open(QStringLiteral("UK-Small.dat"), smallDatabase());
  w.Combo3->setListIndex(1);  // "02"
  EXPECT_EQ(w.List5->ListCount(), 2);
  Forms::unload<SortedWindow>();
  EXPECT_FALSE(WindowBar::IsOpen(*WindowBar::instance().Label2));
  test::UnloadAllWindows();
  SortedWindow& again = Forms::get<SortedWindow>();
  EXPECT_EQ(again.Combo3->Text(), QStringLiteral("All"));
  EXPECT_EQ(again.Combo4->ListCount(), 41);
  EXPECT_EQ(again.List5->ListCount(), 4);
  EXPECT_TRUE(WindowBar::IsOpen(*WindowBar::instance().Label2));
}

TEST_F(SortedWindowTest, AChoiceMadeWhileAPassLetsEventsRunReplacesThatPass) {
  SortedWindow& w = open(QStringLiteral("UK-Small.dat"), smallDatabase());
  struct Results {
    QStringList list3, list5, list1;
    QString text2, text3, text9;
    bool operator==(const Results&) const = default;
  };
  auto results = [&w] {
    return Results{w.List3->Rows(), w.List5->Rows(), w.List1->Rows(), w.Text2->Text(), w.Text3->Text(), w.Text9->Text()};
  };
  w.Combo3->setListIndex(1);  // "02" alone
  const Results february = results();
  ASSERT_EQ(february.list5.size(), 2);

  // January is chosen; at the k-th moment its pass lets events run, the user chooses February.
  for (int k = 1; k <= 4; ++k) {
    SCOPED_TRACE(k);
    w.Combo3->setListIndex(12);  // "All"
    auto moments = std::make_shared<int>(0);
    std::function<void()> atEvents = [&w, k, moments, &atEvents] {
      if (++*moments == k) w.Combo3->setListIndex(1);
      else if (*moments < k) QMetaObject::invokeMethod(qApp, atEvents, Qt::QueuedConnection);
    };
    QMetaObject::invokeMethod(qApp, atEvents, Qt::QueuedConnection);
    w.Combo3->setListIndex(0);
    EXPECT_EQ(*moments, k);
    EXPECT_TRUE(results() == february) << w.List3->Rows().join('|').toStdString() << "\n" << w.Text3->Text().toStdString();
  }
}

TEST_F(SortedWindowTest, BallNinetyNineAndCountsOfAThousandAndMore) {
  std::vector<DrawRecord> draws;
  for (int k = 1; k <= 1001; ++k)
    draws.push_back(Draw(k, {5, k <= 999 ? 7 : 8, 10, 20, 30, 99}, 0, QStringLiteral("01/01/01"), QStringLiteral("Sa")));
  SortedWindow& w = open(QStringLiteral("UK-Big.dat"), draws);
  EXPECT_EQ(w.List3->Rows(), QStringList({"002 08", "999 07", "1001 05", "1001 10", "1001 20", "1001 30", "1001 99"}));
  EXPECT_TRUE(w.Text2->Text().endsWith(QStringLiteral("99 Has appeared 1001 Times\r\n")));
  EXPECT_EQ(w.List1->List(0), QStringLiteral("99"));
  EXPECT_TRUE(w.Text3->Text().startsWith(QStringLiteral("The 6 most common balls to be drawn are ( 99  30  20  10  05  07)")));
}

TEST_F(SortedWindowTest, YearListsOfBothWindowsReachTheLastDrawsYear) {
  struct Case {
    const char* first;
    const char* last;
    int years;
    const char* lastListed;
  };
  for (const Case& c : {Case{"04/01/97", "07/02/98", 40, "36"}, Case{"06/12/82", "01/06/24", 43, "24"},
                        Case{"19/11/94", "06/06/26", 40, "33"}}) {
    SCOPED_TRACE(c.first);
    SortedWindow& w = open(QStringLiteral("UK-Years.dat"),
                           {Draw(1, {1, 2, 3, 4, 5, 6}, 7, QString::fromLatin1(c.first), QStringLiteral("Sa")),
                            Draw(2, {1, 2, 3, 4, 5, 6}, 7, QString::fromLatin1(c.last), QStringLiteral("Sa"))});
    ASSERT_EQ(w.Combo4->ListCount(), 1 + c.years);
    EXPECT_EQ(w.Combo4->List(1), QString::fromLatin1(c.first).mid(6));
    EXPECT_EQ(w.Combo4->List(c.years), QString::fromLatin1(c.lastListed));
    const PrintWindow& report = Forms::get<PrintWindow>();
    QStringList reportYears;
    for (int i = 0; i < report.Combo6->ListCount(); ++i) reportYears << report.Combo6->List(i);
    QStringList sortedYears;
    for (int i = 0; i < w.Combo4->ListCount(); ++i) sortedYears << w.Combo4->List(i);
    EXPECT_EQ(reportYears, sortedYears);
    test::UnloadAllWindows();
  }
}

TEST_F(SortedWindowTest, ShellOpenDocumentHandsTheDocumentOrLinkToTheDesktop) {
  UrlCatcher catcher;
  for (const char* scheme : {"file", "https"}) QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
  SortedWindow& w = open(QStringLiteral("UK-Small.dat"), smallDatabase());
  EXPECT_TRUE(w.ShellOpenDocument(DataBasesPath(QStringLiteral("Report.rpt"))));
  EXPECT_TRUE(w.ShellOpenDocument(QStringLiteral("https://example.org/lotto")));
  for (const char* scheme : {"file", "https"}) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  EXPECT_EQ(catcher.opened, QList<QUrl>({QUrl::fromLocalFile(DataBasesPath(QStringLiteral("Report.rpt"))),
                                         QUrl(QStringLiteral("https://example.org/lotto"))}));
}

TEST_F(SortedWindowTest, LongRowsGetAHorizontalScrollBar) {
  QWidget window;
  window.resize(400, 300);
  ListBox list(false, &window);
  list.Move(0, 0, 1500, 1500);
  window.show();
  list.AddItem(QStringLiteral("short"));
  SetListScrollWidth(list);
  QCoreApplication::processEvents();
  EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);
  list.AddItem(QString(60, QLatin1Char('x')));
  SetListScrollWidth(list);
  QCoreApplication::processEvents();
  EXPECT_GT(list.horizontalScrollBar()->maximum(), 0);
  const QString measured = QString(60, QLatin1Char('x')) + QString(8, QLatin1Char(' '));
  EXPECT_EQ(list.gridSize().width(), QFontMetrics(window.font()).horizontalAdvance(measured));
}

}  // namespace
}  // namespace vtn

#include "sorted_window_test.moc"
