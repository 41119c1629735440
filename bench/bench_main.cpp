// Benchmark main: one offscreen QApplication, settings and program folder in a temporary folder,
// message boxes and beeps swallowed, so the real windows can be driven without a display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "bench/bench_support.h"
#include "common/message.h"
#include "common/paths.h"

namespace vtn::bench {

QString& messagesSeen() {
  static QString last;
  return last;
}

}  // namespace vtn::bench

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir root;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root.filePath(QStringLiteral("settings")));
  QDir().mkpath(root.filePath(QStringLiteral("program/DataBases")));
  vtn::setProgramFolder(root.filePath(QStringLiteral("program")));
  vtn::setMessageSink([](const QString& text, const QString&, int buttons) {
    vtn::bench::messagesSeen() = text;
    return buttons == vtn::vbYesNo ? int(vtn::vbYes) : int(vtn::vbOK);
  });
  vtn::setBeepSink([] {});
  ::benchmark::Initialize(&argc, argv);
  if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}
