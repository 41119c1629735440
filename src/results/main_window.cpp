#include "results/main_window.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>
#include <algorithm>

#include "common/help.h"
#include "common/message.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/settings.h"
#include "common/window_bar.h"
#include "controls/events.h"
#include "database/shared_database.h"
#include "perm/perm_catalogue.h"
#include "perm/perm_window.h"

namespace vtn {
namespace {
const QString kCaption = QStringLiteral("Results");
const QString kGraphCaption = QStringLiteral("How often each ball was drawn as a main ball");
const QString kGraphScanned = QStringLiteral("How often each ball was drawn as a main ball in %1 draws");
const QString kGraphPartial =
    QStringLiteral("How often each ball was drawn as a main ball in the first %1 of %2 draws (the scan did not finish)");
const QString kLoadStopped = QStringLiteral(" Only the %1 draws before it are shown; the file will not be changed.");
const QString kScanStopped = QStringLiteral(" The scan stopped there: the graph counts only the first %1 draws.");
constexpr int kGraphLeft = 120, kGraphTop = 4260, kGraphWidth = 11160, kGraphHeight = 1320;

Label* captionLabel(QWidget* parent, const QString& text, int left, int top, int width) {
  auto* label = new Label(text, parent);
  label->Move(left, top, width, 255);
  return label;
}
}  // namespace

MainWindow::MainWindow() : Form(kCaption, 11400, 6150) {
  ListView1 = new QTableView(this);
  ListView1->setGeometry(8, 8, 416, 252);
  ListView1->setModel(&table_);
  ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView1->verticalHeader()->hide();
  ListView1->verticalHeader()->setDefaultSectionSize(18);
  ListView1->horizontalHeader()->setMinimumSectionSize(24);
  ListView1->horizontalHeader()->setDefaultSectionSize(30);
  ListView1->horizontalHeader()->setStretchLastSection(true);
  // Wide enough for the highest draw number a database can hold.
  const int cellMargin = 2 * (ListView1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ListView1) + 1);
  ListView1->setColumnWidth(0, std::max(42, ListView1->fontMetrics().horizontalAdvance(QStringLiteral("32767")) + cellMargin + 4));
  ListView1->setColumnWidth(7, 42);
  ListView1->setColumnWidth(8, 30);
  connect(ListView1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { FillFromListView(); });

  captionLabel(this, QStringLiteral("Shown draw: balls 1 to 6"), 6480, 120, 3300);
  for (int i = 0; i < 7; ++i) {
    TxtBall[size_t(i)] = new TextBox(this);
    TxtBall[size_t(i)]->setReadOnly(true);
    TxtBall[size_t(i)]->setAlignment(Qt::AlignCenter);
    TxtBall[size_t(i)]->Move(i < 6 ? 6480 + i * 540 : 10260, 390, 480, 330);
  }
  captionLabel(this, QStringLiteral("Bonus"), 10260, 120, 900);
  captionLabel(this, QStringLiteral("Day"), 6480, 840, 600);
  TxtDay = new TextBox(this);
  TxtDay->setReadOnly(true);
  TxtDay->setAlignment(Qt::AlignCenter);
  TxtDay->Move(6480, 1095, 600, 330);
  captionLabel(this, QStringLiteral("Date"), 7200, 840, 1200);
  TxtDate = new TextBox(this);
  TxtDate->setReadOnly(true);
  TxtDate->setAlignment(Qt::AlignCenter);
  TxtDate->Move(7200, 1095, 1200, 330);
  cmdBack = new CommandButton(QStringLiteral("< Back"), this);
  cmdBack->Move(8640, 1065, 1260, 390);
  cmdBack->onClick = [this] { cmdBack_Click(); };
  cmdNext = new CommandButton(QStringLiteral("Next >"), this);
  cmdNext->Move(10020, 1065, 1260, 390);
  cmdNext->onClick = [this] { cmdNext_Click(); };

  const std::array<QString, 3> buttonCaptions = {QStringLiteral("Scan"), QStringLiteral("Stop"), QStringLiteral("Perm Wizard")};
  const std::array<QString, 3> buttonTips = {QStringLiteral("Scan the database to fill the graph"),
                                             QStringLiteral("Stop the scan"),
                                             QStringLiteral("Take the numbers of the scan to the perm window")};
  for (int i = 0; i < 3; ++i) {
    Label* b = new Label(buttonCaptions[size_t(i)], this);
    MakeButtonLook(*b);
    b->Move(6480 + i * 1600, 1650, 1500, 420);
    b->setToolTipText(buttonTips[size_t(i)]);
    b->onClick = [this, i] { lblbuttons_Click(i); };
    b->onMouseDown = [this, i](int button, int shift, int x, int y) { lblbuttons_MouseDown(i, button, shift, x, y); };
    lblbuttons[size_t(i)] = b;
  }
  lblbuttons[1]->setEnabled(false);

  captionLabel(this, QStringLiteral("Most common balls (count, ball), most drawn last"), 6480, 2220, 4800);
  LstMostCommon = new ListBox(true, this);
  LstMostCommon->setCountBallOrder(true);
  LstMostCommon->Move(6480, 2490, 4800, 1410);

  LabGraph = captionLabel(this, kGraphCaption, kGraphLeft, 3990, kGraphWidth);
  for (int ball = 0; ball <= kHighestBall; ++ball) {
    ProgressBar1[size_t(ball)] = new Bar(Qt::Vertical, this);
    ProgressBar1[size_t(ball)]->setVisible(false);
    ballLabels_[size_t(ball)] = new Label(QString::number(ball), this);
    ballLabels_[size_t(ball)]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ballLabels_[size_t(ball)]->setWordWrap(false);
    ballLabels_[size_t(ball)]->setVisible(false);
    QFont small = ballLabels_[size_t(ball)]->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    ballLabels_[size_t(ball)]->setFont(small);
  }
  layoutBars(59);
}

void MainWindow::layoutBars(int highestBall) {
  highestBall = std::clamp(highestBall, 1, kHighestBall);
  const int step = kGraphWidth / highestBall;
  for (int ball = 1; ball <= kHighestBall; ++ball) {
    const bool shown = ball <= highestBall;
    Bar* bar = ProgressBar1[size_t(ball)];
    bar->Move(kGraphLeft + (ball - 1) * step, kGraphTop, std::max(step - 15, 15), kGraphHeight);
    bar->setVisible(shown);
    Label* label = ballLabels_[size_t(ball)];
    label->Move(kGraphLeft + (ball - 1) * step - step, kGraphTop + kGraphHeight + 15, step * 3, 240);
    label->setVisible(shown && (ball == 1 || ball % 5 == 0));
  }
}

void MainWindow::Form_Load() { LoadFirstDatabase(); }

void MainWindow::Form_Activate() { WindowBar::MarkOpen(*WindowBar::instance().Label1); }

void MainWindow::Form_Unload() {
  stopScan_ = true;
  WindowBar::MarkClosed(*WindowBar::instance().Label1);
}

void MainWindow::LoadFirstDatabase() {
  const QString name = CurrentDataBaseName();
  setCaption(kCaption + QStringLiteral(" - ") + name);
  OpenDatabase(DataBasesPath(name));
  HelpFilePath() = ProgramFolder() + QStringLiteral("/VTN.HLP");
  std::vector<DrawRecord> draws;
  const int count = DrawCount();
  draws.reserve(size_t(count));
  for (int k = 1; k <= count; ++k) {
    if (!ReadDraw(k)) {
      // Row i must stay draw i + 1: keep the draws before the unreadable one, and only those.
      KeepFirstDraws(k - 1);
      MsgBox(DrawReadFailure(k) + kLoadStopped.arg(k - 1), kProgramTitle);
      break;
    }
    draws.push_back(CurrentDraw);
  }
  table_.setDraws(std::move(draws));
  SelectDraw(int(table_.draws().size()) - 1);
  FillFromListView();
}

int MainWindow::SelectedDraw() const {
  const QModelIndex current = ListView1->selectionModel()->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void MainWindow::SelectDraw(int row) {
  if (row < 0 || row >= table_.rowCount()) return;
  const QModelIndex index = table_.index(row, 0);
  ListView1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  ListView1->scrollTo(index);
}

void MainWindow::FillFromListView() {
  const int row = SelectedDraw();
  const int count = table_.rowCount();
  cmdBack->setEnabled(row > 0);
  cmdNext->setEnabled(row >= 0 && row < count - 1);
  if (row < 0) {
    for (TextBox* box : TxtBall) box->setText(QString());
    TxtDay->setText(QString());
    TxtDate->setText(QString());
    return;
  }
  const DrawRecord& draw = table_.draws()[size_t(row)];
  for (size_t i = 0; i < 6; ++i) TxtBall[i]->setText(draw.Balls[i]);
  TxtBall[6]->setText(draw.Bonus);
  TxtDay->setText(draw.Day);
  TxtDate->setText(draw.Date);
  // While the perm window is open its win-check boxes follow the shown draw.
  if (WindowBar::IsOpen(*WindowBar::instance().Label5) && Forms::isLoaded<FrmTxt>()) {
    FrmTxt& perm = Forms::get<FrmTxt>();
    for (size_t i = 0; i < 6; ++i) perm.Text1[i]->setText(draw.Balls[i]);
  }
}

void MainWindow::cmdNext_Click() { SelectDraw(SelectedDraw() + 1); }

void MainWindow::cmdBack_Click() { SelectDraw(SelectedDraw() - 1); }

void MainWindow::lblbuttons_Click(int index) {
  if (index == 0) CmdScan();
  else if (index == 1) stopScan_ = true;
}

void MainWindow::lblbuttons_MouseDown(int index, int, int, int, int) {
  if (index == 2) PermWizard();
}

void MainWindow::PermWizard() {
  // Each step runs the perm window's own handlers at once; the order is what it relies on.
  FrmTxt& perm = Forms::get<FrmTxt>();
  for (size_t i = 0; i < 6; ++i) perm.Text1[i]->setText(TxtBall[i]->Text());
  for (size_t i = 0; i < 6; ++i) perm.TextChangeColors(*perm.Text1[i]);
  perm.ListPerms->Clear();
  perm.List1->Clear();
  perm.Show();
  perm.setTop(0);
  const int rows = LstMostCommon->ListCount();
  for (int i = 0; i < FrmTxt::kBoxCount; ++i) {
    const QString ball = BallOfRow(LstMostCommon->List(rows - 1 - i));
    perm.Label4[size_t(i)]->Tag = Val(ball) <= 9 ? QStringLiteral("0") + ball : ball;
  }
  for (QLatin1StringView row : perm::kFillModeRows) perm.List1->AddItem(row);
  perm.ZOrder(0);
  perm.List1->setListIndex(0);
  perm.List2->setListIndex(0);
  for (int ball = 1; ball <= kHighestBall; ++ball) {
    const float count = ProgressBar1[size_t(ball)]->Value();
    if (count > 0) perm.ListPerms->AddItem(CountBallRow(int(count), ball, true));
  }
  const bool refreshes = !FrmTxt::FirstRefreshDone;
  perm.DoQuickList();
  // The perm window refreshes itself only on the first hand-over after it loads; a press while it
  // is open would otherwise leave its hot, warm and cold lists empty. Do what that refresh does:
  // rebuild the lists, apply the selected mode and mark the shown draw's numbers.
  if (!refreshes) {
    perm.DoColorTemp();
    perm.ListClick();
    for (size_t i = 0; i < 6; ++i) perm.TextChangeColors(*perm.Text1[i]);
  }
}

void MainWindow::CmdScan() {
  if (!lblbuttons[0]->Enabled()) return;  // a scan is running
  lblbuttons[0]->setEnabled(false);
  lblbuttons[1]->setEnabled(true);
  stopScan_ = false;
  setMousePointer(Pointer::Hourglass);
  BallCounts counts{};
  const int total = DrawCount();
  int scanned = 0;
  int unreadable = 0;  // the draw the scan could not read
  for (int k = 1; k <= total && !stopScan_; ++k) {
    if (!ReadDraw(k)) {
      unreadable = k;
      break;
    }
    CountMainBalls(CurrentDraw, counts);
    ++scanned;
    if (k % 250 == 0) DoEvents();
  }
  int highestBall = 1;
  int highestCount = 0;
  for (int ball = 1; ball <= kHighestBall; ++ball) {
    if (counts[size_t(ball)] > 0) highestBall = ball;
    highestCount = std::max(highestCount, counts[size_t(ball)]);
  }
  layoutBars(highestBall);
  for (int ball = 1; ball <= kHighestBall; ++ball) {
    ProgressBar1[size_t(ball)]->setMax(float(std::max(highestCount, 1)));
    ProgressBar1[size_t(ball)]->setValue(float(counts[size_t(ball)]));
    ProgressBar1[size_t(ball)]->setToolTipText(QStringLiteral("Ball %1: drawn %2 times").arg(ball).arg(counts[size_t(ball)]));
  }
  LstMostCommon->Clear();
  for (const QString& row : MostCommonRows(counts)) LstMostCommon->AddItem(row);
  LabGraph->setCaption(scanned == total ? kGraphScanned.arg(scanned) : kGraphPartial.arg(scanned).arg(total));
  setMousePointer(Pointer::Default);
  lblbuttons[1]->setEnabled(false);
  lblbuttons[0]->setEnabled(true);
  if (unreadable > 0) MsgBox(DrawReadFailure(unreadable) + kScanStopped.arg(scanned), kProgramTitle);
}

}  // namespace vtn
