// Pending events and the Tab keystroke that moves the focus along a window's tab order.
#include <gtest/gtest.h>

#include <QVBoxLayout>
#include <array>

#include "controls/buttons.h"
#include "controls/events.h"
#include "controls/text_box.h"
#include "controls/typing.h"

namespace {

TEST(Events, DoEventsRunsQueuedCalls) {
  int runs = 0;
  QMetaObject::invokeMethod(qApp, [&] { ++runs; }, Qt::QueuedConnection);
  EXPECT_EQ(runs, 0);
  vtn::DoEvents();
  EXPECT_EQ(runs, 1);
}

struct ThreeBoxes {
  QWidget window;
  std::array<vtn::TextBox*, 3> box{};
  ThreeBoxes() {
    auto* layout = new QVBoxLayout(&window);
    for (auto& b : box) layout->addWidget(b = new vtn::TextBox);
  }
};

TEST(Events, SendTabMovesAlongTheTabOrderOnceTheHandlerIsDone) {
  ThreeBoxes w;
  QWidget::setTabOrder(w.box[2], w.box[1]);
  QWidget::setTabOrder(w.box[1], w.box[0]);
  ASSERT_TRUE(vtn::test::showActive(w.window));
  w.box[2]->SetFocus();
  ASSERT_EQ(QApplication::focusWidget(), w.box[2]);

  vtn::SendTab();
  EXPECT_EQ(QApplication::focusWidget(), w.box[2]);
  vtn::DoEvents();
  EXPECT_EQ(QApplication::focusWidget(), w.box[1]);
  vtn::SendTab();
  vtn::DoEvents();
  EXPECT_EQ(QApplication::focusWidget(), w.box[0]);
}

TEST(Events, FocusNextSkipsHiddenDisabledAndInnerPartsAndWrapsAround) {
  ThreeBoxes w;
  auto* combo = new vtn::ComboBox;  // its edit line is a part of it, not a stop of its own
  auto* last = new vtn::TextBox;
  w.window.layout()->addWidget(combo);
  w.window.layout()->addWidget(last);
  w.window.show();
  w.box[1]->setVisible(false);
  w.box[2]->setEnabled(false);
  QList<QWidget*> stops;
  for (QWidget* from = w.box[0]; stops.size() < 3; from = w.window.focusWidget()) {
    vtn::FocusNext(from);
    stops << w.window.focusWidget();
  }
  EXPECT_EQ(stops, QList<QWidget*>({combo, last, w.box[0]}));
  vtn::FocusNext(nullptr);  // nothing focused: nothing to do
}

}  // namespace
