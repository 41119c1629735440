// VTNv3_8: lottery draw results and analyses.
#include <QApplication>

#include "common/message.h"
#include "shell/main_frame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(vtn::kProgramTitle);
  QApplication::setOrganizationName(QStringLiteral("Halvoren"));
  vtn::frmMain main;
  main.show();
  main.Form_Load();
  return QApplication::exec();
}
