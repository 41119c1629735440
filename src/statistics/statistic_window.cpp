#include "statistics/statistic_window.h"

#include <QFontDatabase>
#include <QPainter>
#include <algorithm>

#include "common/message.h"
#include "common/numbers.h"
#include "common/shared_procedures.h"
#include "common/window_bar.h"
#include "controls/colors.h"
#include "controls/events.h"
#include "controls/twips.h"
#include "database/shared_database.h"
#include "perm/perm_catalogue.h"
#include "perm/perm_window.h"
#include "perm/remove_duplicates.h"
#include "reports/print_window.h"
#include "statistics/statistic_texts.h"

namespace vtn {
namespace {

namespace text = stats::text;
using stats::kBallColumn;
using stats::kBars;
using stats::kPositions;
using stats::kRanked;

const QString kCrLf = QStringLiteral("\r\n");
const QString kReadStopped = QStringLiteral(" The draw list holds only the %1 draws before it.");

// Places in twips. The window must fit a maximised main window on a 1024 x 768 screen (its MDI
// area is about 1024 x 660 pixels, and the sub-window's frame takes 8 x 27 of that), so the top
// band is two rows and the page area holds the four tab pages; the graph page the seven charts
// with the ranking columns to their right.
constexpr int kFormWidth = 14880, kFormHeight = 9105;
constexpr int kRowTop = 60, kRowHeight = 360;
constexpr int kBandTop = 480, kBandHeight = 990;
constexpr int kPageLeft = 60, kPageTop = 1530, kPageWidth = 14760, kPageHeight = 7515;
constexpr int kRankColumn = 405, kRankLeft = kPageWidth - 6 * kRankColumn, kRankTop = 480, kRankRow = 195;
// The charts take what the ranking leaves: at 59 balls every ball's number still fits under its bar.
constexpr int kChartTop = 585, kChartWidth = kRankLeft - 90, kChartStep = 990;
constexpr int kChartCaptionHeight = 195, kBarHeight = 615, kAxisHeight = 180;
constexpr int kListPageTop = 690, kListPageHeight = kPageHeight - 30 - kListPageTop, kListColumn = 2400;
constexpr int kDrawListTop = 450;
constexpr int kTextPanelHeight = 5055;
constexpr int kListLeft = 60, kListWidth = kChartWidth - 2 * kListLeft;  // the tables take the panel's width
constexpr int kBothTop = 270, kHalfHeight = 2370, kLowerTop = 2610, kFullHeight = 4710;
constexpr int kDefaultHighestBall = 49;

constexpr BgrColor kRankTop12 = 0x8080FF;
constexpr BgrColor kRankMiddle12 = 0xC0FFC0;
constexpr BgrColor kRankLast12 = 0xFFC0C0;
constexpr BgrColor kYellow = 0x00FFFF;
constexpr BgrColor kPositionBarColour = 0xC07000;
constexpr BgrColor kAnyBarColour = 0x008000;

BgrColor rankColour(int i) { return i < 12 ? kRankTop12 : i < 24 ? kRankMiddle12 : kRankLast12; }

// The ball numbers under a chart's bars: every ball while there is room, else every fifth.
class BallAxis : public QWidget {
 public:
  explicit BallAxis(QWidget* parent) : QWidget(parent) {
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    setFont(small);
  }
  void setScale(int highestBall, double stepPixels) {
    highest_ = highestBall;
    step_ = stepPixels;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int wide = fontMetrics().horizontalAdvance(QStringLiteral("88")) + 2;
    for (int ball = 1; ball <= highest_; ++ball) {
      if (step_ < wide && ball != 1 && ball % 5 != 0) continue;
      const int centre = int((ball - 1) * step_ + step_ / 2);
      painter.drawText(QRect(centre - 15, 0, 30, height()), Qt::AlignHCenter | Qt::AlignTop, QString::number(ball));
    }
  }

 private:
  int highest_ = kDefaultHighestBall;
  double step_ = 1;
};

Label* plainLabel(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
  auto* label = new Label(caption, parent);
  label->setWordWrap(false);
  label->Move(left, top, width, height);
  return label;
}

Label* buttonLabel(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
  auto* label = plainLabel(parent, caption, left, top, width, height);
  MakeButtonLook(*label);
  return label;
}

}  // namespace

StatisticWindow::StatisticWindow() : Form(text::kCaption, kFormWidth, kFormHeight) {
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
  buildTopBand();
  for (int i = 0; i < 4; ++i) {
    pages_[size_t(i)] = new PictureBox(this);
    pages_[size_t(i)]->Move(kPageLeft, kPageTop, kPageWidth, kPageHeight);
  }
  buildGraphPage();
  buildDataPage();
  buildScanPage();
  buildReportPage();
  wireBars();
  showPage(0);
}

// ---------------------------------------------------------------- building

void StatisticWindow::buildTopBand() {
  const std::array<QString, 4> tabCaptions = {text::kGraphTab, text::kDataTab, text::kScanTab, text::kReportTab};
  for (int i = 0; i < 4; ++i)
    tabs_[size_t(i)] = buttonLabel(this, tabCaptions[size_t(i)], 60 + 1170 * i, kRowTop, 1110, kRowHeight);
  LabGraph = tabs_[0];
  LabData = tabs_[1];
  LabScan = tabs_[2];
  LabReport = tabs_[3];
  LabGraph->onClick = [this] { LabGraph_Click(); };
  LabData->onClick = [this] { LabData_Click(); };
  LabScan->onClick = [this] { LabScan_Click(); };
  LabReport->onClick = [this] { LabReport_Click(); };

  CmdScan = buttonLabel(this, text::kScan, 4860, kRowTop, 1050, kRowHeight);
  CmdScan->setToolTipText(text::kScanTip);
  CmdScan->onClick = [this] { CmdScan_Click(); };
  LBLMax = buttonLabel(this, text::kMax, 6000, kRowTop, 750, kRowHeight);
  LBLMax->setToolTipText(text::kMaxTip);
  LBLMax->onClick = [this] { LBLMax_Click(); };
  Label3 = buttonLabel(this, text::kClearMarkers, 6840, kRowTop, 1800, kRowHeight);
  Label3->onClick = [this] { Label3_Click(); };
  lblbuttons[0] = buttonLabel(this, text::kPerm, 8730, kRowTop, 1050, kRowHeight);
  lblbuttons[0]->setToolTipText(text::kPermTip);
  lblbuttons[0]->onMouseDown = [this](int button, int shift, int x, int y) {
    lblbuttons_MouseDown(0, button, shift, float(x), float(y));
  };
  lblbuttons[0]->onMouseUp = [this](int button, int shift, int x, int y) {
    lblbuttons_MouseUp(0, button, shift, float(x), float(y));
  };
  plainLabel(this, text::kDayFilter, 10020, kRowTop + 45, 840, 270);
  Combo10 = new ComboBox(this);
  Combo10->Move(10860, kRowTop, 1950, kRowHeight);
  for (const QString& day : DayFilterChoices()) Combo10->AddItem(day);
  Combo10->setText(text::kAllDays);
  Combo10->onClick = [this] { Combo10_Click(); };

  Text6 = new TextArea(this);
  Text6->Move(60, kBandTop, 5850, kBandHeight);
  Text6->setReadOnly(true);
  Text6->setLineWrapMode(QPlainTextEdit::NoWrap);
  Label17 = new Label(QString(), this);
  Label17->Move(5970, kBandTop, 780, kBandHeight);
  Label17->setAlignment(Qt::AlignCenter);
  Label17->setFrameShape(QFrame::StyledPanel);
  QFont big = Label17->font();
  big.setPointSize(18);
  big.setBold(true);
  Label17->setFont(big);

  CommandBack = new CommandButton(text::kBack, this);
  CommandBack->Move(6870, kBandTop, 1110, kRowHeight);
  CommandBack->onClick = [this] { CommandBack_Click(); };
  CommandNext = new CommandButton(text::kNext, this);
  CommandNext->Move(8070, kBandTop, 1110, kRowHeight);
  CommandNext->onClick = [this] { CommandNext_Click(); };
  Check1 = new CheckBox(text::kRemoveMarkers, this);
  Check1->Move(6870, kBandTop + 420, 4800, 270);
  Check2 = new CheckBox(text::kOnlyCurrent, this);
  Check2->Move(6870, kBandTop + 720, 4800, 270);

  Option4[0] = new OptionButton(text::kViewGraph, this);
  Option4[0]->Move(kPageLeft + kPageWidth - 3000, kBandTop, 3000, 270);
  Option4[1] = new OptionButton(text::kViewText, this);
  Option4[1]->Move(kPageLeft + kPageWidth - 3000, kBandTop + 300, 3000, 270);
  Option4[0]->setValue(true);  // before the handlers are wired: the window opens on the graph
  for (int i = 0; i < 2; ++i) Option4[size_t(i)]->onClick = [this, i] { Option4_Click(i); };

  // Hidden work list of the perm hand-over.
  Lstmostcommon = new ListBox(true, this);
  Lstmostcommon->setCountBallOrder(true);
  Lstmostcommon->setVisible(false);
}

void StatisticWindow::buildGraphPage() {
  PictureBox* page = pages_[0];
  Frame1 = new Frame(QString(), page);
  Frame1->Move(0, 0, 5805, 480);
  const std::array<QString, 3> captions = {text::kBoth, text::kFreqancys, text::kApperances};
  const std::array<int, 3> lefts = {1965, 3870, 60};
  for (int i = 0; i < 3; ++i) {
    Label* b = buttonLabel(Frame1, captions[size_t(i)], lefts[size_t(i)], 165, 1815, 255);
    b->onClick = [this, i] { lblbutto_Click(i); };
    lblbutto[size_t(i)] = b;
  }
  lblbutto[0]->setBackColor(kWhite);
  Frame1->setEnabled(false);  // the layout buttons serve the text view only

  // Seven charts, one above the other; the bars are placed by layoutCharts.
  const std::array<Bars*, 7> arrays = {&ProgressBar8, &ProgressBar7, &ProgressBar3, &ProgressBar4,
                                       &ProgressBar5, &ProgressBar6, &ProgressBar9};
  for (int c = 0; c < 7; ++c) {
    const int top = kChartTop + c * kChartStep;
    chartCaptions_[size_t(c)] = plainLabel(page, text::kChartCaption[size_t(c)], 0, top, kChartWidth, kChartCaptionHeight);
    for (int ball = 0; ball < kBars; ++ball) {
      auto* bar = new Bar(Qt::Vertical, page);
      bar->setBarColor(c == 6 ? kAnyBarColour : kPositionBarColour);
      bar->setBackColor(0xF4F4F4);
      (*arrays[size_t(c)])[size_t(ball)] = bar;
    }
    auto* axis = new BallAxis(page);
    axis->setGeometry(0, ToPixels(top + kChartCaptionHeight + kBarHeight), ToPixels(kChartWidth), ToPixels(kAxisHeight));
    axes_[size_t(c)] = axis;
  }
  layoutCharts(kDefaultHighestBall);

  // The ranking columns, the most frequent ball of each position at the top.
  plainLabel(page, text::kRankingCaption, kRankLeft, 0, 6 * kRankColumn, 240);
  const auto ranked = rankedLabels();
  for (int p = 0; p < kPositions; ++p) {
    Label* head = plainLabel(page, text::kPositionName[size_t(p)], kRankLeft + p * kRankColumn, kRankTop - 225,
                             kRankColumn - 30, 210);
    head->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < kRanked; ++i) {
      auto* label = new Label(text::kLabelStart, page);
      label->setWordWrap(false);
      label->setAlignment(Qt::AlignCenter);
      label->Move(kRankLeft + p * kRankColumn, kRankTop + i * kRankRow, kRankColumn - 30, kRankRow - 15);
      label->setBackColor(rankColour(i));
      (*ranked[size_t(p)])[size_t(i)] = label;
    }
  }

  // The text panel covers the graph while the text view is shown.
  Pictur[5] = new PictureBox(page);
  // As wide as the charts, so that no bars show beside the tables, and ending where the 6th
  // chart begins, so that the charts below it show whole.
  Pictur[5]->Move(0, kChartTop + 5 * kChartStep - kTextPanelHeight, kChartWidth, kTextPanelHeight);
  Pictur[5]->setFrameShape(QFrame::Box);
  List1 = new ListBox(false, Pictur[5]);
  List1->Move(kListLeft, 0, kListWidth, 270);
  List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  List1->setSelectionMode(QAbstractItemView::NoSelection);
  List1->setFocusPolicy(Qt::NoFocus);
  List4 = new ListBox(false, Pictur[5]);
  List4->Move(kListLeft, 255, kListWidth, kHalfHeight);
  List6 = new ListBox(false, Pictur[5]);
  List6->Move(kListLeft, kLowerTop, kListWidth, kHalfHeight);
  List4->onMouseDown = [this](int button, int shift, int x, int y) { List4_MouseDown(button, shift, float(x), float(y)); };
  List6->onMouseDown = [this](int button, int shift, int x, int y) { List6_MouseDown(button, shift, float(x), float(y)); };
  Pictur[5]->setVisible(false);
  Pictur[5]->raise();
}

void StatisticWindow::buildDataPage() {
  PictureBox* page = pages_[1];
  plainLabel(page, text::kPositionListsCaption, 0, 90, 12000, 255);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (int p = 0; p < kPositions; ++p) {
    plainLabel(page, text::kPositionName[size_t(p)], p * kListColumn, 420, kListColumn - 120, 255);
    auto* list = new ListBox(true, page);
    list->setCountBallOrder(true);
    list->setFont(fixed);
    list->Move(p * kListColumn, kListPageTop, kListColumn - 120, kListPageHeight);
    list->onClick = [this, p] { LstB1_Click(p); };
    LstB1[size_t(p)] = list;
  }
}

void StatisticWindow::buildScanPage() {
  PictureBox* page = pages_[2];
  plainLabel(page, text::kDrawListCaption, 0, 90, 5500, 255);
  plainLabel(page, text::kLastApperance, 5700, 90, 1560, 255);
  TxtBallLastAppeared = new TextBox(page);
  TxtBallLastAppeared->Move(7320, 90, 2775, 255);
  TxtBallLastAppeared->setReadOnly(true);
  LstB1[6] = new ListBox(false, page);
  LstB1[6]->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  LstB1[6]->Move(0, kDrawListTop, 10095, kPageHeight - 30 - kDrawListTop);
  LstB1[6]->onClick = [this] { LstB1_Click(6); };
}

void StatisticWindow::buildReportPage() {
  PictureBox* page = pages_[3];
  Label* note = plainLabel(page, text::kReportPage, 0, 120, 9000, 1500);
  note->setWordWrap(true);
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  CmdPrint = buttonLabel(page, text::kMakeReport, 0, 1800, 2400, 420);
  CmdPrint->onClick = [this] { CmdPrint_Click(); };
}

void StatisticWindow::wireBars() {
  using Click = void (StatisticWindow::*)(int);
  using Move = void (StatisticWindow::*)(int, int, int, float, float);
  const std::array<Click, 7> clicks = {&StatisticWindow::ProgressBar8_Click, &StatisticWindow::ProgressBar7_Click,
                                       &StatisticWindow::ProgressBar3_Click, &StatisticWindow::ProgressBar4_Click,
                                       &StatisticWindow::ProgressBar5_Click, &StatisticWindow::ProgressBar6_Click,
                                       &StatisticWindow::ProgressBar9_Click};
  const std::array<Move, 7> moves = {&StatisticWindow::ProgressBar8_MouseMove, &StatisticWindow::ProgressBar7_MouseMove,
                                     &StatisticWindow::ProgressBar3_MouseMove, &StatisticWindow::ProgressBar4_MouseMove,
                                     &StatisticWindow::ProgressBar5_MouseMove, &StatisticWindow::ProgressBar6_MouseMove,
                                     &StatisticWindow::ProgressBar9_MouseMove};
  const std::array<Bars*, 7> arrays = {&ProgressBar8, &ProgressBar7, &ProgressBar3, &ProgressBar4,
                                       &ProgressBar5, &ProgressBar6, &ProgressBar9};
  for (size_t c = 0; c < 7; ++c) {
    for (int ball = 0; ball < kBars; ++ball) {
      Bar* bar = (*arrays[c])[size_t(ball)];
      bar->onClick = [this, f = clicks[c], ball] { (this->*f)(ball); };
      bar->onMouseMove = [this, f = moves[c], ball](int button, int shift, int x, int y) {
        (this->*f)(ball, button, shift, float(x), float(y));
      };
    }
  }
}

void StatisticWindow::layoutCharts(int highestBall) {
  highestBall = std::clamp(highestBall, 1, kBars - 1);
  const int step = kChartWidth / highestBall;
  const std::array<Bars*, 7> arrays = {&ProgressBar8, &ProgressBar7, &ProgressBar3, &ProgressBar4,
                                       &ProgressBar5, &ProgressBar6, &ProgressBar9};
  for (int c = 0; c < 7; ++c) {
    const int top = kChartTop + c * kChartStep + kChartCaptionHeight;
    Bars& bars = *arrays[size_t(c)];
    bars[0]->Move(0, top, 0, 0);  // no ball: no room in the chart
    for (int ball = 1; ball < kBars; ++ball) {
      // Balls above the highest one drawn get no room either; a scan hides them anyway.
      if (ball > highestBall) bars[size_t(ball)]->Move(0, top, 0, 0);
      else bars[size_t(ball)]->Move((ball - 1) * step, top, std::max(step - 30, 15), kBarHeight);
    }
    static_cast<BallAxis*>(axes_[size_t(c)])->setScale(highestBall, double(step) / kTwipsPerPixel);
  }
}

std::array<StatisticWindow::Bars*, kPositions> StatisticWindow::positionBars() {
  return {&ProgressBar8, &ProgressBar7, &ProgressBar3, &ProgressBar4, &ProgressBar5, &ProgressBar6};
}

std::array<StatisticWindow::Ranked*, kPositions> StatisticWindow::rankedLabels() {
  return {&LabBallOne, &LabBallTwo, &LabBallThree, &LabBallFour, &LabBallFive, &LabBallSix};
}

// ---------------------------------------------------------------- window events

void StatisticWindow::Form_Load() {
  EnableProgBars(false);
  fillDrawList();
  EnableProgBars(true);
  List1->AddItem(text::kTableHeader);
  int highest = 0;
  for (const QString& row : LstB1[6]->Rows())
    for (int column : kBallColumn) highest = std::max(highest, stats::BallAt(row, column));
  layoutCharts(highest > 0 ? highest : kDefaultHighestBall);
}

void StatisticWindow::Form_Activate() { WindowBar::MarkOpen(*WindowBar::instance().Label6); }

void StatisticWindow::Form_Unload() {
  setMousePointer(Pointer::Default);
  WindowBar::MarkClosed(*WindowBar::instance().Label6);
}

// ---------------------------------------------------------------- draw list and scan

void StatisticWindow::fillDrawList() {
  ListBox& draws = *LstB1[6];
  draws.Clear();
  pointerScanRefused_ = false;
  const QString filter = Combo10->Text();
  QStringList rows;
  const int count = DrawCount();
  int unreadable = 0;
  for (int k = 1; k <= count && !unreadable; ++k) {
    if (!ReadDraw(k)) unreadable = k;
    else if (stats::PassesDayFilter(filter, CurrentDraw.Day)) rows << stats::ScannedDrawRow(CurrentDraw);
  }
  draws.AddItems(rows);
  if (unreadable) MsgBox(DrawReadFailure(unreadable) + kReadStopped.arg(rows.size()), kProgramTitle);
}

void StatisticWindow::Combo10_Click() { fillDrawList(); }

void StatisticWindow::CmdScan_Click() {
  ListBox& draws = *LstB1[6];
  if (draws.ListCount() == 0) {
    MsgBox(text::kNoDraws, kProgramTitle, vbOKOnly);
    return;
  }
  CmdScan->setEnabled(false);
  setMousePointer(Pointer::Hourglass);
  for (int p = 0; p < kPositions; ++p) LstB1[size_t(p)]->Clear();
  const auto positions = positionBars();
  for (int ball = 0; ball < kBars; ++ball) {
    for (Bars* bars : positions) {
      Bar* bar = (*bars)[size_t(ball)];
      bar->setValue(0);
      bar->setVisible(true);
      bar->setEnabled(false);
    }
    ProgressBar9[size_t(ball)]->setValue(0);
    ProgressBar9[size_t(ball)]->setVisible(true);
  }

  std::array<std::array<int, kBars>, kPositions> counts{};
  std::array<int, kBars> any{};
  // A copy: the day filter may refill the list while the scan lets events run.
  const QStringList rows = draws.Rows();
  for (int r = 0; r < rows.size(); ++r) {
    for (int p = 0; p < kPositions; ++p) {
      const int ball = stats::BallAt(rows[r], kBallColumn[size_t(p)]);
      if (ball < 1 || ball >= kBars) continue;  // bar 0 stands for no ball
      ++counts[size_t(p)][size_t(ball)];
      ++any[size_t(ball)];
    }
    if (r % 500 == 499) DoEvents();
  }
  const float scanMax = float(std::max(1, int(rows.size())));
  for (int ball = 0; ball < kBars; ++ball) {
    for (int p = 0; p < kPositions; ++p) {
      Bar* bar = (*positions[size_t(p)])[size_t(ball)];
      bar->setMax(scanMax);
      bar->setValue(float(counts[size_t(p)][size_t(ball)]));
    }
    ProgressBar9[size_t(ball)]->setMax(scanMax);
    ProgressBar9[size_t(ball)]->setValue(float(any[size_t(ball)]));
  }
  ProgressBar4[0]->Tag = QString::number(rows.size());
  for (int ball = 1; ball < kBars; ++ball) {
    for (Bars* bars : positions)
      if ((*bars)[size_t(ball)]->Value() == 0) (*bars)[size_t(ball)]->setVisible(false);
    if (ProgressBar9[size_t(ball)]->Value() == 0) ProgressBar9[size_t(ball)]->setVisible(false);
  }
  // Bar 0 stays in place but stands for no ball, so it gives no row.
  for (int p = 0; p < kPositions; ++p) {
    for (int ball = 1; ball < kBars; ++ball) {
      const Bar* bar = (*positions[size_t(p)])[size_t(ball)];
      if (bar->Visible()) LstB1[size_t(p)]->AddItem(stats::PositionRow(bar->Value(), ball));
    }
  }
  scanned_ = true;
  LBLMax_Click();
  CmdScan->setEnabled(true);
  draws.setListIndex(draws.ListCount() - 1);
  AddTheNumbers();
  setMousePointer(Pointer::Default);
}

void StatisticWindow::AddTheNumbers() {
  const auto ranked = rankedLabels();
  for (int p = 0; p < kPositions; ++p) {
    const ListBox& list = *LstB1[size_t(p)];
    const int rows = list.ListCount();
    for (int j = 0; j < std::min(kRanked, rows); ++j) {
      const QString row = list.List(rows - 1 - j);
      Label* label = (*ranked[size_t(p)])[size_t(j)];
      label->setCaption(BallOfRow(row));
      label->Tag = row.left(row.indexOf(QLatin1Char(' ')));
    }
    // Places this scan did not fill go back to blank: a ball left from an earlier scan would
    // read as ranked now, and the "Perm" release would hand it over.
    for (int j = std::min(kRanked, rows); j < kRanked; ++j) {
      Label* label = (*ranked[size_t(p)])[size_t(j)];
      label->setCaption(text::kLabelStart);
      label->Tag.clear();
    }
  }
}

void StatisticWindow::markDraw(const QString& row, int borderStyle) {
  if (row.isEmpty()) return;
  const auto positions = positionBars();
  for (int p = 0; p < kPositions; ++p) {
    const int ball = stats::BallAt(row, kBallColumn[size_t(p)]);
    if (ball >= 0 && ball < kBars) (*positions[size_t(p)])[size_t(ball)]->setBorderStyle(borderStyle);
  }
}

void StatisticWindow::showDraw(int row) {
  ListBox& draws = *LstB1[6];
  if (row < 0 || row >= draws.ListCount()) return;
  if (Check1->Value() == 1 || Check2->Value() == 1) markDraw(shownDraw_, 0);
  draws.setListIndex(row);
  shownDraw_ = draws.List(row);
  markDraw(shownDraw_, 1);
  Text6->setText(text::kShownDraw.arg(row + 1).arg(draws.ListCount()).arg(shownDraw_));
}

void StatisticWindow::CommandNext_Click() {
  const ListBox& draws = *LstB1[6];
  showDraw(draws.ListIndex() < 0 ? 0 : draws.ListIndex() + 1);
}

void StatisticWindow::CommandBack_Click() {
  const ListBox& draws = *LstB1[6];
  showDraw(draws.ListIndex() < 0 ? draws.ListCount() - 1 : draws.ListIndex() - 1);
}

void StatisticWindow::Label3_Click() {
  for (Bars* bars : positionBars())
    for (Bar* bar : *bars) bar->setBorderStyle(0);
}

void StatisticWindow::showPage(int page) {
  for (int i = 0; i < 4; ++i) {
    pages_[size_t(i)]->setVisible(i == page);
    tabs_[size_t(i)]->setBackColor(i == page ? kWhite : kLightGrey);
  }
  // The text view lies over the graph: offered on the graph page only, where it can be seen.
  for (OptionButton* option : Option4) option->setVisible(page == 0);
}

void StatisticWindow::LabGraph_Click() { tabChosen(0); }
void StatisticWindow::LabData_Click() { tabChosen(1); }
void StatisticWindow::LabScan_Click() { tabChosen(2); }
void StatisticWindow::LabReport_Click() { tabChosen(3); }

void StatisticWindow::tabChosen(int page) {
  showPage(page);
  // Every tab comes back to the graph view.
  Option4[0]->setValue(true);
  Option4[1]->setValue(false);
  Option4_Click(0);
}

void StatisticWindow::CmdPrint_Click() {
  // Built afresh even when the text view is already shown: a scan since then changed the bars.
  if (Option4[1]->Value()) Option4_Click(1);
  else Option4[1]->setValue(true);
  if (List4->ListCount() < 1) return;
  PrintWindow& reports = Forms::get<PrintWindow>();
  reports.Text1[1]->setText(stats::PlacementReport(List4->Rows(), List6->Rows(), ProgressBar4[0]->Tag));
  reports.ZOrder(0);
}

// ---------------------------------------------------------------- read-outs and markers

namespace {
void toggleMarker(Bar& bar) { bar.setBorderStyle(bar.BorderStyle() == 0 ? 1 : 0); }
}  // namespace

void StatisticWindow::ProgressBar8_Click(int Index) { toggleMarker(*ProgressBar8[size_t(Index)]); }
void StatisticWindow::ProgressBar7_Click(int Index) { toggleMarker(*ProgressBar7[size_t(Index)]); }
void StatisticWindow::ProgressBar3_Click(int Index) { toggleMarker(*ProgressBar3[size_t(Index)]); }
void StatisticWindow::ProgressBar4_Click(int Index) { toggleMarker(*ProgressBar4[size_t(Index)]); }
void StatisticWindow::ProgressBar5_Click(int Index) { toggleMarker(*ProgressBar5[size_t(Index)]); }
void StatisticWindow::ProgressBar6_Click(int Index) { toggleMarker(*ProgressBar6[size_t(Index)]); }

void StatisticWindow::ProgressBar8_MouseMove(int Index, int, int, float, float) { positionMouseMove(0, Index); }
void StatisticWindow::ProgressBar7_MouseMove(int Index, int, int, float, float) { positionMouseMove(1, Index); }
void StatisticWindow::ProgressBar3_MouseMove(int Index, int, int, float, float) { positionMouseMove(2, Index); }
void StatisticWindow::ProgressBar4_MouseMove(int Index, int, int, float, float) { positionMouseMove(3, Index); }
void StatisticWindow::ProgressBar5_MouseMove(int Index, int, int, float, float) { positionMouseMove(4, Index); }
void StatisticWindow::ProgressBar6_MouseMove(int Index, int, int, float, float) { positionMouseMove(5, Index); }

void StatisticWindow::selectLatestDraw(int position, int ball) {
  // Found first, then selected once: the selections on the way had no lasting effect.
  ListBox& draws = *LstB1[6];
  const QStringList& rows = draws.Rows();
  const int column = kBallColumn[size_t(position)];
  int found = -1;
  for (int r = int(rows.size()) - 1; r >= 0; --r) {
    if (stats::BallAt(rows[r], column) == ball) {
      found = r;
      break;
    }
  }
  // No listed draw has the ball there (the day filter changed the list since the scan): no
  // draw is selected rather than one that does not hold it.
  draws.setListIndex(found);
}

void StatisticWindow::selectPositionRow(int position, int ball) {
  ListBox& list = *LstB1[size_t(position)];
  const int k = stats::FindPositionRow(list.Rows(), (*positionBars()[size_t(position)])[size_t(ball)]->Value(), ball);
  list.setListIndex(k >= 0 ? k : list.ListCount() - 1);
}

void StatisticWindow::positionMouseMove(int position, int ball) {
  if (ball < 0 || ball >= kBars) return;
  ListBox& list = *LstB1[size_t(position)];
  ListBox& draws = *LstB1[6];
  // The checks before the walk differ between the positions.
  switch (position) {
    case 0:
      if (list.ListCount() == 0 || !CmdScan->Enabled()) return;
      break;
    case 1:
      if (!CmdScan->Enabled() || list.ListCount() == 0) return;
      break;
    case 5:
      if (!CmdScan->Enabled()) return;
      break;
    default:
      if (!CmdScan->Enabled()) return;
      if (list.ListCount() == 0) {
        // Pointing starts the scan; an empty draw list is told once, not on every move.
        if (draws.ListCount() == 0) {
          if (pointerScanRefused_) return;
          pointerScanRefused_ = true;
        }
        CmdScan_Click();
        return;
      }
  }
  selectLatestDraw(position, ball);
  if (position == 0 && draws.ListIndex() < 0) DoEvents();
  if ((position == 0 || position == 1 || position == 5) && list.ListCount() == 0) return;
  selectPositionRow(position, ball);

  stats::Readout r;
  r.ball = ball;
  r.value = (*positionBars()[size_t(position)])[size_t(ball)]->Value();
  r.range = list.ListCount();
  r.place = r.range - list.ListIndex();
  r.drawsScanned = Val(ProgressBar4[0]->Tag);
  if (draws.ListIndex() >= 0) {
    r.distance = draws.ListCount() - draws.ListIndex();
    r.date = stats::DateOf(draws.Text());
  }
  Text6->setText(stats::ReadoutText(position, r));
  Label17->setCaption(QString::number(ball));
  HighLightLabels();
}

void StatisticWindow::HighLightLabels() {
  const ListBox& draws = *LstB1[6];
  const bool drawSelected = draws.ListIndex() >= 0;
  const QString row = draws.Text();
  std::array<int, kPositions> drawBalls{};
  for (int p = 0; p < kPositions; ++p) drawBalls[size_t(p)] = stats::BallAt(row, kBallColumn[size_t(p)]);
  const auto ranked = rankedLabels();
  for (int i = 0; i < kRanked; ++i) {
    for (int p = 0; p < kPositions; ++p) {
      Label* label = (*ranked[size_t(p)])[size_t(i)];
      BgrColor colour = rankColour(i);
      if (drawSelected && drawBalls[size_t(p)] == int(Val(label->Caption()))) colour = kYellow;
      if (label->BackColor() != colour) label->setBackColor(colour);
    }
  }
}

// ---------------------------------------------------------------- rescale and enabling

void StatisticWindow::LBLMax_Click() {
  std::array<float, kPositions> highest;
  highest.fill(1);
  qint16 highestAny = 1;
  const auto positions = positionBars();
  for (int ball = 1; ball <= 98; ++ball) {
    for (int p = 0; p < kPositions; ++p)
      highest[size_t(p)] = std::max(highest[size_t(p)], (*positions[size_t(p)])[size_t(ball)]->Value());
    const float any = ProgressBar9[size_t(ball)]->Value();
    if (any > highestAny) highestAny = qint16(any);
  }
  for (int ball = 1; ball <= 98; ++ball) {
    ProgressBar9[size_t(ball)]->setMax(float(highestAny) + 1);
    for (int p : {0, 1, 5, 4, 3, 2}) (*positions[size_t(p)])[size_t(ball)]->setMax(highest[size_t(p)]);
  }
  EnableProgBars(true);
}

void StatisticWindow::EnableProgBars(const bool& TrueOrFalse) {
  for (int ball = 1; ball <= 98; ++ball)
    for (Bars* bars : {&ProgressBar9, &ProgressBar8, &ProgressBar7, &ProgressBar6, &ProgressBar5, &ProgressBar4,
                       &ProgressBar3})
      (*bars)[size_t(ball)]->setEnabled(TrueOrFalse);
}

// ---------------------------------------------------------------- text tables

QString StatisticWindow::GetTheValues(const Bar& bar) {
  if (bar.Value() == 0) return QStringLiteral("0");
  return stats::AverageText(Val(ProgressBar4[0]->Tag), bar.Value());
}

void StatisticWindow::EnableTheProgreesBars(bool EnabledOrDisable) {
  for (int ball = 1; ball < kBars; ++ball)
    for (Bars* bars : positionBars()) (*bars)[size_t(ball)]->setEnabled(EnabledOrDisable);
}

void StatisticWindow::Option4_Click(int /*Index*/) {
  if (fallingBack_) return;
  Frame1->setEnabled(false);
  // Whether a scan has run, not whether ball 1 was ever the lowest ball: a lottery can well
  // have scanned draws without that.
  if (!scanned_) {
    fallingBack_ = true;
    Option4[0]->setValue(true);
    fallingBack_ = false;
    MsgBox(text::kScanFirst, kProgramTitle, vbOKOnly);
    return;
  }
  Pictur[5]->setHeight(kTextPanelHeight);
  EnableTheProgreesBars(false);
  DoEvents();
  List4->Clear();
  List6->Clear();
  if (!Option4[1]->Value()) {
    Pictur[5]->setVisible(false);
  } else {
    Pictur[5]->setVisible(true);
    Pictur[5]->raise();
    Frame1->setEnabled(true);
    for (const QString& row : stats::CountTableHead()) List4->AddItem(row);
    for (const QString& row : stats::GapTableHead()) List6->AddItem(row);
    const auto positions = positionBars();
    List4->setUpdatesEnabled(false);
    List6->setUpdatesEnabled(false);
    for (int ball = 1; ball <= int(ProgressBar7.size()) - 1; ++ball) {
      std::array<int, kPositions> counts{};
      int sum = 0;
      for (int p = 0; p < kPositions; ++p) {
        counts[size_t(p)] = int((*positions[size_t(p)])[size_t(ball)]->Value());
        sum += counts[size_t(p)];
      }
      if (sum == 0) continue;
      std::array<QString, kPositions> gaps;
      for (int p = 0; p < kPositions; ++p) gaps[size_t(p)] = GetTheValues(*(*positions[size_t(p)])[size_t(ball)]);
      List6->AddItem(stats::GapTableRow(ball, gaps));
      List4->AddItem(stats::CountTableRow(ball, counts));
    }
    List4->setUpdatesEnabled(true);
    List6->setUpdatesEnabled(true);
  }
  EnableTheProgreesBars(true);
  DoEvents();
}

void StatisticWindow::lblbutto_Click(int Index) {
  switch (Index) {
    case 0:
      List4->setVisible(true);
      List4->Move(List4->Left(), kBothTop, List4->Width(), kHalfHeight);
      List6->setVisible(true);
      List6->Move(List6->Left(), kLowerTop, List6->Width(), kHalfHeight);
      break;
    case 1:
      List4->setVisible(false);
      List6->setVisible(true);
      List6->Move(List6->Left(), kBothTop, List6->Width(), kFullHeight);
      break;
    case 2:
      List4->setVisible(true);
      List4->Move(List4->Left(), kBothTop, List4->Width(), kFullHeight);
      List6->setVisible(false);
      break;
    default:
      return;
  }
  for (Label* b : lblbutto) b->setBackColor(kLightGrey);
  lblbutto[size_t(Index)]->setBackColor(kWhite);
}

void StatisticWindow::twinSelect(ListBox& pressed, ListBox& twin) {
  const QString key = pressed.Text().left(3);
  for (int i = 0; i < pressed.ListCount(); ++i) {
    if (twin.List(i).left(3) == key) {
      twin.setListIndex(i);
      return;
    }
  }
}

void StatisticWindow::List4_MouseDown(int, int, float, float) { twinSelect(*List4, *List6); }

void StatisticWindow::List6_MouseDown(int, int, float, float) { twinSelect(*List6, *List4); }

void StatisticWindow::LstB1_Click(int /*Index*/) { TxtBallLastAppeared->setText(LstB1[6]->Text()); }

// ---------------------------------------------------------------- per-number report

void StatisticWindow::ProgressBar9_Click(int Index) {
  if (Index < 0 || Index >= kBars) return;
  ListBox& draws = *LstB1[6];
  PrintWindow& reports = Forms::get<PrintWindow>();
  reports.Text1[1]->setText(stats::NumberReportHead(Index, draws.ListCount()));
  if (!CmdScan->Enabled()) return;
  Text6->setText(stats::NumberReportSummary(Index, ProgressBar9[size_t(Index)]->Value(), ProgressBar4[0]->Tag));
  std::array<stats::PositionFacts, kPositions> facts;
  const auto positions = positionBars();
  for (int p = 0; p < kPositions; ++p) {
    stats::PositionFacts& f = facts[size_t(p)];
    f.value = (*positions[size_t(p)])[size_t(Index)]->Value();
    if (f.value == 0) continue;
    selectLatestDraw(p, Index);
    selectPositionRow(p, Index);
    const ListBox& list = *LstB1[size_t(p)];
    f.range = list.ListCount();
    f.place = f.range - list.ListIndex();
    if (draws.ListIndex() >= 0) {
      f.distance = draws.ListCount() - draws.ListIndex();
      f.date = stats::DateOf(draws.Text());
    }
    Label17->setCaption(QString::number(Index));
  }
  reports.Text1[1]->setText(reports.Text1[1]->Text() + stats::NumberReportBody(Val(ProgressBar4[0]->Tag), facts));
  draws.setListIndex(draws.ListCount() > 0 ? 0 : -1);
  EnableProgBars(true);
  reports.ZOrder(0);
}

void StatisticWindow::ProgressBar9_MouseMove(int Index, int, int, float, float) {
  if (Index < 0 || Index >= kBars) return;
  Text6->setText(stats::NumberPointerSummary(Index, ProgressBar9[size_t(Index)]->Value(), LstB1[6]->ListCount()));
  Label17->setCaption(QString::number(Index));
}

// ---------------------------------------------------------------- perm hand-over

void StatisticWindow::AddTheDamePerm(const Bar& WhichProgBar, int Index) {
  const QString row = stats::HandOverRow(WhichProgBar.Value(), Index);
  if (!row.isEmpty()) Lstmostcommon->AddItem(row);
}

void StatisticWindow::lblbuttons_MouseDown(int /*Index*/, int, int, float, float) {
  // Each step runs the perm window's own handlers at once; the order is what it relies on.
  pressRunning_ = true;
  Lstmostcommon->Clear();
  FrmTxt& perm = Forms::get<FrmTxt>();
  perm.List1->Clear();
  for (QLatin1StringView row : perm::kFillModeRows) perm.List1->AddItem(row);
  perm.ZOrder(0);
  perm.List1->setListIndex(0);
  perm.List2->setListIndex(0);
  perm.ListPerms->Clear();
  const auto positions = positionBars();
  for (int i = 0; i < int(ProgressBar8.size()); ++i) {
    std::array<float, kPositions> counts{};
    for (int p = 0; p < kPositions; ++p) counts[size_t(p)] = (*positions[size_t(p)])[size_t(i)]->Value();
    const int p = stats::DominantPosition(counts);
    if (p >= 0) AddTheDamePerm(*(*positions[size_t(p)])[size_t(i)], i);
  }
  RemoveDuplicateItems(*Lstmostcommon);
  for (int i = 0; i < Lstmostcommon->ListCount(); ++i) perm.ListPerms->AddItem(Lstmostcommon->List(i));
  perm.DoQuickList();
  perm.DoColorTemp();
  const QStringList tags = stats::RankingTags(perm.ListPerms->Rows(), FrmTxt::kBoxCount);
  for (int k = 0; k < FrmTxt::kBoxCount; ++k) perm.Label4[size_t(k)]->Tag = tags[k];
  perm.ListClick();
  if (Lstmostcommon->ListCount() < 18) MsgBox(text::kFewNumbers, kProgramTitle, vbOKOnly);
  DoEvents();
  perm.Show();
  for (int i = 0; i < kBars; ++i) {
    const float value = ProgressBar9[size_t(i)]->Value();
    if (value >= 1) perm.LstMainWindowSorted->AddItem(CountBallRow(int(value), i, true));
  }
  perm.setTop(0);
  perm.ZOrder(0);
  pressRunning_ = false;
  if (releasePending_) {
    releasePending_ = false;
    lblbuttons_MouseUp(0);
  }
}

void StatisticWindow::lblbuttons_MouseUp(int /*Index*/, int, int, float, float) {
  // A quick click's release can arrive while the press still lets events run (the perm
  // window's fill modes do): it is handled once the press is done, or the mode would overwrite it.
  if (pressRunning_) {
    releasePending_ = true;
    return;
  }
  FrmTxt& perm = Forms::get<FrmTxt>();
  for (int i = 0; i < 6; ++i) perm.TXTActiveNumbers[size_t(i)]->setText(LabBallOne[size_t(i)]->Caption());
  for (int i = 0; i < 6; ++i) perm.TXTActiveNumbers[size_t(6 + i)]->setText(LabBallTwo[size_t(i)]->Caption());
  for (int i = 0; i < 3; ++i) perm.TXTActiveNumbers[size_t(12 + i)]->setText(LabBallThree[size_t(i)]->Caption());
}

}  // namespace vtn
