#pragma once
#include <QString>

namespace vtn {

// The one program-wide path of the help file, set when a database or the perm window loads.
QString& HelpFilePath();

}  // namespace vtn
