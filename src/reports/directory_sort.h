#pragma once
// The report-file dialog: proposes a file name and saves the report box as a .rpt file in the
// DataBases folder.
#include <QDialog>
#include <functional>

#include "controls/list_box.h"
#include "controls/text_box.h"

namespace vtn {

class DirectorySort : public QDialog {
  Q_OBJECT
 public:
  explicit DirectorySort(const TextControl& report, QWidget* parent = nullptr);

  // The default file name that the dialog proposes when it opens for saving (Txtsave's tag).
  // It outlives the dialog: producers set it before the user saves.
  static QString& TxtsaveTag();

  TextBox* Txtsave;  // the file name
  ListBox* File1;    // the report files already in DataBases

  // Saves the report under the name in Txtsave; true when it was written. Bad names, a refused
  // replacement and a file that cannot be written leave everything as it was.
  bool SaveReport();

  // Runs the dialog modally; tests set this to drive the dialog instead of waiting on it.
  static std::function<void(DirectorySort&)>& driver();
  void run();

 private:
  void fillFileList();
  const TextControl& report_;
};

}  // namespace vtn
