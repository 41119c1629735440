#pragma once
// The report window: every report of the program is shown in its report box, printed from it
// and saved from it.
#include <array>
#include <functional>

#include "controls/bar.h"
#include "controls/buttons.h"
#include "controls/form.h"
#include "controls/label.h"
#include "controls/list_box.h"
#include "controls/picture_box.h"
#include "controls/text_box.h"

namespace vtn {

class PrintWindow : public Form {
  Q_OBJECT
 public:
  PrintWindow();

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;

  // Item 1 is the report box; a producer sets its whole text. Item 0 is unused.
  std::array<TextArea*, 2> Text1{};
  Label* Command14;        // "Generate Report", "Stop Report" while the prediction run works
  ComboBox* Combo6;        // the report's year choice
  ComboBox* Combo9;        // the report's weekday choice
  ListBox* List1;          // the run's entry lines; hidden while no run works
  Bar* ProgressBar;
  Bar* ProgressBar2;
  std::array<Label*, 2> Label4{};  // "Months", "Days"
  Label* Label20;          // the draw figure of the last prediction report
  Label* Label21;          // date of the first draw
  Label* Label22;          // date of the last draw
  OptionButton* Option3;   // month first
  OptionButton* Option5;   // day first
  Label* CmdPrint;         // "Print"
  Label* CmdSave;          // "Save"

  // Selects the date-order option that the current database's name calls for: day first for a
  // name beginning "UK", month first otherwise. Selecting an option saves the order.
  void SelectDatabaseDateOrder();

  void Option3_Click();
  void Option5_Click();
  void CmdPrint_Click();
  void CmdSave_Click();
  void Command14_Click();

  // The prediction run that "Generate Report" starts. The report window cannot know the
  // sorted-draws window it drives, so the program installs the run here at start-up; without
  // one the button stays disabled.
  static std::function<void(PrintWindow&)>& GenerateReport();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  PictureBox* column_ = nullptr;
};

}  // namespace vtn
