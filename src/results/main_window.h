#pragma once
// The results window: the draws of the open database, the shown draw, and the scan of how often
// each ball was drawn.
#include <QTableView>
#include <array>

#include "controls/bar.h"
#include "controls/buttons.h"
#include "controls/form.h"
#include "controls/label.h"
#include "controls/list_box.h"
#include "controls/text_box.h"
#include "results/ball_counts.h"
#include "results/draw_table.h"

namespace vtn {

class MainWindow : public Form {
  Q_OBJECT
 public:
  MainWindow();

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;

  // Opens the current database as the open database, with its position index, and fills the
  // draws table; shows the last draw.
  void LoadFirstDatabase();
  // Shows the draw of the table's selected row; runs on every change of the shown draw.
  void FillFromListView();

  void cmdNext_Click();
  void cmdBack_Click();
  void lblbuttons_Click(int index);
  void lblbuttons_MouseDown(int index, int button, int shift, int x, int y);
  void CmdScan();
  // "Perm Wizard": hands the shown draw and the scan's ranking over to the perm window.
  void PermWizard();

  // The selected row of the draws table (-1 for none); selecting a row shows its draw.
  int SelectedDraw() const;
  void SelectDraw(int row);

  QTableView* ListView1;
  std::array<TextBox*, 7> TxtBall{};  // TxtBall01..TxtBall06 the main balls, TxtBall07 the bonus
  TextBox* TxtDay;
  TextBox* TxtDate;
  CommandButton* cmdNext;
  CommandButton* cmdBack;
  std::array<Label*, 3> lblbuttons{};  // 0 "Scan", 1 "Stop", 2 "Perm Wizard"
  std::array<Bar*, kHighestBall + 1> ProgressBar1{};  // bar i: how often ball i was drawn
  ListBox* LstMostCommon;  // count-ball rows, ball without leading zero; the last row is the most drawn
  Label* LabGraph;

 private:
  void layoutBars(int highestBall);
  DrawTableModel table_;
  std::array<Label*, kHighestBall + 1> ballLabels_{};
  bool stopScan_ = false;
};

}  // namespace vtn
