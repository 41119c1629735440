#pragma once
// The main window's row of window buttons: one label per child window, open (light grey,
// enabled) while its window exists and closed (darker grey, disabled) after it unloads.
#include <QWidget>

#include "controls/label.h"

namespace vtn {

class WindowBar : public QWidget {
  Q_OBJECT
 public:
  static WindowBar& instance();

  Label* Label1;  // "Results Window"
  Label* Label6;  // "Statistics Window"
  Label* Label2;  // "Sorted Window"
  Label* Label3;  // "Reports Window"
  Label* Label4;  // "Database Window"
  Label* Label5;  // "Perm Window"

  static void MarkOpen(Label& button);
  static void MarkClosed(Label& button);
  static bool IsOpen(const Label& button);

 private:
  WindowBar();
};

}  // namespace vtn
