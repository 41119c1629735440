// Test main: one QApplication, settings in a temporary folder, message boxes and beeps recorded.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "common/message.h"
#include "common/paths.h"
#include "support/recorder.h"

namespace vtn::test {

Recorder& recorder() {
  static Recorder r;
  return r;
}

namespace {
QTemporaryDir* rootDir = nullptr;
int scratchCount = 0;

class ResetEachTest : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    recorder().clear();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       rootDir->filePath(QStringLiteral("settings%1").arg(++scratchCount)));
    setProgramFolder(scratchFolder());
  }
};
}  // namespace

QString scratchFolder() {
  static int lastTest = -1;
  static QString folder;
  if (lastTest != scratchCount) {
    lastTest = scratchCount;
    folder = rootDir->filePath(QStringLiteral("program%1").arg(scratchCount));
    QDir().mkpath(folder + QStringLiteral("/DataBases"));
  }
  return folder;
}

}  // namespace vtn::test

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  QTemporaryDir root;
  vtn::test::rootDir = &root;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  vtn::setMessageSink([](const QString& text, const QString& title, int buttons) {
    auto& r = vtn::test::recorder();
    r.messages.push_back({text, title});
    const int answer = r.nextAnswer;
    r.nextAnswer = 0;
    if (answer) return answer;
    return buttons == vtn::vbYesNo ? int(vtn::vbYes) : int(vtn::vbOK);
  });
  vtn::setBeepSink([] { ++vtn::test::recorder().beeps; });
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new vtn::test::ResetEachTest);
  return RUN_ALL_TESTS();
}
