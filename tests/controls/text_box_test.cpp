// Text writes run the change handling once, nested inside the writer; equal texts run nothing.
#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "controls/text_box.h"
#include "controls/typing.h"

namespace {

template <class Box>
class TextWrites : public ::testing::Test {};
using BoxKinds = ::testing::Types<vtn::TextBox, vtn::TextArea>;
TYPED_TEST_SUITE(TextWrites, BoxKinds);

TYPED_TEST(TextWrites, ChangeRunsOnceNestedInsideTheWriter) {
  TypeParam a, b;
  QStringList log;
  a.onChange = [&] {
    log << "a:" + a.Text();
    b.setText("from a");
    log << "a done";
  };
  b.onChange = [&] { log << "b:" + b.Text(); };
  a.setText("x");
  log << "writer";
  EXPECT_EQ(log, QStringList({"a:x", "b:from a", "a done", "writer"}));

  log.clear();
  a.setText("x");
  b.setText("from a");
  EXPECT_TRUE(log.isEmpty()) << log.join('|').toStdString();
}

TYPED_TEST(TextWrites, HandlerWritingItsOwnBoxStopsOnceTheTextIsEqual) {
  TypeParam box;
  int runs = 0;
  box.onChange = [&] {
    ++runs;
    box.setText(box.Text().toUpper());
  };
  box.setText("ab");
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(box.Text(), "AB");
}

TYPED_TEST(TextWrites, TypingRunsChangePerKeystroke) {
  TypeParam box;
  QStringList seen;
  box.onChange = [&] { seen << box.Text(); };
  vtn::test::typeText(box, "12");
  EXPECT_EQ(seen, QStringList({"1", "12"}));
}

TEST(TextArea, MultiLineTextReadsBackWithCrLfAndRewritingItRunsNothing) {
  vtn::TextArea area;
  int runs = 0;
  area.onChange = [&] { ++runs; };
  for (const QString text : {"1\r\n2\r\n", "1\n2\n"}) {
    area.setText(text);
    area.setText(text);
  }
  EXPECT_EQ(area.Text(), "1\r\n2\r\n");
  EXPECT_EQ(runs, 1);
}

TEST(TextBox, KeyFilterCanDropOrReplaceKeys) {
  vtn::TextBox box;
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.onKeyPress = [](int& key) {
    if (key == 'x') key = 0;
    else if (key == 'a') key = 'A';
  };
  vtn::test::typeText(box, "1xa");
  EXPECT_EQ(box.Text(), "1A");
  EXPECT_EQ(changes, 2);
}

TEST(TextBox, DroppedTextGoesToTheDropHandler) {
  vtn::TextBox box;
  QString dropped;
  box.onDrop = [&](const QMimeData& data) { dropped = data.text(); };
  QMimeData mime;
  mime.setText("012 07");
  // A drop goes to the widget that accepted the drag's entry.
  QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&box, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&box, &drop);
  EXPECT_EQ(dropped, "012 07");
  EXPECT_TRUE(drop.isAccepted());
}

}  // namespace
