// The perm window driven as a user and the results window drive it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <functional>
#include <memory>
#include <vector>

#include "common/help.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/window_bar.h"
#include "perm/perm_catalogue.h"
#include "perm/perm_window.h"
#include "perm/remove_duplicates.h"
#include "reports/print_window.h"
#include "support/recorder.h"

namespace vtn {
namespace {

const QString kSelectAPerm = QStringLiteral("Please select a perm to use");
const QString kCannotPerm = QStringLiteral(
    "VTN can not perm without all numbers filled, there may have been a duplicate number so it was removed, "
    "select \"Select my own numbers\" and double click the empty box to enter your number");
const QString kNoDuplicates = QStringLiteral("No duplicates please, the results will be inaccurate");
const QString kSorryNoWins = QStringLiteral("Sorry no wins");
const QString kWon = QStringLiteral("You have won the lottery!");

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QStringList texts(const std::vector<const char*>& items) {
  QStringList list;
  for (const char* s : items) list << QString::fromLatin1(s);
  return list;
}

// Ranking rows for balls 1..n, ball b drawn 10 + b times: row i holds ball i + 1. With 49 balls
// the cold band holds balls 2-16, the warm band 17-32 and the hot band 33-49.
QStringList ranking(int n, int firstBall = 1) {
  QStringList rows;
  for (int b = firstBall; b < firstBall + n; ++b) rows << CountBallRow(10 + b, b, true);
  return rows;
}

// The ranking tag of place k: the ball of the k-th row from the end, "0" past the start.
QString rankingTag(const QStringList& rows, int k) {
  return k < rows.size() ? rows[rows.size() - 1 - k].mid(4, 2) : QStringLiteral("0");
}

class PermWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Forms::unloadAll();
    flushDeletes();
    FrmTxt::FirstRefreshDone = false;  // as at the program's start
  }
  void TearDown() override {
    Forms::unloadAll();
    flushDeletes();
  }

  static FrmTxt& win() { return Forms::get<FrmTxt>(); }

  static QStringList boxes(int count = FrmTxt::kBoxCount) {
    QStringList result;
    for (int i = 0; i < count; ++i) result << win().TXTActiveNumbers[i]->Text();
    return result;
  }
  static void setBoxes(const QStringList& values) {
    for (int i = 0; i < values.size(); ++i) win().TXTActiveNumbers[i]->setText(values[i]);
  }
  static QStringList marked(const ListBox& list) {
    QStringList rows;
    for (int i = 0; i < list.ListCount(); ++i)
      if (list.Selected(i)) rows << list.List(i);
    return rows;
  }

  // The results window's "Perm Wizard", step by step in its own order.
  static void resultsHandOver(const QStringList& draw, const QStringList& rankingRows) {
    for (int i = 0; i < 6; ++i) Forms::get<FrmTxt>().Text1[i]->setText(draw[i]);
    FrmTxt& w = win();
    for (int i = 0; i < 6; ++i) w.TextChangeColors(*w.Text1[i]);
    w.ListPerms->Clear();
    w.List1->Clear();
    w.Show();
    w.setTop(0);
    for (int k = 0; k < FrmTxt::kBoxCount; ++k) w.Label4[k]->Tag = rankingTag(rankingRows, k);
    for (QLatin1StringView row : perm::kFillModeRows) w.List1->AddItem(row);
    w.ZOrder(0);
    w.List1->setListIndex(0);
    w.List2->setListIndex(0);
    for (const QString& row : rankingRows) w.ListPerms->AddItem(row);
    w.DoQuickList();
  }

  // A window holding a ranking of `n` balls with its bands built, the tags set and the mode
  // rows in place, no mode selected.
  static FrmTxt& ranked(int n = 49) {
    FrmTxt& w = win();
    const QStringList rows = ranking(n);
    for (const QString& row : rows) w.ListPerms->AddItem(row);
    for (int k = 0; k < FrmTxt::kBoxCount; ++k) w.Label4[k]->Tag = rankingTag(rows, k);
    for (QLatin1StringView row : perm::kFillModeRows) w.List1->AddItem(row);
    w.DoColorTemp();
    w.DoQuickList();  // the refresh that ends a hand-over
    return w;
  }

  static void activate(FrmTxt& w) {
    w.Show();
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    QCoreApplication::processEvents();
  }
  static void focus(QWidget* widget) {
    widget->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
  }
  static void key(QWidget* widget, int qtKey, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  test::Recorder& rec = test::recorder();
};

// ---------------------------------------------------------------- load, catalogue

TEST_F(PermWindowTest, LoadLeavesTheDesignStateAndTheHelpPath) {
  FrmTxt& w = win();
  EXPECT_EQ(w.Caption(), QStringLiteral("VTNv3 Perm Wizard"));
  EXPECT_EQ(HelpFilePath(), ProgramFolder() + QStringLiteral("/VTN.HLP"));
  EXPECT_TRUE(w.Option1->Value());
  EXPECT_EQ(w.List2->ListCount(), 6);
  EXPECT_EQ(w.List2->ListIndex(), -1);
  EXPECT_EQ(w.La1->Caption(), QStringLiteral("Nothing currently selected"));
  EXPECT_EQ(w.lab1->Caption(), QString(112, QLatin1Char(' ')) +
                                   QStringLiteral("Tip: Double click the white text boxes for a quick input list"));
  // The first refresh ran with no wheel chosen: every box hidden and disabled, labels greyed.
  for (int i = 0; i < FrmTxt::kBoxCount; ++i) {
    EXPECT_FALSE(w.TXTActiveNumbers[i]->Visible());
    EXPECT_FALSE(w.TXTActiveNumbers[i]->Enabled());
    EXPECT_FALSE(w.Label4[i]->Enabled());
    EXPECT_EQ(w.TXTActiveNumbers[i]->Left(), 510 + 330 * i);
    EXPECT_EQ(w.Label4[i]->Caption(), QString::number(i + 1));
  }
  EXPECT_EQ(w.Frma->Left(), 3960);
  EXPECT_EQ(w.Frma->Top(), 720);
  ASSERT_EQ(w.LstQuick->ListCount(), 99);
  EXPECT_EQ(w.LstQuick->List(0), QStringLiteral("01"));
  EXPECT_EQ(w.LstQuick->List(98), QStringLiteral("99"));
  EXPECT_FALSE(w.LstQuick->Visible());
  for (int i = 0; i < 6; ++i) EXPECT_EQ(w.Text1[i]->Text(), QStringLiteral("0"));
  EXPECT_EQ(w.Text1[6]->Text(), QStringLiteral("6 ball matchs = : 0\r\n5 ball matchs = : 0\r\n4 ball matchs = : 0\r\n"
                                               "3 ball matchs = : 0\r\n2 ball matchs = : 0\r\n"));
  EXPECT_TRUE(w.Label26->Tag.isEmpty());
  EXPECT_EQ(w.LstSorted->ListCount(), 0);
  EXPECT_FALSE(FrmTxt::FirstRefreshDone);  // cleared for the hand-over's own refresh
  // The work lists that take count-ball rows order them by count, also past 999.
  for (ListBox* list : {w.ListPerms, w.LstMainWindowSorted}) {
    for (const char* row : {"1000 07", "999 05"}) list->AddItem(QString::fromLatin1(row));
    EXPECT_EQ(list->Rows(), QStringList({"999 05", "1000 07"}));
    list->Clear();
  }
}

TEST_F(PermWindowTest, ChoosingAWheelShowsItsPoolAndPrompt) {
  struct Case {
    bool six;
    int row;
    int pool;
    const char* prompt;
    const char* guaranteeEnd;
  };
  const Case cases[] = {
      {true, 0, 9, "Choose 9 different numbers", "It takes 7 lines"},
      {true, 1, 10, "Choose 10 different numbers", "It takes 10 lines"},
      {true, 2, 12, "Choose 12 different numbers", "It takes 15 lines"},
      {true, 3, 14, "Choose 14 different numbers", "It takes 25 lines"},
      {true, 4, 15, "Choose 15 different numbers", "It takes 31 lines"},
      {true, 5, 14, "Choose 14 different numbers", "It takes 40 lines"},
      {false, 0, 6, "Choose 6 different numbers", "It takes 4 lines"},
      {false, 1, 7, "Choose 7 different numbers", "It takes 5 lines"},
      {false, 2, 8, "Choose 8 different numbers", "It takes 8 lines"},
      {false, 3, 9, "Choose 9 different numbers", "It takes 19 lines"},
  };
  FrmTxt& w = win();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.six ? "six" : "five") << " row " << c.row);
    (c.six ? w.Option1 : w.Option2)->setValue(true);
    w.List2->setListIndex(c.row);
    EXPECT_EQ(w.La1->Caption(), QString::fromLatin1(c.prompt));
    EXPECT_TRUE(w.lab1->Caption().endsWith(QString::fromLatin1(c.guaranteeEnd)));
    for (int i = 0; i < FrmTxt::kBoxCount; ++i) {
      EXPECT_EQ(w.TXTActiveNumbers[i]->Visible(), i < c.pool) << i;
      EXPECT_EQ(w.TXTActiveNumbers[i]->Enabled(), i < c.pool) << i;
      EXPECT_EQ(w.Label4[i]->Enabled(), i < c.pool) << i;
    }
    EXPECT_TRUE(w.cmdwizard->Enabled());
  }
}

TEST_F(PermWindowTest, SwitchingTheLotteryKeepsTheLastWheelUntilARowIsChosen) {
  FrmTxt& w = win();
  w.List2->setListIndex(0);
  const QString guarantee = w.lab1->Caption();
  w.Option2->setValue(true);
  EXPECT_EQ(w.List2->ListCount(), 4);
  EXPECT_EQ(w.List2->ListIndex(), -1);
  EXPECT_TRUE(w.TXTActiveNumbers[8]->Visible());
  EXPECT_EQ(w.La1->Caption(), QStringLiteral("Choose 9 different numbers"));
  EXPECT_EQ(w.lab1->Caption(), guarantee);
  w.cmdwizard->Click();
  EXPECT_EQ(rec.lastText(), kSelectAPerm);
}

TEST_F(PermWindowTest, ChoosingAWheelFirstReappliesTheFillMode) {
  FrmTxt& w = ranked();
  w.List1->setListIndex(0);
  w.TXTActiveNumbers[0]->setText(QStringLiteral("01"));
  w.List2->setListIndex(1);
  EXPECT_EQ(w.TXTActiveNumbers[0]->Text(), QStringLiteral("49"));
}

// ---------------------------------------------------------------- Generate

TEST_F(PermWindowTest, GenerateSortsTheBoxesAndBuildsTheWheel) {
  FrmTxt& w = win();
  w.List2->setListIndex(0);
  setBoxes(texts({"30", "12", "5", "44", "8", "21", "3", "17", "9"}));
  w.TXTActiveNumbers[12]->setText(QStringLiteral("6"));  // hidden: padded, cleared, never used
  w.cmdwizard->Click();
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_EQ(boxes(), texts({"03", "05", "08", "09", "12", "17", "21", "30", "44", "", "", "", "", "", ""}));
  EXPECT_EQ(w.LstSorted->Rows(), texts({"03 05 08 09 12 17", "03 05 08 09 12 21", "03 05 08 09 12 30",
                                        "03 05 08 09 12 44", "03 05 17 21 30 44", "05 09 17 21 30 44",
                                        "08 12 17 21 30 44"}));
  EXPECT_TRUE(w.lab1->Caption().startsWith(QStringLiteral("From 9 numbers this Plan will guarantee you")));
  EXPECT_EQ(w.Label26->Tag, QStringLiteral("yes"));

  const QStringList first = w.LstSorted->Rows();
  w.cmdwizard->Click();
  EXPECT_EQ(w.LstSorted->Rows(), first);
  EXPECT_TRUE(rec.messages.empty());
}

TEST_F(PermWindowTest, GenerateWithMissingNumbers) {
  struct Case {
    const char* name;
    QStringList in;
    QStringList out;
  };
  const Case cases[] = {
      {"repeated 17", texts({"30", "12", "5", "44", "8", "21", "17", "17", "9"}),
       texts({"05", "08", "09", "12", "17", "21", "30", "44", ""})},
      {"0 and 00 are empty", texts({"30", "0", "5", "44", "00", "21", "3", "17", "9"}),
       texts({"03", "05", "09", "17", "21", "30", "44", "", ""})},
  };
  FrmTxt& w = win();
  w.List2->setListIndex(0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rec.clear();
    setBoxes(c.in);
    w.cmdwizard_Click();
    EXPECT_EQ(boxes(9), c.out);
    EXPECT_EQ(w.LstSorted->ListCount(), 7);  // short lines stay
    EXPECT_LT(w.LstSorted->List(0).size(), 17);
    EXPECT_EQ(rec.lastText(), kCannotPerm);
    EXPECT_TRUE(w.lab1->Caption().startsWith(QStringLiteral("From 9 numbers")));
  }
}

TEST_F(PermWindowTest, GenerateRefusals) {
  FrmTxt& w = win();
  w.List2->setListIndex(0);
  setBoxes(texts({"30", "12", "5", "44", "8", "21", "3", "17", "9"}));
  w.cmdwizard_Click();
  ASSERT_EQ(w.LstSorted->ListCount(), 7);

  // No row chosen: the old perm goes, the boxes stay (padded).
  w.Option2->setValue(true);
  w.cmdwizard_Click();
  EXPECT_EQ(rec.lastText(), kSelectAPerm);
  EXPECT_EQ(w.LstSorted->ListCount(), 0);
  EXPECT_EQ(w.TXTActiveNumbers[0]->Text(), QStringLiteral("03"));

  // All boxes empty: nothing to perm, no message.
  rec.clear();
  w.List2->setListIndex(1);
  setBoxes(QStringList(FrmTxt::kBoxCount, QString()));
  const QString hint = w.lab1->Caption();
  w.cmdwizard_Click();
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_EQ(w.LstSorted->ListCount(), 0);
  EXPECT_EQ(w.lab1->Caption(), hint);
}

TEST_F(PermWindowTest, GenerateUsesEveryShownBox) {
  struct Case {
    bool six;
    int row;
    int lines;
    int length;
  };
  FrmTxt& w = win();
  for (const Case c : {Case{true, 4, 31, 17}, Case{true, 5, 40, 17}, Case{false, 3, 19, 14}, Case{false, 0, 4, 14}}) {
    SCOPED_TRACE(c.row);
    (c.six ? w.Option1 : w.Option2)->setValue(true);
    w.List2->setListIndex(c.row);
    QStringList numbers;
    for (int i = 0; i < FrmTxt::kBoxCount; ++i) numbers << QString::number(90 - 5 * i);
    setBoxes(numbers);
    w.cmdwizard_Click();
    EXPECT_EQ(w.LstSorted->ListCount(), c.lines);
    for (const QString& line : w.LstSorted->Rows()) EXPECT_EQ(line.size(), c.length);
    if (c.row == 4) {
      EXPECT_EQ(w.TXTActiveNumbers[14]->Text(), QStringLiteral("90"));
    }
  }
  EXPECT_TRUE(rec.messages.empty());
}

TEST_F(PermWindowTest, FirstGenerateAfterAHandOverReappliesTheHotNumbers) {
  resultsHandOver(texts({"01", "02", "03", "04", "05", "06"}), ranking(49));
  FrmTxt& w = win();
  w.TXTActiveNumbers[0]->setText(QStringLiteral("01"));
  w.cmdwizard_Click();  // the de-duplication mark is not yet "yes": mode 1 again
  EXPECT_EQ(boxes(9), texts({"41", "42", "43", "44", "45", "46", "47", "48", "49"}));
  w.TXTActiveNumbers[0]->setText(QStringLiteral("01"));
  w.cmdwizard_Click();  // now the user's number stays
  EXPECT_EQ(w.TXTActiveNumbers[0]->Text(), QStringLiteral("01"));
}

// ---------------------------------------------------------------- bands and fill modes

TEST_F(PermWindowTest, FillModesThroughTheModeList) {
  const std::vector<std::pair<int, std::vector<int>>> cases = {
      {0, {49, 48, 47, 46, 45, 44, 43, 42, 41, 40, 39, 38, 37, 36, 35}},
      {1, {32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18}},
      {2, {49, 32, 31, 48, 30, 29, 47, 28, 27, 46, 26, 25, 45, 24, 23}},
      {3, {49, 32, 48, 31, 47, 30, 46, 29, 45, 28, 44, 27, 43, 26, 42}},
      {4, {32, 49, 48, 31, 47, 46, 30, 45, 44, 29, 43, 42, 28, 41, 40}},
      {5, {49, 32, 16, 48, 31, 15, 47, 30, 14, 46, 29, 13, 45, 28, 12}},
  };
  FrmTxt& w = ranked();
  for (const auto& [row, balls] : cases) {
    SCOPED_TRACE(row);
    w.List1->setListIndex(row);
    QStringList expected;
    for (int b : balls) expected << BallText(b);
    EXPECT_EQ(boxes(), expected);
    EXPECT_EQ(w.LstHot->ListCount(), 17);
    EXPECT_TRUE(marked(*w.LstHot).isEmpty());  // the rebuild drops the marks of the fill
  }
  setBoxes(texts({"01", "02"}));
  w.List1->setListIndex(6);  // my own numbers
  EXPECT_EQ(boxes(2), texts({"01", "02"}));
}

TEST_F(PermWindowTest, FillReadsTheBandListsAsTheyStand) {
  FrmTxt& w = ranked(10);  // hot: balls 7-10, warm 4-6, cold 2-3
  w.List1->setListIndex(0);
  EXPECT_EQ(boxes(), texts({"10", "09", "08", "07", "", "", "", "", "", "", "", "", "", "", ""}));

  // Three hot rows and seven warm ones, put there by hand: mode 4 takes them, then rebuilds.
  w.LstHot->Clear();
  w.LstWarm->Clear();
  for (int b : {70, 71, 72}) w.LstHot->AddItem(CountBallRow(50, b, true));
  for (int b : {80, 81, 82, 83, 84, 85, 86}) w.LstWarm->AddItem(CountBallRow(40, b, true));
  w.List1->setListIndex(3);
  EXPECT_EQ(boxes(), texts({"72", "86", "71", "85", "70", "84", "", "83", "", "82", "", "81", "", "80", ""}));
  EXPECT_EQ(w.LstHot->Rows(), ranking(10).mid(6));

  // Equal counts: the higher ball sorts later and fills the earlier box.
  w.ListPerms->Clear();
  for (int b : {12, 7}) w.ListPerms->AddItem(CountBallRow(50, b, true));
  w.DoColorTemp();
  w.List1->setListIndex(0);
  EXPECT_EQ(boxes(2), texts({"12", "07"}));
}

TEST_F(PermWindowTest, NoRankingMarkChangesNothing) {
  FrmTxt& w = ranked();
  w.Label4[14]->Tag.clear();
  w.LstHot->Clear();
  setBoxes(texts({"01"}));
  w.List1->setListIndex(0);
  EXPECT_EQ(w.TXTActiveNumbers[0]->Text(), QStringLiteral("01"));
  EXPECT_EQ(w.LstHot->ListCount(), 0);
  w.AverageCommonLocal();
  EXPECT_EQ(w.TXTActiveNumbers[0]->Text(), QStringLiteral("01"));

  w.Label4[14]->Tag = QStringLiteral("35");
  w.AverageCommonLocal();
  EXPECT_EQ(w.TXTActiveNumbers[0]->Text(), QStringLiteral("49"));
  EXPECT_EQ(w.TXTActiveNumbers[14]->Text(), QStringLiteral("35"));
}

TEST_F(PermWindowTest, EmptyBandsEmptyTheBoxesThenBuildTheLists) {
  FrmTxt& w = ranked();
  w.LstHot->Clear();
  w.LstWarm->Clear();
  w.LstCold->Clear();
  setBoxes(texts({"01", "02"}));
  w.List1->setListIndex(0);
  EXPECT_EQ(boxes(), QStringList(FrmTxt::kBoxCount, QString()));
  EXPECT_EQ(w.LstHot->ListCount(), 17);
  w.ListClick();
  EXPECT_EQ(w.TXTActiveNumbers[0]->Text(), QStringLiteral("49"));
}

TEST_F(PermWindowTest, StatisticOrderRowCopiesTheBoxTags) {
  FrmTxt& w = win();
  for (int i = 0; i < FrmTxt::kBoxCount; ++i) w.TXTActiveNumbers[i]->Tag = BallText(60 + i);
  w.List1->AddItem(QStringLiteral("use most common by numerical order (Statistic Order findings)"));
  w.List1->AddItem(QString(perm::kStatisticOrderRow));
  w.List1->setListIndex(0);  // not the exact text
  EXPECT_EQ(w.TXTActiveNumbers[0]->Text(), QString());
  w.List1->setListIndex(1);
  EXPECT_EQ(w.TXTActiveNumbers[0]->Text(), QStringLiteral("60"));
  EXPECT_EQ(w.TXTActiveNumbers[14]->Text(), QStringLiteral("74"));
}

// Every box write during the first refresh runs the refresh again, nested. Writing an equal text
// runs nothing, so the nesting ends and each box changes once.
TEST_F(PermWindowTest, NestedFirstRefreshComesToAnEnd) {
  FrmTxt& w = ranked();
  w.LstHot->Clear();
  w.LstWarm->Clear();
  w.LstCold->Clear();
  w.List2->setListIndex(0);
  setBoxes(texts({"90", "91", "92", "93", "94", "95", "96", "97", "98", "99", "89", "88", "87", "86", "85"}));
  w.List1->setListIndex(6);  // keeps the boxes; the first refresh will apply mode 1
  int changes = 0;
  for (TextBox* box : w.TXTActiveNumbers) {
    auto original = box->onChange;
    box->onChange = [&changes, original] {
      ++changes;
      original();
    };
  }
  w.List1->setListIndex(0);  // mode 1 with empty bands: all boxes empty, bands built
  EXPECT_EQ(changes, 15);
  FrmTxt::FirstRefreshDone = false;
  changes = 0;
  w.DoQuickList();
  EXPECT_TRUE(FrmTxt::FirstRefreshDone);
  EXPECT_EQ(boxes(3), texts({"49", "48", "47"}));
  EXPECT_EQ(changes, 15);
}

// ---------------------------------------------------------------- number boxes

TEST_F(PermWindowTest, PickListBesideTheBox) {
  FrmTxt& w = ranked();
  w.List2->setListIndex(0);
  activate(w);
  QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
  QApplication::sendEvent(w.TXTActiveNumbers[5], &dbl);
  EXPECT_TRUE(w.LstQuick->Visible());
  EXPECT_EQ(w.LstQuick->Left(), 3960 + 510 + 5 * 330);

  // A real click on row "23".
  w.LstQuick->scrollTo(w.LstQuick->model()->index(22, 0));
  const QRect row = w.LstQuick->visualRect(w.LstQuick->model()->index(22, 0));
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent click(type, row.center(), w.LstQuick->viewport()->mapToGlobal(row.center()), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.LstQuick->viewport(), &click);
  }
  EXPECT_EQ(w.TXTActiveNumbers[5]->Text(), QStringLiteral("23"));
  EXPECT_EQ(marked(*w.LstWarm), QStringList{CountBallRow(33, 23, true)});
  EXPECT_EQ(QApplication::focusWidget(), w.TXTActiveNumbers[5]);
  EXPECT_EQ(w.TXTActiveNumbers[5]->BackColor(), kFocusCyan);
  EXPECT_EQ(w.LstQuick->ListCount(), 98);
  EXPECT_FALSE(w.LstQuick->Rows().contains(QStringLiteral("23")));
  EXPECT_FALSE(w.LstQuick->Visible());
  EXPECT_TRUE(w.List4->Rows().contains(QStringLiteral("23")));
  EXPECT_TRUE(w.LstMainWindowSorted->Rows().contains(QStringLiteral("23")));

  // Down to two rows, a pick refills the list through the box's change: it stays whole.
  while (w.LstQuick->ListCount() > 2) w.LstQuick->RemoveItem(0);
  w.TXTActiveNumbers_DblClick(2);
  w.LstQuick->setListIndex(0);
  EXPECT_EQ(w.TXTActiveNumbers[2]->Text(), QStringLiteral("98"));
  EXPECT_EQ(w.LstQuick->ListCount(), 99);

  // A pick list that stands beside no box keeps its row.
  w.LstQuick->setLeft(100);
  w.LstQuick->setVisible(true);
  w.LstQuick->setListIndex(4);
  EXPECT_EQ(w.LstQuick->ListCount(), 99);
}

TEST_F(PermWindowTest, TypingPadsAndAdvancesToTheLeft) {
  FrmTxt& w = ranked();
  w.List2->setListIndex(0);
  activate(w);
  TextBox* box = w.TXTActiveNumbers[4];
  focus(box);
  EXPECT_EQ(box->BackColor(), kFocusCyan);
  key(box, Qt::Key_7, QStringLiteral("7"));
  EXPECT_EQ(box->Text(), QStringLiteral("7"));
  key(box, Qt::Key_A, QStringLiteral("a"));  // dropped with a beep; the box holds a number: Tab
  EXPECT_EQ(rec.beeps, 1);
  EXPECT_EQ(QApplication::focusWidget(), w.TXTActiveNumbers[3]);
  EXPECT_EQ(box->Text(), QStringLiteral("07"));
  EXPECT_EQ(box->BackColor(), kPaleBlue);  // 07 is cold

  // Typed as 07: no pad, so the box stays white, and the band row of 07 stays marked.
  TextBox* other = w.TXTActiveNumbers[2];
  focus(other);
  key(other, Qt::Key_0, QStringLiteral("0"));
  key(other, Qt::Key_7, QStringLiteral("7"));
  focus(w.TXTActiveNumbers[0]);
  EXPECT_EQ(other->Text(), QStringLiteral("07"));
  EXPECT_EQ(other->BackColor(), kWhite);
  EXPECT_TRUE(marked(*w.LstCold).contains(CountBallRow(17, 7, true)));

  // Enter in box 6: one Tab for Enter, one more when the box holds a number.
  struct Case {
    const char* text;
    int lands;
  };
  for (const Case c : {Case{"21", 4}, Case{"", 5}}) {
    w.TXTActiveNumbers[6]->setText(QString::fromLatin1(c.text));
    focus(w.TXTActiveNumbers[6]);
    key(w.TXTActiveNumbers[6], Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(QApplication::focusWidget(), w.TXTActiveNumbers[c.lands]) << c.text;
  }
  // From box 0 the focus goes on to the win-check boxes.
  w.TXTActiveNumbers[0]->setText(QStringLiteral("1"));
  focus(w.TXTActiveNumbers[0]);
  key(w.TXTActiveNumbers[0], Qt::Key_2, QStringLiteral("2"));
  EXPECT_EQ(QApplication::focusWidget(), w.Text1[0]->widget());
}

TEST_F(PermWindowTest, BoxColoursFollowTheBands) {
  FrmTxt& w = ranked();
  TextBox& box = *w.TXTActiveNumbers[0];
  struct Case {
    const char* text;
    BgrColor colour;
  };
  // A number in no band (or one digit) keeps the colour the box had.
  for (const Case c : {Case{"40", kRed}, Case{"20", kGreen}, Case{"05", kPaleBlue}, Case{"5", kPaleBlue},
                       Case{"01", kPaleBlue}, Case{"77", kPaleBlue}, Case{"45", kRed}}) {
    box.setText(QString::fromLatin1(c.text));
    EXPECT_EQ(box.BackColor(), c.colour) << c.text;
  }
  // Found in several lists: the last colour set wins (hot, warm, cold).
  w.LstCold->AddItem(CountBallRow(1, 45, true));
  w.TextChangeColors(box);
  EXPECT_EQ(box.BackColor(), kPaleBlue);
  EXPECT_TRUE(marked(*w.LstHot).contains(CountBallRow(55, 45, true)));

  w.Labhot->Click();
  w.Labcold->Click();
  EXPECT_TRUE(marked(*w.LstHot).isEmpty());
  EXPECT_TRUE(marked(*w.LstCold).isEmpty());
}

TEST_F(PermWindowTest, DragABandRowOntoABox) {
  FrmTxt& w = win();
  w.ListPerms->AddItem(QStringLiteral("012 07"));
  w.ListPerms->AddItem(QStringLiteral("013 30"));
  w.DoColorTemp();  // two rows: both hot
  w.List2->setListIndex(0);  // only shown boxes take drops
  w.LstHot->setListIndex(0);
  std::unique_ptr<QMimeData> data(w.LstHot->StartDragData());
  ASSERT_TRUE(data);
  EXPECT_EQ(data->text(), QStringLiteral("012 07"));
  EXPECT_EQ(w.DragText, QStringLiteral("012 07"));

  QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.TXTActiveNumbers[3], &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(2, 2), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.TXTActiveNumbers[3], &drop);
  EXPECT_EQ(w.TXTActiveNumbers[3]->Text(), QStringLiteral("07"));
  EXPECT_EQ(w.TXTActiveNumbers[3]->BackColor(), kRed);
  EXPECT_EQ(marked(*w.LstHot), QStringList{QStringLiteral("012 07")});
}

TEST_F(PermWindowTest, NumberAndWinCheckBoxesTakeTwoDigitsHoweverTheTextArrives) {
  FrmTxt& w = ranked();
  w.List2->setListIndex(0);
  activate(w);
  auto* winCheck = static_cast<TextBox*>(w.Text1[0]);
  struct Box {
    TextBox* box;
    std::function<void(const QMimeData&)> drop;
  };
  for (const Box& b : {Box{w.TXTActiveNumbers[4], [&w](const QMimeData& d) { w.TXTActiveNumbers_OLEDragDrop(4, d); }},
                       Box{winCheck, winCheck->onDrop}}) {
    TextBox* box = b.box;
    box->setText(QStringLiteral("34"));
    focus(box);
    key(box, Qt::Key_3, QStringLiteral("3"));  // a third digit is not taken
    EXPECT_EQ(box->Text(), QStringLiteral("34"));

    // Pasted text: digits only, anything else is refused with the beep.
    struct Case {
      const char* clipboard;
      const char* result;
      int beeps;
    };
    for (const Case c : {Case{"ab", "", 1}, Case{"1/2", "", 1}, Case{" 7\n", "7", 0}, Case{"123", "12", 0}}) {
      rec.clear();
      box->setText(QString());
      focus(box);
      QGuiApplication::clipboard()->setText(QString::fromLatin1(c.clipboard));
      QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
      QApplication::sendEvent(box, &paste);
      EXPECT_EQ(box->Text(), QString::fromLatin1(c.result)) << c.clipboard;
      EXPECT_EQ(rec.beeps, c.beeps) << c.clipboard;
    }

    // Text dragged in from elsewhere follows the same rule; a band row brings its ball.
    rec.clear();
    ASSERT_TRUE(b.drop);
    for (const char* dropped : {"hello", "1200 18"}) {
      QMimeData data;
      data.setText(QString::fromLatin1(dropped));
      b.drop(data);
    }
    EXPECT_EQ(rec.beeps, 1);
    EXPECT_EQ(box->Text(), QStringLiteral("18"));
  }
}

TEST_F(PermWindowTest, ClickOnTheSelectedModeRowAppliesItAgain) {
  FrmTxt& w = ranked();
  activate(w);
  w.List1->setListIndex(0);
  setBoxes(texts({"01", "02"}));  // the player's own numbers
  const QPoint at = w.List1->visualRect(w.List1->model()->index(0, 0)).center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent click(type, at, w.List1->viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.List1->viewport(), &click);
  }
  EXPECT_EQ(w.List1->ListIndex(), 0);
  EXPECT_EQ(boxes(2), texts({"49", "48"}));
}

TEST_F(PermWindowTest, HintsLabelsAndButtonLook) {
  FrmTxt& w = win();
  const QString marks = QStringLiteral("\r\nNumbers are marked blue if they are used in the perm");
  w.LstHot->onMouseMove(0, 0, 0, 0);
  EXPECT_EQ(w.lab1->Caption(), QStringLiteral("Lists all hot numbers (Most common numbers)") + marks);
  w.LstWarm->onMouseMove(0, 0, 0, 0);
  EXPECT_EQ(w.lab1->Caption(), QStringLiteral("Lists all warm numbers") + marks);
  w.LstCold->onMouseMove(0, 0, 0, 0);
  EXPECT_EQ(w.lab1->Caption(), QStringLiteral("Lists all cold numbers") + marks);
  w.LstSorted->onMouseMove(0, 0, 0, 0);
  EXPECT_EQ(w.lab1->Caption(), QStringLiteral("These are the numbers you place on the lottery"));
  QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &move);
  EXPECT_EQ(w.lab1->Caption(), QString());

  w.Label4[2]->Tag = QStringLiteral("47");
  w.Label4[2]->Click();
  w.Label4[3]->Click();
  ASSERT_EQ(rec.messages.size(), 2u);
  EXPECT_EQ(rec.messages[0].text, QStringLiteral("47"));
  EXPECT_EQ(rec.messages[0].title, QStringLiteral("VTNv3_8"));
  EXPECT_EQ(rec.messages[1].text, QString());

  for (Label* button : {w.cmdwizard, w.Label1}) {
    EXPECT_EQ(button->BackColor(), kLightGrey);
    button->onMouseDown(1, 0, 0, 0);
    EXPECT_EQ(button->BackColor(), kWhite);
    button->onMouseUp(1, 0, 0, 0);
    EXPECT_EQ(button->BackColor(), kDarkGrey);
  }
}

TEST_F(PermWindowTest, WinCheckBoxesWarnOfDuplicates) {
  struct Case {
    const char* name;
    std::vector<const char*> values;
    int messages;
  };
  const Case cases[] = {
      {"two equal", {"0", "3", "15", "0", "15", "0"}, 1},
      {"three equal", {"0", "15", "15", "0", "15", "0"}, 2},
      {"7 and 07 differ", {"0", "7", "07", "0", "0", "0"}, 0},
      {"zeros are no numbers", {"0", "0", "0", "00", "0", "0"}, 0},
  };
  FrmTxt& w = win();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rec.clear();
    for (int i = 0; i < 6; ++i) w.Text1[i]->setText(QString::fromLatin1(c.values[i]));
    w.Text1_LostFocus(2);
    EXPECT_EQ(int(rec.messages.size()), c.messages);
    for (const auto& m : rec.messages) EXPECT_EQ(m.text, kNoDuplicates);
  }
}

// ---------------------------------------------------------------- win check

TEST_F(PermWindowTest, WinCheck) {
  const QString tally = QStringLiteral("6 ball matchs = : %1\r\n5 ball matchs = : %2\r\n4 ball matchs = : %3\r\n"
                                       "3 ball matchs = : %4\r\n2 ball matchs = : %5");
  const QStringList perm = texts({"01 05 12 20 33 41", "02 07 09 14 22 31", "03 08 15 22 31 40"});
  struct Case {
    const char* name;
    std::vector<const char*> boxes;
    std::vector<const char*> ordered;
    QStringList selected;
    QString tally;
    QStringList messages;
  };
  const Case cases[] = {
      {"three matches win", {"05", "12", "20", "0", "0", "0"}, {"05", "12", "20", "0", "0", "0"},
       {"01 05 12 20 33 41"}, tally.arg(0).arg(0).arg(0).arg(1).arg(0), {}},
      {"ordering, 07 matches 7", {"12", "07", "0", "0", "0", "0"}, {"7", "12", "0", "0", "0", "0"},
       {}, tally.arg(0).arg(0).arg(0).arg(0).arg(0), {kSorryNoWins}},
      {"zeros block the ordering", {"0", "31", "0", "8", "0", "22"}, {"0", "31", "0", "8", "0", "22"},
       {"03 08 15 22 31 40"}, tally.arg(0).arg(0).arg(0).arg(1).arg(1), {}},
      {"a full match", {"41", "33", "20", "12", "5", "1"}, {"1", "5", "12", "20", "33", "41"},
       {"01 05 12 20 33 41"}, tally.arg(1).arg(0).arg(0).arg(0).arg(0), {kWon}},
  };
  FrmTxt& w = win();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rec.clear();
    w.LstSorted->Clear();
    for (const QString& line : perm) w.LstSorted->AddItem(line);
    for (int i = 0; i < 6; ++i) w.Text1[i]->setText(QString::fromLatin1(c.boxes[i]));
    w.Label1->Click();
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w.Text1[i]->Text(), QString::fromLatin1(c.ordered[i])) << i;
    EXPECT_EQ(marked(*w.LstSorted), c.selected);
    EXPECT_EQ(w.Text1[6]->Text(), c.tally);
    QStringList shown;
    for (const auto& m : rec.messages) shown << m.text;
    EXPECT_EQ(shown, c.messages);
  }
}

TEST_F(PermWindowTest, WinCheckThatDoesNotRun) {
  FrmTxt& w = win();
  const QString before = w.Text1[6]->Text();
  w.LstSorted->AddItem(QStringLiteral("01 05 12 20 33"));
  w.LstSorted->setSelected(0, true);

  w.Text1[0]->setText(QStringLiteral("12"));
  w.Label1_Click();  // one number only
  EXPECT_EQ(rec.lastText(), QStringLiteral("Type a number into one or more of the 6 white boxes bottom left to see if you have won."));
  EXPECT_TRUE(w.LstSorted->Selected(0));

  rec.clear();
  w.Text1[1]->setText(QStringLiteral("05"));
  w.Label1_Click();  // five-number lines: ordered and deselected, nothing else
  EXPECT_EQ(w.Text1[0]->Text(), QStringLiteral("5"));
  EXPECT_FALSE(w.LstSorted->Selected(0));
  EXPECT_EQ(w.Text1[6]->Text(), before);
  EXPECT_TRUE(rec.messages.empty());
}

// An incomplete perm holds short lines; read at the fixed columns, a field without a number
// matches nothing, and the check goes through every line.
TEST_F(PermWindowTest, WinCheckOverAnIncompletePerm) {
  FrmTxt& w = win();
  w.List2->setListIndex(0);
  setBoxes(texts({"05", "08", "09", "12", "17", "21", "30", "44", "44"}));
  w.cmdwizard_Click();
  ASSERT_EQ(rec.lastText(), kCannotPerm);
  rec.clear();
  ASSERT_EQ(w.LstSorted->List(0), QStringLiteral("05 08 09 12 17 "));
  w.LstSorted->setListIndex(1);  // a complete line is the current one
  const QStringList values = texts({"05", "08", "09", "12", "17", "21"});
  for (int i = 0; i < 6; ++i) w.Text1[i]->setText(values[i]);
  w.Label1_Click();
  EXPECT_EQ(marked(*w.LstSorted).size(), 7);
  EXPECT_EQ(w.Text1[6]->Text(), QStringLiteral("6 ball matchs = : 1\r\n5 ball matchs = : 3\r\n4 ball matchs = : 0\r\n"
                                               "3 ball matchs = : 3\r\n2 ball matchs = : 0"));
  EXPECT_EQ(rec.lastText(), kWon);

  // With the short first line current, the check does not run.
  w.LstSorted->setListIndex(0);
  w.Text1[6]->setText(QString());
  w.Label1_Click();
  EXPECT_EQ(w.Text1[6]->Text(), QString());
  EXPECT_TRUE(marked(*w.LstSorted).isEmpty());
}

// ---------------------------------------------------------------- report, load and unload

TEST_F(PermWindowTest, PermReportReplacesTheReportBox) {
  FrmTxt& w = win();
  w.Show();
  PrintWindow& report = Forms::get<PrintWindow>();
  report.Text1[1]->setText(QStringLiteral("an older report"));
  w.ZOrder(0);
  w.List2->setListIndex(0);
  setBoxes(texts({"30", "12", "5", "44", "8", "21", "3", "17", "9"}));
  w.cmdwizard_Click();
  const QString hint = w.lab1->Caption();
  w.CmdPrintIt->Click();

  QStringList lines = report.Text1[1]->Text().split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.takeLast(), QString());
  ASSERT_EQ(lines.size(), 21);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Veltrane: Perm Report: Printed on ")));
  EXPECT_EQ(lines.mid(3, 7), w.LstSorted->Rows());
  EXPECT_EQ(lines[10], QString(131, QLatin1Char('_')));
  EXPECT_TRUE(lines[12].endsWith(QStringLiteral("this takes 7 lines")));
  EXPECT_EQ(lines[14], QStringLiteral("Your selection = ") + hint);
  EXPECT_EQ(marked(*w.LstSorted).size(), 7);
  EXPECT_EQ(Forms::active(), &w);  // the report window stays where it was

  // An empty perm after the pointer crossed the window: no lines, count 0, empty selection.
  w.LstSorted->Clear();
  w.Form_MouseMove();
  w.CmdPrintIt_Click();
  lines = report.Text1[1]->Text().split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines[3], QString(131, QLatin1Char('_')));
  EXPECT_TRUE(lines[5].endsWith(QStringLiteral("this takes 0 lines")));
  EXPECT_EQ(lines[7], QStringLiteral("Your selection = "));
}

TEST_F(PermWindowTest, WindowBarButtonAndFirstRefreshAcrossUnload) {
  Label& button = *WindowBar::instance().Label5;
  FrmTxt& w = win();
  EXPECT_FALSE(FrmTxt::FirstRefreshDone);
  w.ZOrder(0);
  EXPECT_EQ(button.BackColor(), kLightGrey);
  EXPECT_TRUE(button.Enabled());
  w.DoQuickList();
  EXPECT_TRUE(FrmTxt::FirstRefreshDone);

  Forms::unload<FrmTxt>();
  flushDeletes();
  EXPECT_EQ(button.BackColor(), kDarkGrey);
  EXPECT_FALSE(button.Enabled());
  EXPECT_TRUE(FrmTxt::FirstRefreshDone);  // closing keeps it

  // A later load runs no refresh of its own (the boxes keep their design state), then clears it.
  FrmTxt& again = win();
  EXPECT_TRUE(again.TXTActiveNumbers[0]->Visible());
  EXPECT_FALSE(FrmTxt::FirstRefreshDone);
}

// ---------------------------------------------------------------- hand-over

TEST_F(PermWindowTest, HandOverFromTheResultsWindow) {
  const QStringList draw = texts({"03", "17", "25", "40", "44", "49"});
  // First after start: the load's refresh runs on empty lists, the hand-over's DoQuickList
  // repeats it on the handed-over numbers.
  resultsHandOver(draw, ranking(49));
  FrmTxt& w = win();
  EXPECT_TRUE(FrmTxt::FirstRefreshDone);
  EXPECT_EQ(w.Top(), 0);
  EXPECT_EQ(w.List2->ListIndex(), 0);
  EXPECT_TRUE(w.TXTActiveNumbers[8]->Visible());
  EXPECT_FALSE(w.TXTActiveNumbers[9]->Visible());
  EXPECT_EQ(boxes(3), texts({"49", "48", "47"}));
  EXPECT_EQ(w.TXTActiveNumbers[14]->Text(), QStringLiteral("35"));
  EXPECT_EQ(w.LstHot->ListCount(), 17);
  EXPECT_EQ(w.Text1[5]->BackColor(), kRed);  // the refresh recoloured the draw's boxes
  EXPECT_EQ(w.Text1[1]->BackColor(), kGreen);
  EXPECT_EQ(w.Text1[0]->BackColor(), kPaleBlue);

  // Second, while open: DoQuickList runs no refresh, so only the producer's selections act.
  // Row 0 of List1 applies mode 1 from the old bands, then rebuilds them from the emptied
  // ranking; the new rows arrive after that.
  resultsHandOver(draw, ranking(30, 60));
  EXPECT_EQ(boxes(3), texts({"49", "48", "47"}));
  EXPECT_EQ(w.LstHot->ListCount(), 0);
  EXPECT_EQ(w.ListPerms->ListCount(), 30);
  EXPECT_EQ(w.Label4[0]->Tag, QStringLiteral("89"));
  // What the producer must add to show the new numbers: the band split, then the mode.
  w.DoColorTemp();
  w.ListClick();
  EXPECT_EQ(boxes(3), texts({"89", "88", "87"}));

  // After a close: a new window; the hand-over's DoQuickList runs the first refresh.
  Forms::unload<FrmTxt>();
  flushDeletes();
  resultsHandOver(draw, ranking(30, 60));
  FrmTxt& fresh = win();
  EXPECT_TRUE(FrmTxt::FirstRefreshDone);
  EXPECT_EQ(boxes(3), texts({"89", "88", "87"}));
  EXPECT_EQ(fresh.LstHot->ListCount(), 10);
  EXPECT_EQ(WindowBar::instance().Label5->BackColor(), kLightGrey);
}

// ---------------------------------------------------------------- shared procedures

TEST_F(PermWindowTest, RemoveDuplicateItems) {
  struct Case {
    QStringList in;
    QStringList out;
  };
  const Case cases[] = {
      {{}, {}},
      {texts({"a"}), texts({"a"})},
      {texts({"a", "b", "a", "c", "b", "a"}), texts({"a", "b", "c"})},
      {texts({"x", "x", "x", "x"}), texts({"x"})},
      {texts({"A", "a", "A"}), texts({"A", "a"})},
      {texts({"", "x", "", ""}), texts({"", "x"})},  // an empty row repeated at the end
  };
  ASSERT_FALSE(Forms::isLoaded<FrmTxt>());
  for (const Case& c : cases) {
    ListBox list;
    for (const QString& row : c.in) list.AddItem(row);
    RemoveDuplicateItems(list);
    EXPECT_EQ(list.Rows(), c.out);
    EXPECT_EQ(win().Label26->Tag, QStringLiteral("yes"));  // and the perm window got loaded
  }
}

TEST_F(PermWindowTest, StoredPermReplacesThePermList) {
  FrmTxt& w = win();
  w.LstSorted->AddItem(QStringLiteral("old"));
  const QString hint = w.lab1->Caption();
  w.Perm_49();
  EXPECT_EQ(w.LstSorted->ListCount(), 0);  // no file

  QFile file(DataBasesPath(QStringLiteral("perm_49.txt")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("02 04 06 08 10 12\r\n01 03 05 07 09 11,13 15 17 19 21 23\r\n");
  file.close();
  w.Perm_49();
  EXPECT_EQ(w.LstSorted->Rows(), texts({"01 03 05 07 09 11", "02 04 06 08 10 12", "13 15 17 19 21 23"}));
  EXPECT_EQ(w.lab1->Caption(), hint);
}

}  // namespace
}  // namespace vtn
