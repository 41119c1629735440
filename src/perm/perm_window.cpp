#include "perm/perm_window.h"

#include <QMimeData>
#include <algorithm>

#include "common/help.h"
#include "common/message.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/shared_procedures.h"
#include "common/window_bar.h"
#include "controls/colors.h"
#include "controls/events.h"
#include "perm/perm_bands.h"
#include "perm/perm_catalogue.h"
#include "perm/perm_check.h"
#include "perm/perm_generate.h"
#include "perm/perm_report.h"
#include "perm/remove_duplicates.h"
#include "reports/print_window.h"

namespace vtn {
namespace {

namespace text = perm::text;

const QString kYes = QStringLiteral("yes");

// Design places, in twips. The number boxes and their labels are counted from the frame.
constexpr int kFrameLeft = 3960;
constexpr int kFrameTop = 720;
constexpr int kFrameWidth = 6015;
constexpr int kFrameHeight = 5145;
constexpr int kBoxLeft = 510;
constexpr int kBoxStep = 330;
constexpr int kBoxTop = 540;
constexpr int kBoxWidth = 315;
constexpr int kBoxHeight = 285;
constexpr int kBoxLabelTop = 300;
constexpr int kQuickListTop = 300;
constexpr int kQuickListWidth = 525;
constexpr int kQuickListHeight = 5490;

constexpr int kFormWidth = 14400;
constexpr int kFormHeight = 7800;

constexpr int kFiveNumberLineLength = 14;

constexpr BgrColor kPressed = kWhite;
constexpr BgrColor kReleased = kDarkGrey;  // a clicked label stays darker than its design grey

perm::Lottery lotteryOf(const OptionButton& sixNumbers) {
  return sixNumbers.Value() ? perm::Lottery::SixNumber : perm::Lottery::FiveNumber;
}

bool isDigitsOnly(const QString& text) {
  if (text.isEmpty()) return false;
  for (QChar c : text)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  return true;
}

// The ball that dropped text brings: a band row brings the ball after its count, text from
// elsewhere must be a number itself. Empty, after the beep, for anything else.
QString droppedBall(const QMimeData& data) {
  const QString text = data.text().trimmed();
  const QString ball = text.contains(QLatin1Char(' ')) ? BallOfRow(text) : text;
  if (isDigitsOnly(ball)) return ball;
  Beep();
  return QString();
}

// A number box and a win-check box hold one ball: two characters at most, and pasted text must
// be digits, as typing is; anything else is refused with the beep.
void takeBallsOnly(TextBox& box) {
  box.setMaxLength(2);
  box.onPaste = [&box](const QString& text) {
    const QString number = text.trimmed();
    if (isDigitsOnly(number)) box.insert(number);
    else Beep();
  };
}

}  // namespace

FrmTxt::FrmTxt() : Form(text::kWindowCaption, kFormWidth, kFormHeight) {
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
  layOutControls();
  wireEvents();
  Option1->setValue(true);  // fills the six-number catalogue, no row selected
}

ListBox* FrmTxt::makeList(bool sorted, int left, int top, int width, int height) {
  auto* list = new ListBox(sorted, this);
  list->Move(left, top, width, height);
  return list;
}

void FrmTxt::layOutControls() {
  // Left column: the perm and its win check.
  Label2 = new Label(text::kPermResults, this);
  Label2->Move(120, 120, 3720, 255);
  LstSorted = makeList(true, 120, 420, 3720, 2940);
  LstSorted->setMultiSelect(true);
  LstSorted->setBackColor(kLightGrey);
  Label1 = new Label(text::kScanForWins, this);
  MakeButtonLook(*Label1);
  Label1->Move(120, 3450, 1800, 480);
  Label1->setToolTipText(text::kScanForWinsTip);
  CmdPrintIt = new Label(text::kSendToPrint, this);
  MakeButtonLook(*CmdPrintIt);
  CmdPrintIt->Move(2040, 3450, 1800, 480);
  CmdPrintIt->setToolTipText(text::kSendToPrintTip);
  for (int i = 0; i < 6; ++i) {
    auto* box = new TextBox(this);
    box->Move(120 + 633 * i, 4020, 555, 315);
    box->setAlignment(Qt::AlignCenter);
    box->setText(QStringLiteral("0"));
    takeBallsOnly(*box);
    Text1[i] = box;
  }
  auto* tally = new TextArea(this);
  tally->Move(120, 4425, 3720, 1440);
  tally->setText(perm::initialTallyText());
  Text1[6] = tally;

  // The hint line and the frame of the number boxes.
  lab1 = new Label(text::initialHint(), this);
  lab1->Move(kFrameLeft, 0, kFrameWidth, 645);
  lab1->setBackColor(kLightGrey);
  lab1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Frma = new Frame(text::kFrameCaption, this);
  Frma->Move(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
  for (int i = 0; i < kBoxCount; ++i) {
    auto* label = new Label(QString::number(i + 1), Frma);
    label->setAlignment(Qt::AlignCenter);
    label->Move(kBoxLeft + kBoxStep * i, kBoxLabelTop, kBoxWidth, 240);
    label->setCursor(Qt::PointingHandCursor);
    Label4[i] = label;
    auto* box = new TextBox(Frma);
    box->Move(kBoxLeft + kBoxStep * i, kBoxTop, kBoxWidth, kBoxHeight);
    box->setAlignment(Qt::AlignCenter);
    box->setBackColor(kWhite);
    takeBallsOnly(*box);
    TXTActiveNumbers[i] = box;
  }
  TXTActiveNumbers[8]->setToolTipText(text::kQuickListTip);
  La1 = new Label(text::kNothingSelected, Frma);
  La1->Move(kBoxLeft, 960, 5000, 255);
  Label26 = new Label(text::kLabel26Caption, Frma);
  Label26->Move(kBoxLeft, 1320, 5000, 900);
  Labhot = new Label(text::kHot, Frma);
  Labhot->Move(kBoxLeft, 2340, 1500, 240);
  Labwarm = new Label(text::kWarm, Frma);
  Labwarm->Move(kBoxLeft + 1740, 2340, 1500, 240);
  Labcold = new Label(text::kCold, Frma);
  Labcold->Move(kBoxLeft + 3480, 2340, 1500, 240);
  for (Label* l : {Labhot, Labwarm, Labcold}) {
    l->setAlignment(Qt::AlignCenter);
    l->setCursor(Qt::PointingHandCursor);
  }
  auto bandList = [this](int left, BgrColor colour) {
    auto* list = new ListBox(false, Frma);
    list->Move(left, 2610, 1500, 2340);
    list->setMultiSelect(true);
    list->setBackColor(colour);
    return list;
  };
  LstHot = bandList(kBoxLeft, kRed);
  LstWarm = bandList(kBoxLeft + 1740, kGreen);
  LstCold = bandList(kBoxLeft + 3480, kPaleBlue);

  // Right column: lottery type and the Generate button.
  Option1 = new OptionButton(text::kSixNumberLottery, this);
  Option1->Move(10200, 780, 3900, 285);
  Option2 = new OptionButton(text::kFiveNumberLottery, this);
  Option2->Move(10200, 1110, 3900, 285);
  cmdwizard = new Label(text::kGenerate, this);
  MakeButtonLook(*cmdwizard);
  cmdwizard->Move(10200, 1560, 1800, 420);
  cmdwizard->setToolTipText(text::kGenerateTip);
  cmdwizard->setEnabled(false);  // the catalogue enables it

  // Below: the wheel catalogue and the fill modes, wide enough for their rows.
  List2 = makeList(false, 120, 6000, 7080, 1680);
  List1 = makeList(false, 7320, 6000, 6960, 1680);

  // Work lists that are never shown.
  ListPerms = makeList(true, 0, 0, 0, 0);
  ListPerms->setCountBallOrder(true);
  List4 = makeList(true, 0, 0, 0, 0);
  LstMainWindowSorted = makeList(true, 0, 0, 0, 0);
  LstMainWindowSorted->setCountBallOrder(true);  // takes the statistics window's count-ball rows
  for (ListBox* hidden : {ListPerms, List4, LstMainWindowSorted}) hidden->setVisible(false);

  // The pick list opens beside the box that asks for it, over everything else.
  LstQuick = makeList(false, kFrameLeft + kBoxLeft, kQuickListTop, kQuickListWidth, kQuickListHeight);
  LstQuick->setBackColor(kLightGrey);
  LstQuick->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LstQuick->setTextElideMode(Qt::ElideNone);
  LstQuick->setVisible(false);
  LstQuick->raise();

  // The automatic advance moves to the box on the left: focus runs from box 14 down to box 0,
  // then on to the win-check boxes.
  QWidget* previous = TXTActiveNumbers[kBoxCount - 1];
  auto chain = [&previous](QWidget* next) {
    QWidget::setTabOrder(previous, next);
    previous = next;
  };
  for (int i = kBoxCount - 2; i >= 0; --i) chain(TXTActiveNumbers[i]);
  for (TextControl* box : Text1) chain(box->widget());
  for (QWidget* w : {static_cast<QWidget*>(List2), static_cast<QWidget*>(List1), static_cast<QWidget*>(LstSorted),
                     static_cast<QWidget*>(LstHot), static_cast<QWidget*>(LstWarm), static_cast<QWidget*>(LstCold),
                     static_cast<QWidget*>(Option1), static_cast<QWidget*>(Option2)})
    chain(w);
}

void FrmTxt::makePressedLook(Label& button) {
  button.onMouseDown = [&button](int, int, int, int) { button.setBackColor(kPressed); };
  button.onMouseUp = [&button](int, int, int, int) { button.setBackColor(kReleased); };
}

void FrmTxt::wireEvents() {
  // Focus taken away by another window (a message box, another program) is no leaving of the
  // box: the box keeps the focus within this window.
  auto leftTheBox = [this] { return !unloaded_ && isActiveWindow(); };

  Option1->onClick = [this] { Option1_Click(); };
  Option2->onClick = [this] { Option2_Click(); };
  List2->onClick = [this] { List2_Click(); };
  List1->onClick = [this] { List1_Click(); };
  cmdwizard->onClick = [this] { cmdwizard_Click(1); };
  makePressedLook(*cmdwizard);
  Label1->onClick = [this] { Label1_Click(); };
  makePressedLook(*Label1);
  CmdPrintIt->onClick = [this] { CmdPrintIt_Click(); };

  for (int i = 0; i < kBoxCount; ++i) {
    TextBox* box = TXTActiveNumbers[i];
    box->onChange = [this, i] { TXTActiveNumbers_Change(i); };
    box->onDblClick = [this, i] { TXTActiveNumbers_DblClick(i); };
    box->onGotFocus = [this, i] { TXTActiveNumbers_GotFocus(i); };
    box->onLostFocus = [this, i, leftTheBox] {
      if (leftTheBox()) TXTActiveNumbers_LostFocus(i);
    };
    box->onKeyPress = [this, i](int& key) { TXTActiveNumbers_KeyPress(i, key); };
    box->onDrop = [this, i](const QMimeData& data) { TXTActiveNumbers_OLEDragDrop(i, data); };
    Label4[i]->onClick = [this, i] { Label4_Click(i); };
  }
  for (int i = 0; i < 6; ++i) {
    auto* box = static_cast<TextBox*>(Text1[i]);
    box->onChange = [this, i] { Text1_Change(i); };
    box->onDrop = [box](const QMimeData& data) {
      const QString ball = droppedBall(data);
      if (!ball.isEmpty()) box->setText(ball);
    };
    box->onLostFocus = [this, i, leftTheBox] {
      if (leftTheBox()) Text1_LostFocus(i);
    };
  }

  for (ListBox* band : {LstHot, LstWarm, LstCold})
    band->onStartDrag = [this, band](QMimeData& data) { BandList_StartDrag(*band, data); };
  LstHot->onMouseMove = [this](int, int, int, int) { LstHot_MouseMove(); };
  LstWarm->onMouseMove = [this](int, int, int, int) { LstWarm_MouseMove(); };
  LstCold->onMouseMove = [this](int, int, int, int) { LstCold_MouseMove(); };
  LstSorted->onMouseMove = [this](int, int, int, int) { LstSorted_MouseMove(); };
  Labhot->onClick = [this] { Labhot_Click(); };
  Labwarm->onClick = [this] { Labwarm_Click(); };
  Labcold->onClick = [this] { Labcold_Click(); };
  LstQuick->onClick = [this] { LstQuick_Click(); };
  onMouseMove = [this] { Form_MouseMove(); };
}

// ---------------------------------------------------------------- window events

void FrmTxt::Form_Load() {
  HelpFilePath() = ProgramFolder() + QStringLiteral("/VTN.HLP");
  DoQuickList();
  LstSorted->Clear();
  // The hand-over's own DoQuickList then refreshes the window on the handed-over numbers.
  FirstRefreshDone = false;
  DoEvents();
}

void FrmTxt::Form_Activate() { WindowBar::MarkOpen(*WindowBar::instance().Label5); }

void FrmTxt::Form_Unload() {
  unloaded_ = true;
  WindowBar::MarkClosed(*WindowBar::instance().Label5);
}

void FrmTxt::Form_MouseMove() { lab1->setCaption(QString()); }

// ---------------------------------------------------------------- wheel catalogue

void FrmTxt::Option1_Click() {
  List2->Clear();
  for (const perm::CatalogueRow& row : perm::catalogue(perm::Lottery::SixNumber)) List2->AddItem(row.rowText);
}

void FrmTxt::Option2_Click() {
  List2->Clear();
  for (const perm::CatalogueRow& row : perm::catalogue(perm::Lottery::FiveNumber)) List2->AddItem(row.rowText);
}

void FrmTxt::List2_Click() {
  List1_Click();
  for (int i = 0; i < kBoxCount; ++i) {
    TXTActiveNumbers[i]->setEnabled(false);
    Label4[i]->setEnabled(false);
    TXTActiveNumbers[i]->setVisible(false);
  }
  int pool = 0;
  if (const perm::CatalogueRow* row = perm::catalogueRow(lotteryOf(*Option1), List2->ListIndex())) {
    La1->setCaption(row->prompt);
    lab1->setCaption(row->guarantee);
    pool = row->pool;
  }
  for (int i = 0; i < pool; ++i) {
    TXTActiveNumbers[i]->setEnabled(true);
    TXTActiveNumbers[i]->setVisible(true);
    Label4[i]->setEnabled(true);
  }
  for (int i = pool; i < kBoxCount; ++i) {
    TXTActiveNumbers[i]->setEnabled(false);
    TXTActiveNumbers[i]->setVisible(false);
  }
  cmdwizard->setEnabled(true);
}

// ---------------------------------------------------------------- Generate

void FrmTxt::cmdwizard_Click(int /*Index*/) {
  // Until the first de-duplication the hot numbers are applied afresh.
  if (Label26->Tag != kYes && List1->ListCount() > 0 && List1->Selected(0)) MostCommonLocal(1);

  List4->Clear();
  LstSorted->Clear();

  int unselected = 0;
  for (int i = 0; i < List2->ListCount(); ++i)
    if (!List2->Selected(i)) ++unselected;
  const int expected = Option2->Value() ? 3 : 5;  // exactly one row of four or of six
  if (unselected != expected) {
    MsgBox(text::kSelectAPerm);
    LstSorted->Clear();
    return;
  }

  for (TextBox* box : TXTActiveNumbers) {
    if (box->Text().size() == 1) box->setText(perm::padSingleDigit(box->Text()));
    if (box->Enabled() && Val(box->Text()) > 0) List4->AddItem(box->Text());
  }
  RemoveDuplicateItems(*List4);
  if (LstQuick->ListCount() == 0)
    for (const QString& row : perm::quickListRows()) LstQuick->AddItem(row);
  List4->Refresh();

  for (TextBox* box : TXTActiveNumbers) box->setText(QString());
  for (int j = 0; j < kBoxCount; ++j) {
    if (!TXTActiveNumbers[j]->Visible()) continue;
    if (List4->ListCount() == 0) return;  // nothing to perm: no message
    List4->setListIndex(j);
    TXTActiveNumbers[j]->setText(List4->List(j));
    if (j + 1 >= List4->ListCount()) break;
  }

  if (Option1->Value()) SixNumberPerms();
  else FiveNumberPerms();

  const int fullLength = Option1->Value() ? perm::kSixNumberLineLength : kFiveNumberLineLength;
  if (perm::firstShortLine(LstSorted->Rows(), fullLength) >= 0) MsgBox(text::kCannotPerm);
}

void FrmTxt::FiveNumberPerms() {
  wheelArgs_.clear();
  for (int i = 0; i < 9; ++i) wheelArgs_ << TXTActiveNumbers[i]->Text();
  if (const perm::CatalogueRow* row = perm::catalogueRow(perm::Lottery::FiveNumber, List2->ListIndex()))
    RunWheel(row->wheel);
}

void FrmTxt::SixNumberPerms() {
  wheelArgs_.clear();
  for (int i = 0; i < kBoxCount; ++i) wheelArgs_ << TXTActiveNumbers[i]->Text();
  if (const perm::CatalogueRow* row = perm::catalogueRow(perm::Lottery::SixNumber, List2->ListIndex()))
    RunWheel(row->wheel);
}

void FrmTxt::RunWheel(perm::Wheel wheel) {
  lab1->setCaption(perm::wheelTable(wheel).planText);
  for (const QString& line : perm::buildWheelLines(wheel, wheelArgs_)) LstSorted->AddItem(line);
}

void FrmTxt::AddOto1LengthNumbers() {
  for (TextBox* box : TXTActiveNumbers)
    if (box->Text().size() == 1) box->setText(perm::padSingleDigit(box->Text()));
}

void FrmTxt::DoTheNumbers() { AddOto1LengthNumbers(); }

void FrmTxt::Perm_49() {
  LstSorted->Clear();
  LoadListFromFile(DataBasesPath(QStringLiteral("perm_49.txt")), *LstSorted);
}

// ---------------------------------------------------------------- bands and fill modes

void FrmTxt::DoColorTemp() {
  LstCold->Clear();
  LstWarm->Clear();
  LstHot->Clear();
  const perm::Bands bands = perm::splitBands(ListPerms->Rows());
  for (const QString& row : bands.cold) LstCold->AddItem(row);
  for (const QString& row : bands.warm) LstWarm->AddItem(row);
  for (const QString& row : bands.hot) LstHot->AddItem(row);
}

void FrmTxt::MostCommonLocal(std::int16_t WhatNumber) {
  if (Label4[kBoxCount - 1]->Tag.isEmpty()) return;  // no ranking handed over yet
  DoEvents();
  if (WhatNumber >= perm::kFirstFillMode && WhatNumber <= perm::kLastFillMode) {
    for (int box : perm::fillOrder(WhatNumber)) {
      const perm::FillEntry entry = perm::fillEntry(WhatNumber, box);
      const ListBox* band = entry.band == perm::Band::Hot    ? LstHot
                            : entry.band == perm::Band::Warm ? LstWarm
                                                             : LstCold;
      // Each write may run a nested fill that rebuilds the bands: read them as they now stand.
      TXTActiveNumbers[box]->setText(perm::ballFromEnd(band->Rows(), entry.fromEnd));
    }
  }
  DoColorTemp();
}

void FrmTxt::List1_Click() {
  const perm::ModeChoice choice = perm::modeOfRow(List1->List(List1->ListIndex()));
  switch (choice.kind) {
    case perm::ModeChoice::Kind::Fill:
      MostCommonLocal(static_cast<std::int16_t>(choice.mode));
      break;
    case perm::ModeChoice::Kind::StatisticOrder:
      MostCommonStats();
      break;
    case perm::ModeChoice::Kind::None:
      break;
  }
}

void FrmTxt::ListClick() { List1_Click(); }

void FrmTxt::AverageCommonLocal() {
  if (Label4[kBoxCount - 1]->Tag.isEmpty()) return;
  for (int i = 0; i < kBoxCount; ++i) TXTActiveNumbers[i]->setText(Label4[i]->Tag);
}

// Kept for the statistic-order mode row; no hand-over offers that row or writes the boxes'
// tags, so it is not listed in the mode list.
void FrmTxt::MostCommonStats() {
  for (TextBox* box : TXTActiveNumbers) box->setText(box->Tag);
}

// ---------------------------------------------------------------- number boxes and pick list

void FrmTxt::DoQuickList() {
  if (LstQuick->ListCount() < 3) {
    LstQuick->Clear();
    for (const QString& row : perm::quickListRows()) LstQuick->AddItem(row);
    ++quickListFills_;
  }
  if (!FirstRefreshDone) {
    List2_Click();
    List1_Click();
    for (int i = 0; i < 6; ++i) TextChangeColors(*Text1[i]);
    FirstRefreshDone = true;
  }
}

void FrmTxt::TextChangeColors(TextControl& TheBox) {
  const QString number = TheBox.Text();
  auto mark = [&](ListBox* band, BgrColor colour) {
    for (int i = 0; i < band->ListCount(); ++i) {
      if (BallOfRow(band->List(i)) == number) {
        band->setSelected(i, true);
        TheBox.setBackColor(colour);
      }
    }
  };
  mark(LstHot, kRed);
  mark(LstWarm, kGreen);
  mark(LstCold, kPaleBlue);
}

void FrmTxt::CheckForDuplicates(TextControl& TextLower, TextControl& TextHigher) {
  if (Val(TextLower.Text()) > 0 && Val(TextHigher.Text()) > 0 && TextLower.Text() == TextHigher.Text())
    MsgBox(text::kNoDuplicates);
}

void FrmTxt::TXTActiveNumbers_Change(int Index) {
  TextChangeColors(*TXTActiveNumbers[Index]);
  DoQuickList();
}

void FrmTxt::TXTActiveNumbers_DblClick(int Index) {
  LstQuick->setLeft(TXTActiveNumbers[Index]->Left() + Frma->Left());
  LstQuick->setVisible(true);
  LstQuick->raise();
}

void FrmTxt::TXTActiveNumbers_GotFocus(int Index) {
  TextBox& box = *TXTActiveNumbers[Index];
  box.setAppearance3D(false);
  box.setBackColor(kFocusCyan);
  LstQuick->setVisible(false);
}

void FrmTxt::TXTActiveNumbers_LostFocus(int Index) {
  TextBox& box = *TXTActiveNumbers[Index];
  box.setAppearance3D(true);
  box.setBackColor(kWhite);
  if (box.Text().size() == 1) box.setText(perm::padSingleDigit(box.Text()));
}

void FrmTxt::TXTActiveNumbers_KeyPress(int Index, int& KeyAscii) {
  DateKeyFilter(KeyAscii);
  if (KeyAscii != 8) AutoTab(*TXTActiveNumbers[Index]);
}

void FrmTxt::TXTActiveNumbers_OLEDragDrop(int Index, const QMimeData& Data) {
  const QString ball = droppedBall(Data);
  if (!ball.isEmpty()) TXTActiveNumbers[Index]->setText(ball);
}

void FrmTxt::BandList_StartDrag(ListBox& list, QMimeData& Data) {
  DragText = list.List(list.ListIndex());
  Data.clear();
  Data.setText(DragText);
}

void FrmTxt::LstHot_MouseMove() { lab1->setCaption(text::kHotHint); }
void FrmTxt::LstWarm_MouseMove() { lab1->setCaption(text::kWarmHint); }
void FrmTxt::LstCold_MouseMove() { lab1->setCaption(text::kColdHint); }
void FrmTxt::LstSorted_MouseMove() { lab1->setCaption(text::kPermListHint); }

namespace {
void clearMarks(ListBox& band) {
  for (int i = 0; i < band.ListCount(); ++i) band.setSelected(i, false);
}
}  // namespace

void FrmTxt::Labhot_Click() { clearMarks(*LstHot); }
void FrmTxt::Labwarm_Click() { clearMarks(*LstWarm); }
void FrmTxt::Labcold_Click() { clearMarks(*LstCold); }

void FrmTxt::Label4_Click(int Index) { MsgBox(Label4[Index]->Tag); }

void FrmTxt::LstQuick_Click() {
  const int picked = LstQuick->ListIndex();
  const QString number = LstQuick->List(picked);
  if (number.isEmpty()) return;  // the selection was taken away, nothing picked
  LstMainWindowSorted->AddItem(number);
  List4->AddItem(number);

  TextBox* target = nullptr;
  for (TextBox* box : TXTActiveNumbers) {
    if (static_cast<float>(box->Left() + Frma->Left()) == static_cast<float>(LstQuick->Left())) {
      target = box;
      break;
    }
  }
  if (!target) return;

  const int fillsBefore = quickListFills_;
  target->setText(number);
  target->SetFocus();
  // When the box's change refilled the pick list, the list is whole again and keeps all rows.
  if (quickListFills_ == fillsBefore && LstQuick->List(picked) == number) LstQuick->RemoveItem(picked);
  LstQuick->setVisible(false);
}

void FrmTxt::Text1_Change(int Index) { TextChangeColors(*Text1[Index]); }

void FrmTxt::Text1_LostFocus(int Index) {
  for (int k = 0; k < 6; ++k)
    if (k != Index) CheckForDuplicates(*Text1[Index], *Text1[k]);
}

// ---------------------------------------------------------------- win check and report

void FrmTxt::Label1_Click() {
  int numbers = 0;
  for (int i = 0; i < perm::kCheckBoxCount; ++i)
    if (Val(Text1[i]->Text()) > 0) ++numbers;
  if (numbers < 2) {
    MsgBox(text::kTypeNumbersToCheck);
    return;
  }

  for (int pass = 0; pass < 11; ++pass)
    for (int i = 0; i < perm::kCheckBoxCount - 1; ++i) OrderRangeBoxes(*Text1[i], *Text1[i + 1]);

  for (int i = 0; i < LstSorted->ListCount(); ++i) LstSorted->setSelected(i, false);

  // Before the user or a check has touched the list, its first line is the current one.
  const int current = LstSorted->ListIndex() < 0 ? 0 : LstSorted->ListIndex();
  if (LstSorted->ListCount() == 0 || LstSorted->List(current).size() != perm::kSixNumberLineLength) return;

  // Every line is read at the same fixed columns. A line of an incomplete perm is shorter: a
  // field without a number there (blank or past the end) matches nothing, and the check goes on.
  std::array<double, perm::kCheckBoxCount> boxes{};
  for (int i = 0; i < perm::kCheckBoxCount; ++i) boxes[i] = Val(Text1[i]->Text());
  perm::Tally tally;
  for (int i = 0; i < LstSorted->ListCount(); ++i) {
    LstSorted->setListIndex(i);
    const int matches = perm::matchCount(LstSorted->List(i), boxes);
    LstSorted->setSelected(i, matches >= perm::kWinningMatches);
    tally.add(matches);
  }
  Text1[6]->setText(perm::tallyText(tally));
  for (const QString& message : perm::checkMessages(tally)) MsgBox(message);
}

void FrmTxt::CmdPrintIt_Click() {
  QStringList lines;
  for (int i = 0; i < LstSorted->ListCount(); ++i) {
    LstSorted->setSelected(i, true);
    lines << LstSorted->List(i);
  }
  const QString report = perm::permReport(lines, lab1->Caption(), perm::shortDateToday());
  TextArea& box = *Forms::get<PrintWindow>().Text1[1];
  box.setText(QString());
  box.setText(report);
}

}  // namespace vtn
