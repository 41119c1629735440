#pragma once
// What the benchmarks share: the last message box text a window showed while being driven.
#include <QString>

namespace vtn::bench {

QString& messagesSeen();

}  // namespace vtn::bench
