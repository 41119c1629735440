// What every control shares: twips that read back exactly, colours, flags of its own; mouse handlers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "controls/bar.h"
#include "controls/buttons.h"
#include "controls/colors.h"
#include "controls/form.h"
#include "controls/label.h"
#include "controls/list_box.h"
#include "controls/text_box.h"

namespace {

TEST(Control, DesignPositionsReadBackExactlyInTwips) {
  QWidget window;
  vtn::Label label("", &window);
  vtn::TextBox box(&window);
  vtn::ListBox list(false, &window);
  vtn::Bar bar(Qt::Vertical, &window);
  for (vtn::Control* c : std::initializer_list<vtn::Control*>{&label, &box, &list, &bar}) {
    for (int i = 0; i <= 14; ++i) {
      const int left = 510 + 330 * i;
      c->Move(left, 1200, 285, 1935);
      EXPECT_EQ(c->Left(), left);
      EXPECT_EQ(c->widget()->geometry(), QRect(left / 15, 80, 19, 129));
      c->setLeft(left + 7);  // not a whole pixel: the twips still read back
      c->setTop(100);
      EXPECT_EQ(c->Left(), left + 7);
      EXPECT_EQ(c->Top(), 100);
      EXPECT_EQ(c->Width(), 285);
      EXPECT_EQ(c->Height(), 1935);
      EXPECT_EQ(c->widget()->x(), (left + 7) / 15);
    }
  }
}

TEST(Control, ColoursAreBlueGreenRed) {
  const struct { vtn::BgrColor bgr; QColor rgb; } cases[] = {
      {0x0000FF, QColor(255, 0, 0)},       {0xFFC0C0, QColor(192, 192, 255)},
      {0x00FF00, QColor(0, 255, 0)},       {0xFF0000, QColor(0, 0, 255)},
      {0xE0E0E0, QColor(224, 224, 224)},   {0xFFFFC0, QColor(192, 255, 255)},
      {0x123456, QColor(0x56, 0x34, 0x12)},
  };
  vtn::TextBox box;
  for (const auto& c : cases) {
    EXPECT_EQ(vtn::ToQColor(c.bgr), c.rgb) << std::hex << c.bgr;
    box.setBackColor(c.bgr);
    EXPECT_EQ(box.BackColor(), c.bgr);
    EXPECT_EQ(box.palette().color(QPalette::Base), c.rgb);
  }
}

TEST(Control, VisibleIsTheControlsOwnFlag) {
  QWidget hiddenWindow;
  vtn::Label label("x", &hiddenWindow);
  EXPECT_TRUE(label.Visible());  // its own flag, although the window is not shown
  label.setVisible(false);
  EXPECT_FALSE(label.Visible());
  label.setVisible(true);
  EXPECT_TRUE(label.Visible());
}

TEST(Label, ClickRunsMouseDownUpThenClick) {
  vtn::Label label("Go");
  QStringList log;
  label.onMouseDown = [&](int button, int, int, int) { log << QString("down%1").arg(button); };
  label.onMouseUp = [&](int button, int, int, int) { log << QString("up%1").arg(button); };
  label.onClick = [&] { log << "click"; };
  label.Click();
  EXPECT_EQ(log, QStringList({"down1", "up1", "click"}));
}

void sendMouse(QWidget& to, QEvent::Type type, QPointF at, Qt::MouseButton button) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, at, to.mapToGlobal(at), button, held, Qt::ShiftModifier);
  QApplication::sendEvent(&to, &event);
}

TEST(Label, MouseHandlersGetTwipsAndClickNeedsALeftReleaseInside) {
  vtn::Label label("Go");
  label.Move(0, 0, 1500, 300);
  QStringList log;
  auto logger = [&](const char* what) {
    return [&log, what](int button, int shift, int x, int y) { log << QString("%1 %2 %3 %4 %5").arg(what).arg(button).arg(shift).arg(x).arg(y); };
  };
  label.onMouseDown = logger("down");
  label.onMouseUp = logger("up");
  label.onClick = [&] { log << "click"; };
  for (auto [button, releaseAt] : {std::pair{Qt::LeftButton, QPointF(3, 4)}, std::pair{Qt::RightButton, QPointF(3, 4)},
                                   std::pair{Qt::LeftButton, QPointF(300, 4)}}) {
    sendMouse(label, QEvent::MouseButtonPress, QPointF(3, 4), button);
    sendMouse(label, QEvent::MouseButtonRelease, releaseAt, button);
  }
  EXPECT_EQ(log, QStringList({"down 1 1 45 60", "up 1 1 45 60", "click", "down 2 1 45 60", "up 2 1 45 60",
                              "down 1 1 45 60", "up 1 1 4500 60"}));
}

TEST(Bar, ClickAndMouseMoveInTwips) {
  vtn::Bar bar;
  bar.Move(0, 0, 300, 1500);
  QStringList log;
  bar.onClick = [&] { log << "click"; };
  bar.onMouseMove = [&](int button, int shift, int x, int y) { log << QString("move %1 %2 %3 %4").arg(button).arg(shift).arg(x).arg(y); };
  sendMouse(bar, QEvent::MouseMove, QPointF(2, 10), Qt::NoButton);
  sendMouse(bar, QEvent::MouseButtonRelease, QPointF(2, 10), Qt::LeftButton);
  sendMouse(bar, QEvent::MouseButtonRelease, QPointF(2, 500), Qt::LeftButton);
  EXPECT_EQ(log, QStringList({"move 0 1 30 150", "click"}));
}

// The hourglass of a run covers the whole program, label buttons with their own pointer included,
// and a window that goes away mid-run takes its hourglass with it.
TEST(Form, HourglassCoversTheProgramUntilTheDefaultIsSet) {
  auto shape = [] { return QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor; };
  auto* form = new vtn::Form("Run", 3000, 2000);
  form->setMousePointer(vtn::Form::Pointer::Hourglass);
  form->setMousePointer(vtn::Form::Pointer::Hourglass);
  EXPECT_EQ(shape(), Qt::WaitCursor);
  form->setMousePointer(vtn::Form::Pointer::Default);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // one restore for two hourglass calls
  form->setMousePointer(vtn::Form::Pointer::Hourglass);
  delete form;
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
