#pragma once
// The statistics window: the day-filtered draw list, the scan of every ball in every position of
// the sorted draw, the bar graphs with their read-outs and markers, the ranking of each position,
// the text tables, the two reports and the hand-over to the perm window.
#include <array>

#include "controls/bar.h"
#include "controls/buttons.h"
#include "controls/form.h"
#include "controls/frame.h"
#include "controls/label.h"
#include "controls/list_box.h"
#include "controls/picture_box.h"
#include "controls/text_box.h"
#include "statistics/statistic_rules.h"

namespace vtn {

class StatisticWindow : public Form {
  Q_OBJECT
 public:
  StatisticWindow();

  using Bars = std::array<Bar*, stats::kBars>;
  using Ranked = std::array<Label*, stats::kRanked>;

  // --- Controls ---
  Bars ProgressBar8{};  // 1st (lowest) ball
  Bars ProgressBar7{};  // 2nd
  Bars ProgressBar3{};  // 3rd
  Bars ProgressBar4{};  // 4th; the tag of item 0 holds the number of draws scanned
  Bars ProgressBar5{};  // 5th
  Bars ProgressBar6{};  // 6th (highest)
  Bars ProgressBar9{};  // any main-ball position
  // 0 to 5 the position lists (count-ball rows, sorted), 6 the draw list (oldest first).
  std::array<ListBox*, 7> LstB1{};
  Ranked LabBallOne{}, LabBallTwo{}, LabBallThree{}, LabBallFour{}, LabBallFive{}, LabBallSix{};
  Label* CmdScan;
  Label* LBLMax;
  Label* Label3;                        // "Clear all markers"
  ComboBox* Combo10;                    // the day filter
  TextArea* Text6;                      // the read-out box
  Label* Label17;                       // the ball last pointed at
  std::array<OptionButton*, 2> Option4{};  // 0 graph, 1 text
  std::array<PictureBox*, 6> Pictur{};  // item 5: the text panel (the others are not used)
  ListBox* List1;                       // the header row above the tables
  ListBox* List4;                       // the count table
  ListBox* List6;                       // the gap table
  Frame* Frame1;
  std::array<Label*, 3> lblbutto{};     // "Both", "Freqancys", "Apperances"
  TextBox* TxtBallLastAppeared;
  ListBox* Lstmostcommon;               // hidden work list of the perm hand-over
  std::array<Label*, 1> lblbuttons{};   // "Perm"
  CommandButton* CommandNext;
  CommandButton* CommandBack;
  CheckBox* Check1;                     // "Remove markers from graph when new draw is shown"
  CheckBox* Check2;                     // "Show only current draw results"
  Label* LabGraph;
  Label* LabData;
  Label* LabScan;
  Label* LabReport;
  Label* CmdPrint;                      // "Make Report"

  // --- Window events ---
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;

  // --- Draw list and scan ---
  void Combo10_Click();
  void CmdScan_Click();
  void AddTheNumbers();
  void CommandNext_Click();
  void CommandBack_Click();
  void Label3_Click();
  void LabGraph_Click();
  void LabData_Click();
  void LabScan_Click();
  void LabReport_Click();
  void CmdPrint_Click();

  // --- Read-outs and markers ---
  void ProgressBar8_Click(int Index);
  void ProgressBar7_Click(int Index);
  void ProgressBar3_Click(int Index);
  void ProgressBar4_Click(int Index);
  void ProgressBar5_Click(int Index);
  void ProgressBar6_Click(int Index);
  void ProgressBar8_MouseMove(int Index, int Button = 0, int Shift = 0, float X = 0, float Y = 0);
  void ProgressBar7_MouseMove(int Index, int Button = 0, int Shift = 0, float X = 0, float Y = 0);
  void ProgressBar3_MouseMove(int Index, int Button = 0, int Shift = 0, float X = 0, float Y = 0);
  void ProgressBar4_MouseMove(int Index, int Button = 0, int Shift = 0, float X = 0, float Y = 0);
  void ProgressBar5_MouseMove(int Index, int Button = 0, int Shift = 0, float X = 0, float Y = 0);
  void ProgressBar6_MouseMove(int Index, int Button = 0, int Shift = 0, float X = 0, float Y = 0);
  void HighLightLabels();

  // --- Rescale and enabling ---
  void LBLMax_Click();
  void EnableProgBars(const bool& TrueOrFalse);

  // --- Text tables ---
  void Option4_Click(int Index);
  QString GetTheValues(const Bar& bar);
  void EnableTheProgreesBars(bool EnabledOrDisable);
  void lblbutto_Click(int Index);
  void List4_MouseDown(int Button = 1, int Shift = 0, float X = 0, float Y = 0);
  void List6_MouseDown(int Button = 1, int Shift = 0, float X = 0, float Y = 0);
  void LstB1_Click(int Index);

  // --- Per-number report ---
  void ProgressBar9_Click(int Index);
  void ProgressBar9_MouseMove(int Index, int Button = 0, int Shift = 0, float X = 0, float Y = 0);

  // --- Perm hand-over ---
  void lblbuttons_MouseDown(int Index, int Button = 1, int Shift = 0, float X = 0, float Y = 0);
  void lblbuttons_MouseUp(int Index, int Button = 1, int Shift = 0, float X = 0, float Y = 0);
  void AddTheDamePerm(const Bar& WhichProgBar, int Index);

  // The bar arrays of the six positions, 1st to 6th, and their ranking labels.
  std::array<Bars*, stats::kPositions> positionBars();
  std::array<Ranked*, stats::kPositions> rankedLabels();

 private:
  void buildTopBand();
  void buildGraphPage();
  void buildDataPage();
  void buildScanPage();
  void buildReportPage();
  void wireBars();
  void layoutCharts(int highestBall);
  void fillDrawList();
  void showPage(int page);
  // A view tab: its page, then back to the graph view.
  void tabChosen(int page);
  void showDraw(int row);
  void markDraw(const QString& row, int borderStyle);
  // One position's read-out; what differs between the six handlers is in the position's table.
  void positionMouseMove(int position, int ball);
  // The latest listed draw with the ball in the position: selected, or no row selected.
  void selectLatestDraw(int position, int ball);
  void selectPositionRow(int position, int ball);
  void twinSelect(ListBox& pressed, ListBox& twin);

  std::array<PictureBox*, 4> pages_{};
  std::array<Label*, 4> tabs_{};
  std::array<QWidget*, 7> axes_{};
  std::array<Label*, 7> chartCaptions_{};
  // Whether a scan has run: the text view and the read-outs need one.
  bool scanned_ = false;
  // A pointer-started scan refused an empty draw list; told once until the list is refilled.
  bool pointerScanRefused_ = false;
  // Keeps the text view's fall-back to the graph from running the view switch a second time.
  bool fallingBack_ = false;
  QString shownDraw_;
  // The "Perm" press is running; a release that arrives meanwhile waits for its end.
  bool pressRunning_ = false;
  bool releasePending_ = false;
};

}  // namespace vtn
