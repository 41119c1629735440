#include "common/help.h"

namespace vtn {

QString& HelpFilePath() {
  static QString path;
  return path;
}

}  // namespace vtn
