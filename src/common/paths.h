#pragma once
// Where the program keeps its files: the executable's folder, with the databases, report files
// and perm_49.txt in its "DataBases" folder.
#include <QString>

namespace vtn {

QString ProgramFolder();                 // no trailing separator
QString DataBasesFolder();               // ProgramFolder() + "/DataBases"
QString DataBasesPath(const QString& fileName);  // a file inside DataBases
void setProgramFolder(const QString& folder);    // tests and the launcher point it elsewhere

}  // namespace vtn
