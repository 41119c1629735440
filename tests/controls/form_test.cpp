// The window registry: one instance per window, loaded on first touch, fresh after an unload.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include "controls/events.h"
#include "controls/form.h"

namespace {

struct Counts {
  int built = 0, loads = 0, activates = 0, unloads = 0;
  vtn::Form* nested = nullptr;
};

template <int N>
class ProbeForm : public vtn::Form {
 public:
  static inline Counts counts;
  ProbeForm() : Form(QStringLiteral("Probe"), 4800, 3600) { ++counts.built; }
  void Form_Load() override {
    ++counts.loads;
    counts.nested = &vtn::Forms::get<ProbeForm>();  // touching itself while loading
  }
  void Form_Activate() override { ++counts.activates; }
  void Form_Unload() override {
    ++counts.unloads;
    Unload();  // unloading again from inside must not run this twice
  }
};
using FormA = ProbeForm<1>;
using FormB = ProbeForm<2>;

class Forms : public ::testing::Test {
 protected:
  void SetUp() override { FormA::counts = {}; FormB::counts = {}; }
  void TearDown() override {
    vtn::Forms::unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

TEST_F(Forms, FirstTouchCreatesAndLoadsOnce) {
  EXPECT_FALSE(vtn::Forms::isLoaded<FormA>());
  FormA& form = vtn::Forms::get<FormA>();
  EXPECT_EQ(&vtn::Forms::get<FormA>(), &form);
  EXPECT_EQ(FormA::counts.nested, &form);
  EXPECT_EQ(FormA::counts.built, 1);
  EXPECT_EQ(FormA::counts.loads, 1);
  EXPECT_TRUE(vtn::Forms::isLoaded<FormA>());
  EXPECT_FALSE(vtn::Forms::isLoaded<FormB>());
}

TEST_F(Forms, UnloadRunsUnloadOnceAndTheNextTouchLoadsAnew) {
  vtn::Forms::get<FormA>();
  vtn::Forms::unload<FormA>();
  vtn::Forms::unload<FormA>();
  EXPECT_EQ(FormA::counts.unloads, 1);
  EXPECT_FALSE(vtn::Forms::isLoaded<FormA>());
  vtn::Forms::get<FormA>();
  EXPECT_EQ(FormA::counts.built, 2);
  EXPECT_EQ(FormA::counts.loads, 2);

  // Closing the window unloads it too.
  vtn::Forms::get<FormA>().close();
  EXPECT_EQ(FormA::counts.unloads, 2);
  EXPECT_FALSE(vtn::Forms::isLoaded<FormA>());
}

TEST_F(Forms, ActivateRunsOnlyWhenTheActiveWindowChanges) {
  FormA& a = vtn::Forms::get<FormA>();
  FormB& b = vtn::Forms::get<FormB>();
  for (vtn::Form* f : std::initializer_list<vtn::Form*>{&a, &a, &b, &b, &a}) vtn::Forms::activated(f);
  EXPECT_EQ(FormA::counts.activates, 2);
  EXPECT_EQ(FormB::counts.activates, 1);
  EXPECT_EQ(vtn::Forms::active(), &a);
  b.Show();
  EXPECT_EQ(FormB::counts.activates, 2);
  vtn::Forms::unload<FormB>();
  EXPECT_EQ(vtn::Forms::active(), nullptr);  // b was active; the registry forgets it
  vtn::Forms::activated(&a);
  EXPECT_EQ(FormA::counts.activates, 3);
}

}  // namespace

namespace {
using FormC = ProbeForm<3>;

// A window closed while its own handler still runs (a scan letting events run) must stay alive
// until that handler is done; only the idle main loop deletes it.
TEST_F(Forms, AWindowClosedInsideItsOwnHandlerLivesUntilTheLoopIsIdle) {
  QEventLoop loop;
  QPointer<FormC> form;
  bool aliveAfterDoEvents = false;
  QTimer::singleShot(0, &loop, [&] {
    form = &vtn::Forms::get<FormC>();
    form->Unload();
    vtn::DoEvents();
    vtn::DoEvents();
    aliveAfterDoEvents = !form.isNull();
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
  });
  loop.exec();
  EXPECT_TRUE(aliveAfterDoEvents);
  EXPECT_TRUE(form.isNull());
  EXPECT_FALSE(vtn::Forms::isLoaded<FormC>());
}
}  // namespace
