#include "sorted/sorted_window.h"

#include <QDesktopServices>
#include <QUrl>

#include "common/numbers.h"
#include "common/settings.h"
#include "common/shared_procedures.h"
#include "common/window_bar.h"
#include "controls/events.h"
#include "database/shared_database.h"
#include "sorted/sorted_texts.h"

namespace vtn {
namespace {

// The window's texts.
const QString kDesignCaption = QStringLiteral("VTNv3 Sorted Draws Window");
const QString kCaptionPrefix = QStringLiteral("Sorted Draws ");
const QString kFilterDates = QStringLiteral("Filter Dates");
const QString kFilterDays = QStringLiteral("Filter Days");
const QString kYear = QStringLiteral("Year");
const QString kMonth = QStringLiteral("Month");
const QString kDay = QStringLiteral("Day");
const QString kFilterDaysTip = QStringLiteral("Selects a day to filter from the results");
const QString kUkOption = QStringLiteral("UK 31/12/00");
const QString kUkOptionTip = QStringLiteral("Sort by Month/Day/Year");
const QString kUsOption = QStringLiteral("US 12/31/00");
const QString kUsOptionTip = QStringLiteral("Sort by Day/Month/Year");
const QString kDrawNumberTip = QStringLiteral("Draw Number");
const QString kDrawDayTip = QStringLiteral("Draw Day");
const QString kDrawDateTip = QStringLiteral("Draw Date");
const QString kB1 = QStringLiteral("B1");
const QString kSortedResults = QStringLiteral("Numarically sorted results");
const QString kResultsAsAppeared = QStringLiteral("Results listed as appeared");
const QString kAppearances = QStringLiteral("Appearances in selection");
const QString kMostToLeastTip = QStringLiteral("Shows numbers from most common to least common");
const QString kAllDays = QStringLiteral("All Days");
// Captions of our own for controls that have none of their own.
const QString kShownDraw = QStringLiteral("Draw");
const QString kBonus = QStringLiteral("BB");
const QString kMostToLeast = QStringLiteral("Most to least common");

// Places in twips; the client area is 10890 x 6330. Hidden controls lie to its right.
constexpr int kClientWidth = 10890;
constexpr int kClientHeight = 6330;
constexpr int kHiddenLeft = 11200;
constexpr int kComboHeight = 315;
constexpr int kBoxHeight = 315;
constexpr int kCaptionHeight = 240;

Label* caption(QWidget* parent, const QString& text, int left, int top, int width) {
  auto* label = new Label(text, parent);
  label->setWordWrap(false);
  label->Move(left, top, width, kCaptionHeight);
  return label;
}

TextBox* shownBox(QWidget* parent, int left, int top, int width) {
  auto* box = new TextBox(parent);
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignCenter);
  box->Move(left, top, width, kBoxHeight);
  return box;
}

ComboBox* filterCombo(QWidget* parent, int left, const QStringList& rows, const QString& text) {
  auto* combo = new ComboBox(parent);
  combo->Move(left, 480, 1080, kComboHeight);
  for (const QString& row : rows) combo->AddItem(row);
  combo->setText(text);
  return combo;
}

QStringList numberedRows(int last) {
  QStringList rows;
  for (int i = 1; i <= last; ++i) rows << BallText(i);
  rows << sorted::kAll;
  return rows;
}

}  // namespace

SortedWindow::SortedWindow() : Form(kDesignCaption, kClientWidth, kClientHeight) {
  layOutControls();
  Combo2->onClick = [this] { Combo2_Click(); };
  Combo3->onClick = [this] { Combo3_Click(); };
  Combo4->onClick = [this] { Combo4_Click(); };
  Combo8->onClick = [this] { Combo8_Click(); };
  Option2->onClick = [this] { Option2_Click(); };
  List5->onMouseUp = [this](int b, int s, int x, int y) { List5_MouseUp(b, s, x, y); };
  LstDrawResults->onMouseDown = [this](int b, int s, int x, int y) { LstDrawResults_MouseDown(b, s, x, y); };
}

void SortedWindow::layOutControls() {
  Picture1 = new PictureBox(this);
  Picture1->Move(0, 0, kClientWidth, kClientHeight);
  QWidget* panel = Picture1;

  // Filters, the date order and the draw-count sentence along the top.
  Frame2 = new Frame(kFilterDates, panel);
  Frame2->Move(60, 30, 3840, 930);
  caption(Frame2, kYear, 120, 240, 1080);
  Combo4 = filterCombo(Frame2, 120, {sorted::kAll}, sorted::kAll);
  caption(Frame2, kMonth, 1320, 240, 1080);
  Combo3 = filterCombo(Frame2, 1320, numberedRows(12), sorted::kAll);
  caption(Frame2, kDay, 2520, 240, 1080);
  Combo2 = filterCombo(Frame2, 2520, numberedRows(31), sorted::kAll);
  Frame3 = new Frame(kFilterDays, panel);
  Frame3->Move(3990, 30, 1920, 930);
  Combo8 = filterCombo(Frame3, 120, DayFilterChoices(), kAllDays);
  Combo8->setWidth(1680);
  Combo8->setToolTipText(kFilterDaysTip);
  Option1 = new OptionButton(kUkOption, panel);
  Option1->Move(6060, 180, 1800, 285);
  Option1->setToolTipText(kUkOptionTip);
  Option2 = new OptionButton(kUsOption, panel);
  Option2->Move(6060, 540, 1800, 285);
  Option2->setToolTipText(kUsOptionTip);
  Text9 = new TextArea(panel);
  Text9->setReadOnly(true);
  Text9->Move(7980, 90, 2850, 870);

  // The shown draw.
  caption(panel, kShownDraw, 60, 1110, 540);
  txtRecNum = shownBox(panel, 600, 1065, 720);
  txtRecNum->setText(QStringLiteral("0"));
  txtRecNum->setToolTipText(kDrawNumberTip);
  for (int i = 0; i < 6; ++i) TxtBall[size_t(i)] = shownBox(panel, 1440 + i * 450, 1065, 420);
  caption(panel, kBonus, 4170, 1110, 300)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  TxtBallBB = shownBox(panel, 4500, 1065, 420);
  TxtBall07 = shownBox(panel, 5040, 1065, 480);
  TxtBall07->setToolTipText(kDrawDayTip);
  txtDate = shownBox(panel, 5640, 1065, 1080);
  txtDate->setToolTipText(kDrawDateTip);

  // The two draw lists on the left, the counts and sentences on the right.
  Label24 = caption(panel, kSortedResults, 60, 1500, 4560);
  LstDrawResults = new ListBox(true, panel);
  LstDrawResults->Move(60, 1740, 4560, 2190);
  Label25 = caption(panel, kResultsAsAppeared, 60, 3990, 4560);
  List5 = new ListBox(false, panel);
  List5->Move(60, 4230, 4560, 2040);
  Label3[0] = nullptr;
  Label3[1] = caption(panel, kAppearances, 4740, 1500, 3240);
  Text2 = new TextArea(panel);
  Text2->setReadOnly(true);
  Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
  Text2->Move(4740, 1740, 3240, 2190);
  caption(panel, kMostToLeast, 8100, 1500, 2730);
  List1 = new ListBox(false, panel);
  List1->Move(8100, 1740, 2730, 2190);
  List1->setToolTipText(kMostToLeastTip);
  Text3 = new TextArea(panel);
  Text3->setReadOnly(true);
  Text3->Move(4740, 3990, 6090, 2280);

  // Storage that is never shown.
  List3 = new ListBox(true, panel);
  List3->setCountBallOrder(true);
  List3->Move(kHiddenLeft, 0, 1200, 1200);
  List3->setVisible(false);
  for (size_t i = 0; i < Label16.size(); ++i) {
    Label16[i] = new Label(kB1, panel);
    Label16[i]->Move(kHiddenLeft, 1300 + int(i) * 255, 400, kCaptionHeight);
    Label16[i]->setVisible(false);
  }

  // Read the filters first, then the lists left to right.
  QWidget* previous = Combo4;
  for (QWidget* next : std::initializer_list<QWidget*>{Combo3, Combo2, Combo8, Option1, Option2, LstDrawResults, List5,
                                                       Text2, List1, Text3, Text9}) {
    QWidget::setTabOrder(previous, next);
    previous = next;
  }
}

void SortedWindow::Form_Load() {
  WindowBar::MarkOpen(*WindowBar::instance().Label2);
  setTop(0);
  setLeft(0);
  for (size_t i = 0; i < 6; ++i) TxtBall[i]->setText(CurrentDraw.Balls[i]);
  TxtBall07->setText(CurrentDraw.Day);
  TxtBallBB->setText(CurrentDraw.Bonus);
  txtDate->setText(CurrentDraw.Date);
  SortListDatesSortedWindow();
  if (txtDate->Text().size() >= 3) {
    Combo4->Clear();
    Combo4->AddItem(sorted::kAll);
    Combo4->setListIndex(0);  // rewinds and runs the pass, as a user's choice does
    // The pass ended at the last draw; reading it again leaves the walk where it was.
    const QString lastYear = ReadDraw(DrawCount()) ? CurrentDraw.Date.mid(6, 2) : QString();
    for (const QString& year : YearChoices(txtDate->Text().mid(6, 2), lastYear)) Combo4->AddItem(year);
  }
  DoEvents();
  SetListScrollWidth(*LstDrawResults);
  SetListScrollWidth(*List5);
}

void SortedWindow::Form_Activate() {
  // The database the program has open: with no name stored yet that is the bundled UK one, whose
  // dates are day first, as the results and report windows name it too.
  const QString name = CurrentDataBaseName();
  setCaption(kCaptionPrefix + name);
  if (!Frame2->isEnabled()) return;  // a prediction run has set the date order it reads
  // Selecting the option that is already selected runs nothing, so the order is stored once.
  if (name.left(2) == QStringLiteral("UK")) Option1->setValue(true);
  else Option2->setValue(true);
}

void SortedWindow::Form_Unload() { WindowBar::MarkClosed(*WindowBar::instance().Label2); }

void SortedWindow::GotoDBZero() {
  CurrentDrawNumber = 1;
  CurrentPosition = 1;
  ReadRecordAt(1);
  txtRecNum->setText(QStringLiteral("1"));
  FillTextSortedWindow();
}

void SortedWindow::FillTextSortedWindow() {
  for (size_t i = 0; i < 6; ++i) TxtBall[i]->setText(CurrentDraw.Balls[i]);
  TxtBall07->setText(CurrentDraw.Day);
  TxtBallBB->setText(CurrentDraw.Bonus);
  txtDate->setText(CurrentDraw.Date);
  DoEvents();
  for (size_t i = 0; i < 6; ++i) Label16[i]->setCaption(TxtBall[i]->Text());
}

void SortedWindow::Combo2_Click() { filterChosen(); }
void SortedWindow::Combo3_Click() { filterChosen(); }
void SortedWindow::Combo4_Click() { filterChosen(); }
void SortedWindow::Combo8_Click() { filterChosen(); }

void SortedWindow::filterChosen() {
  const int pass = ++passesBegun_;
  GotoDBZero();  // lets events run
  if (!superseded(pass)) countPass(pass);
}

void SortedWindow::SortListDatesSortedWindow() { countPass(++passesBegun_); }

void SortedWindow::setFiltersEnabled(bool on) {
  for (QWidget* control : std::initializer_list<QWidget*>{Frame2, Frame3, Option1, Option2}) control->setEnabled(on);
}

void SortedWindow::countPass(int pass) {
  DoTheNumbers();
  Label2.fill(0);
  List3->Clear();
  List5->Clear();
  LstDrawResults->Clear();

  // The walk. Nothing else runs while it goes, so the rows are put into the lists in one go
  // and the draw number box is written once at the end.
  const sorted::Filters filters{Combo4->Text(), Combo3->Text(), Combo2->Text(), Combo8->Text()};
  const bool monthFirst = Option2->Value();
  const int draws = DrawCount();
  QStringList rows;
  int recNum = int(Val(txtRecNum->Text()));
  // A database without draws has nothing to walk: the shared record then holds no draw of it.
  while (draws > 0) {
    const QString date = sorted::DayFirstDate(CurrentDraw.Date, monthFirst);
    if (sorted::MatchesFilters(date, CurrentDraw.Day, filters)) {
      for (const QString& ball : CurrentDraw.Balls) {
        if (const int k = sorted::BallNumber(ball)) ++Label2[size_t(k)];
      }
      if (Val(CurrentDraw.Bonus) != 0.0) {
        if (const int k = sorted::BallNumber(CurrentDraw.Bonus)) ++Label2[size_t(k)];
      }
      rows << sorted::SortedDrawRow(CurrentDraw, date);
    }
    if (CurrentPosition == DrawPositionIndex.back()) break;
    const int next = recNum + 1;
    if (next < 1 || next > draws) break;
    CurrentPosition = DrawPositionIndex[size_t(next)];
    // A record that can no longer be read (the file changed under the program) would count the
    // draw before it twice.
    if (!ReadRecordAt(CurrentPosition)) break;
    ++CurrentDrawNumber;
    recNum = CurrentDrawNumber;
    if (recNum - 1 == draws) break;
  }
  txtRecNum->setText(QString::number(recNum));
  List5->AddItems(rows);
  LstDrawResults->AddItems(rows);

  DoEvents();
  if (superseded(pass)) return;
  QString lines;
  for (int k = 1; k <= 99; ++k) {
    const int count = Label2[size_t(k)];
    if (count == 0) continue;
    lines += sorted::BallLine(k, count);
    List3->AddItem(CountBallRow(count, k, true));
  }
  Text2->setText(lines);

  DoEvents();
  DoEvents();
  if (superseded(pass)) return;
  Text3->setText(sorted::CommonSentences(List3->Rows(), Combo2->Text(), Combo3->Text()));
  Text9->setText(sorted::DrawCountSentence(List5->ListCount()));
  DoTheNumbers();
}

void SortedWindow::DoTheNumbers() {
  List1->Clear();
  for (const QString& ball : sorted::MostToLeastCommon(List3->Rows())) List1->AddItem(ball);
}

void SortedWindow::Option2_Click() {
  DoEvents();
  SaveUsOrUKdate(Option2->Value());
}

void SortedWindow::List5_MouseUp(int, int, int, int) {
  ClearSharedValues();
  const QString selected = List5->Text();
  for (int i = 0; i < List5->ListCount(); ++i) {
    if (LstDrawResults->List(i) == selected) {
      LstDrawResults->setListIndex(i);
      break;
    }
  }
}

void SortedWindow::LstDrawResults_MouseDown(int, int, int, int) {
  const QString selected = LstDrawResults->Text();
  for (int i = 0; i < LstDrawResults->ListCount(); ++i) {
    if (List5->List(i) == selected) {
      List5->setListIndex(i);
      break;
    }
  }
}


bool SortedWindow::ShellOpenDocument(const QString& path) {
  const QUrl url = QUrl::fromUserInput(path);
  return QDesktopServices::openUrl(url);
}

}  // namespace vtn
