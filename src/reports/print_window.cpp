#include "reports/print_window.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <algorithm>

#include "common/message.h"
#include "common/settings.h"
#include "common/shared_procedures.h"
#include "common/window_bar.h"
#include "controls/twips.h"
#include "database/shared_database.h"
#include "reports/directory_sort.h"

namespace vtn {
namespace {
const QString kDesignCaption = QStringLiteral("VTNv3 Reports Window");
const QString kNoPrinter = QStringLiteral(
    "No printer is set up on this computer, so the report was not printed. "
    "Set up a default printer, or save the report with \"Save\" instead.");
const QString kPrintFailed = QStringLiteral("The report could not be sent to the printer \"%1\".");
const QString kAllYears = QStringLiteral("All");
// The year list until a database's draws give one.
const QStringList kYears = {kAllYears, QStringLiteral("94"), QStringLiteral("95"), QStringLiteral("96"),
                            QStringLiteral("97"), QStringLiteral("98"), QStringLiteral("99"), QStringLiteral("00"),
                            QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03"), QStringLiteral("04"),
                            QStringLiteral("05"), QStringLiteral("06"), QStringLiteral("07"), QStringLiteral("08"),
                            QStringLiteral("09"), QStringLiteral("10")};

// Places in twips: the report box on the left grows with the window, the column to its right
// keeps its size.
constexpr int kDesignWidth = 11400, kDesignHeight = 7300;
constexpr int kColumnLeft = 7830, kBoxMargin = 120;

QLabel* plainLabel(QWidget* parent, const QString& text, int left, int top, int width, int height) {
  auto* label = new Label(text, parent);
  label->Move(left, top, width, height);
  return label;
}
}  // namespace

PrintWindow::PrintWindow() : Form(kDesignCaption, kDesignWidth, kDesignHeight) {
  Text1[0] = new TextArea(this);
  Text1[0]->setVisible(false);
  Text1[1] = new TextArea(this);
  Text1[1]->Move(kBoxMargin, kBoxMargin, kColumnLeft - kBoxMargin, kDesignHeight - 2 * kBoxMargin);
  Text1[1]->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  Text1[1]->setFont(fixed);
  Text1[1]->setTabStopDistance(QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')) * 8);

  // The column of controls beside the report box keeps to the window's right edge.
  auto* column = new PictureBox(this);
  column->Move(kColumnLeft, 0, kDesignWidth - kColumnLeft, kDesignHeight);
  column_ = column;

  plainLabel(column, QStringLiteral("First and last draw:"), 120, 120, 3300, 255);
  Label21 = new Label(QString(), column);
  Label21->Move(120, 420, 1500, 255);
  plainLabel(column, QStringLiteral("to"), 1470, 420, 300, 255);
  Label22 = new Label(QString(), column);
  Label22->Move(1870, 420, 1500, 255);

  Option3 = new OptionButton(QStringLiteral("Dates are month first (US)"), column);
  Option3->Move(120, 780, 3300, 285);
  Option5 = new OptionButton(QStringLiteral("Dates are day first (UK)"), column);
  Option5->Move(120, 1080, 3300, 285);
  Option3->onClick = [this] { Option3_Click(); };
  Option5->onClick = [this] { Option5_Click(); };

  plainLabel(column, QStringLiteral("Year"), 120, 1470, 1500, 240);
  Combo6 = new ComboBox(column);
  Combo6->Move(120, 1710, 1500, 330);
  for (const QString& y : kYears) Combo6->AddItem(y);
  Combo6->setText(kAllYears);
  plainLabel(column, QStringLiteral("Day"), 1770, 1470, 1650, 240);
  Combo9 = new ComboBox(column);
  Combo9->Move(1770, 1710, 1650, 330);
  for (const QString& d : DayFilterChoices()) Combo9->AddItem(d);
  Combo9->setText(QStringLiteral("All Days"));

  Command14 = new Label(QStringLiteral("Generate Report"), column);
  MakeButtonLook(*Command14);
  Command14->Move(120, 2160, 3300, 375);
  Command14->setEnabled(bool(GenerateReport()));
  Command14->onClick = [this] { Command14_Click(); };

  Label4[0] = new Label(QStringLiteral("Months"), column);
  Label4[0]->Move(120, 2640, 900, 255);
  ProgressBar = new Bar(Qt::Horizontal, column);
  ProgressBar->Move(1070, 2640, 2350, 255);
  Label4[1] = new Label(QStringLiteral("Days"), column);
  Label4[1]->Move(120, 2970, 900, 255);
  ProgressBar2 = new Bar(Qt::Horizontal, column);
  ProgressBar2->Move(1070, 2970, 2350, 255);

  plainLabel(column, QStringLiteral("Draws in the report:"), 120, 3300, 2250, 255);
  Label20 = new Label(QString(), column);
  Label20->Move(2370, 3300, 1050, 255);
  List1 = new ListBox(false, column);
  List1->Move(120, 3630, 3300, 2250);
  List1->setVisible(false);

  CmdPrint = new Label(QStringLiteral("Print"), column);
  MakeButtonLook(*CmdPrint);
  CmdPrint->Move(120, 6000, 1575, 420);
  CmdPrint->setToolTipText(QStringLiteral("Print the report on the default printer"));
  CmdPrint->onClick = [this] { CmdPrint_Click(); };
  CmdSave = new Label(QStringLiteral("Save"), column);
  MakeButtonLook(*CmdSave);
  CmdSave->Move(1845, 6000, 1575, 420);
  CmdSave->setToolTipText(QStringLiteral("Save the report as a report file"));
  CmdSave->onClick = [this] { CmdSave_Click(); };
}

void PrintWindow::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  const int extraWidth = std::max(0, ToTwips(width()) - kDesignWidth);
  const int extraHeight = std::max(0, ToTwips(height()) - kDesignHeight);
  Text1[1]->Move(kBoxMargin, kBoxMargin, kColumnLeft - kBoxMargin + extraWidth,
                 kDesignHeight - 2 * kBoxMargin + extraHeight);
  column_->Move(kColumnLeft + extraWidth, 0, kDesignWidth - kColumnLeft, kDesignHeight);
}

void PrintWindow::Form_Load() {
  // The first and last dates are read once, when the window loads; draw 1 stays the current draw.
  if (ReadDraw(DrawCount())) Label22->setCaption(CurrentDraw.Date);
  if (!ReadDraw(1)) return;
  Label21->setCaption(CurrentDraw.Date);
  // The report's years are those the sorted-draws window offers for this database.
  Combo6->Clear();
  Combo6->AddItem(kAllYears);
  for (const QString& y : YearChoices(Label21->Caption().mid(6, 2), Label22->Caption().mid(6, 2))) Combo6->AddItem(y);
  Combo6->setText(kAllYears);
}

void PrintWindow::Form_Activate() {
  setLeft(0);
  setTop(0);
  WindowBar::MarkOpen(*WindowBar::instance().Label3);
  if (!UsOrUKdate().isEmpty()) {
    SelectDatabaseDateOrder();
    setCaption(QStringLiteral("Reports ") + CurrentDataBaseName());
  }
}

void PrintWindow::SelectDatabaseDateOrder() {
  if (CurrentDataBaseName().startsWith(QStringLiteral("UK"))) Option5->setValue(true);
  else Option3->setValue(true);
}

void PrintWindow::Form_Unload() { WindowBar::MarkClosed(*WindowBar::instance().Label3); }

void PrintWindow::Option3_Click() { SaveUsOrUKdate(true); }

void PrintWindow::Option5_Click() { SaveUsOrUKdate(false); }

void PrintWindow::CmdPrint_Click() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    MsgBox(kNoPrinter);
    return;
  }
  QPrinter printer(info);
  printer.setDocName(Caption());
  QTextDocument document;
  document.setDefaultFont(Text1[1]->font());
  document.setPlainText(Text1[1]->toPlainText());
  document.print(&printer);
  if (printer.printerState() == QPrinter::Error) MsgBox(kPrintFailed.arg(info.printerName()));
}

std::function<void(PrintWindow&)>& PrintWindow::GenerateReport() {
  static std::function<void(PrintWindow&)> run;
  return run;
}

void PrintWindow::Command14_Click() {
  if (GenerateReport()) GenerateReport()(*this);
}

void PrintWindow::CmdSave_Click() {
  DirectorySort dialog(*Text1[1], this);
  dialog.run();
}

}  // namespace vtn
