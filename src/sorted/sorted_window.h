#pragma once
// The sorted-draws window: the draws of the open database filtered by year, month, day of the
// month and weekday, with the ball counts and the most and least common balls of the selection.
//
// The prediction run of the report window drives it from outside: it writes the filter texts,
// re-runs the pass through Combo3Cheat and Combo2Cheat and reads List3 and List5.
#include <QString>
#include <array>

#include "controls/buttons.h"
#include "controls/form.h"
#include "controls/frame.h"
#include "controls/label.h"
#include "controls/list_box.h"
#include "controls/picture_box.h"
#include "controls/text_box.h"

namespace vtn {

class SortedWindow : public Form {
  Q_OBJECT
 public:
  SortedWindow();

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;

  // --- Controls ---
  PictureBox* Picture1;                // the background panel
  Frame* Frame2;                       // "Filter Dates"
  Frame* Frame3;                       // "Filter Days"
  ComboBox* Combo4;                    // year: "All" and forty years from draw 1's
  ComboBox* Combo3;                    // month: "01".."12", "All"
  ComboBox* Combo2;                    // day of the month: "01".."31", "All"
  ComboBox* Combo8;                    // weekday: "All Days", "Saturday".."Friday"
  OptionButton* Option1;               // dates are day first
  OptionButton* Option2;               // dates are month first; read by the pass
  TextBox* txtRecNum;                  // number of the draw last read by the walk
  std::array<TextBox*, 6> TxtBall{};   // TxtBall01..TxtBall06: the shown draw's main balls
  TextBox* TxtBallBB;                  // its bonus ball
  TextBox* TxtBall07;                  // its day code
  TextBox* txtDate;                    // its date as stored
  std::array<Label*, 10> Label16{};    // hidden; 0..5 repeat the shown draw's main balls
  Label* Label24;                      // "Numarically sorted results"
  Label* Label25;                      // "Results listed as appeared"
  std::array<Label*, 2> Label3{};      // item 1: "Appearances in selection"
  ListBox* LstDrawResults;             // sorted: the selection's draws in ball order
  ListBox* List5;                      // the selection's draws in file order
  TextArea* Text2;                     // one line per ball that appeared
  ListBox* List1;                      // the balls from most to least common
  TextArea* Text3;                     // the most and least common sentences
  TextArea* Text9;                     // the draw-count sentence
  ListBox* List3;                      // sorted, hidden: count-ball rows of the selection

  // How often each ball (1..99) appeared in the selection; 0 for none. Index 0 is never used.
  std::array<int, 100> Label2{};

  // --- Procedures ---
  void GotoDBZero();
  void FillTextSortedWindow();
  void SortListDatesSortedWindow();
  void DoTheNumbers();

  // --- Events ---
  void Combo2_Click();
  void Combo3_Click();
  void Combo4_Click();
  void Combo8_Click();
  // Re-run the rewind and the pass with the filter texts as they stand.
  void Combo2Cheat() { Combo2_Click(); }
  void Combo3Cheat() { Combo3_Click(); }
  void Combo4Cheat() { Combo4_Click(); }
  void Option2_Click();
  void List5_MouseUp(int button, int shift, int x, int y);
  void LstDrawResults_MouseDown(int button, int shift, int x, int y);

  // Off while the prediction run drives the filters: the user's choices, and the date order that
  // activation would choose, would otherwise mix into the run's entries.
  void setFiltersEnabled(bool on);

  // Opens a document or link with the desktop's default action; true when that started.
  bool ShellOpenDocument(const QString& path);

 private:
  void layOutControls();
  // Any filter choice: rewind, then the pass.
  void filterChosen();
  // The pass numbered `pass`. A choice made while it lets events run begins a newer pass; this
  // one then ends without writing more, so the lists and sentences are the newer choice's.
  void countPass(int pass);
  bool superseded(int pass) const { return pass != passesBegun_; }

  int passesBegun_ = 0;
};

}  // namespace vtn
