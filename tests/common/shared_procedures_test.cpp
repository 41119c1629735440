// Shared procedures: list files, saving a text, range boxes, the date key filter, shared values.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QVBoxLayout>

#include "common/shared_procedures.h"
#include "controls/events.h"
#include "controls/list_box.h"
#include "controls/text_box.h"
#include "controls/typing.h"
#include "support/fixtures.h"
#include "support/recorder.h"

namespace {

using vtn::test::FileBytes;
QString scratchFile(const QString& name, const QByteArray& content) { return vtn::test::WriteScratchFile(name, content); }

TEST(SharedProcedures, ListFilesSplitAtCommasAndLineEndsWithoutQuotes) {
  const struct { QByteArray content; QStringList items; } cases[] = {
      {"a,b\r\nc\r\n", {"a", "b", "c"}},
      {"a,b\nc", {"a", "b", "c"}},
      {"\"012 07\",\"9 01\"\r\n\"x\"\n", {"012 07", "9 01", "x"}},
      {"\"Thunder, ball\",7\n", {"Thunder, ball", "7"}},
      {"a, b ,\" c \"\n", {"a", "b", " c "}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(vtn::ReadListItems(scratchFile("list.txt", c.content)), c.items) << c.content.constData();

  vtn::ListBox list;
  list.AddItem("kept");
  vtn::LoadListFromFile(scratchFile("list.txt", "\"b\",\"a\"\r\nc\r\n"), list);
  vtn::LoadListFromFile(vtn::test::scratchFolder() + "/missing.txt", list);
  EXPECT_EQ(list.Rows(), QStringList({"kept", "b", "a", "c"}));
  EXPECT_TRUE(vtn::test::recorder().messages.empty());
}

TEST(SharedProcedures, SaveTextReplacesTheFileAndFailsCleanly) {
  const QString path = scratchFile("report.txt", QByteArray(200, 'x'));
  vtn::TextArea area;
  area.setText("Line 1\r\nLine 2");
  EXPECT_TRUE(vtn::SaveTextToFile(path, area));
  EXPECT_EQ(FileBytes(path), "Line 1\r\nLine 2\r\n");

  const QString folder = vtn::test::scratchFolder() + "/DataBases";
  const QString noFolder = vtn::test::scratchFolder() + "/no such folder/report.txt";
  EXPECT_FALSE(vtn::SaveTextToFile(noFolder, area));
  EXPECT_FALSE(QFile::exists(noFolder));
  EXPECT_FALSE(vtn::SaveTextToFile(folder, area));  // a folder is no file
  EXPECT_TRUE(QFileInfo(folder).isDir());
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST(SharedProcedures, RangeBoxesSwapOnlyWhenTheSecondIsLowerAndNotZero) {
  const struct { const char *first, *second, *newFirst, *newSecond; } cases[] = {
      {"12", "5", "5", "12"}, {"07", "3", "3", "7"},   {"5", "0", "5", "0"},     {"05", "12", "05", "12"},
      {"12", "12", "12", "12"}, {"12", "abc", "12", "abc"}, {"2.5", "1", "1", "2"}, {"3.5", "1", "1", "4"},
      {"9.5", "2.25", "2.25", "10"},
  };
  for (const auto& c : cases) {
    vtn::TextBox first, second;
    first.setText(c.first);
    second.setText(c.second);
    QStringList log;
    first.onChange = [&] { log << "first:" + first.Text() + "/" + second.Text(); };
    second.onChange = [&] { log << "second:" + first.Text() + "/" + second.Text(); };
    vtn::OrderRangeBoxes(first, second);
    EXPECT_EQ(first.Text(), c.newFirst) << c.first << " " << c.second;
    EXPECT_EQ(second.Text(), c.newSecond) << c.first << " " << c.second;
    if (QString(c.first) != c.newFirst)
      EXPECT_EQ(log, QStringList({"first:" + QString(c.newFirst) + "/" + c.second,
                                  "second:" + QString(c.newFirst) + "/" + c.newSecond}));
    else
      EXPECT_TRUE(log.isEmpty());
  }
}

TEST(SharedProcedures, DateKeyFilterPassesDateKeysAndBeepsAtOthers) {
  const struct { int key, out, beeps; } cases[] = {
      {'0', '0', 0}, {'9', '9', 0}, {'/', '/', 0}, {8, 8, 0}, {'a', 0, 1}, {'.', 0, 1}, {'-', 0, 1}, {127, 0, 1},
  };
  for (const auto& c : cases) {
    vtn::test::recorder().clear();
    int key = c.key;
    vtn::DateKeyFilter(key);
    EXPECT_EQ(key, c.out) << c.key;
    EXPECT_EQ(vtn::test::recorder().beeps, c.beeps) << c.key;
  }
}

TEST(SharedProcedures, EnterAndSpaceInADateBoxTabOnWithABeep) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* date = new vtn::TextBox;
  auto* next = new vtn::TextBox;
  layout->addWidget(date);
  layout->addWidget(next);
  date->onKeyPress = vtn::DateKeyFilter;
  ASSERT_TRUE(vtn::test::showActive(window));
  for (const auto& [key, text] : {std::pair{Qt::Key_Return, "\r"}, std::pair{Qt::Key_Space, " "}}) {
    date->SetFocus();
    date->setText("");
    vtn::test::recorder().clear();
    vtn::test::typeText(*date, "1/a2");
    vtn::test::pressKey(*date, key, text);
    EXPECT_EQ(date->Text(), "1/2");
    EXPECT_EQ(vtn::test::recorder().beeps, 2);  // the "a" and the Enter or Space
    EXPECT_EQ(QApplication::focusWidget(), date);
    vtn::DoEvents();
    EXPECT_EQ(QApplication::focusWidget(), next);
  }

  // AutoTab moves on only once the box holds something.
  next->setText("");
  vtn::AutoTab(*next);
  vtn::DoEvents();
  EXPECT_EQ(QApplication::focusWidget(), next);
  next->setText("7");
  vtn::AutoTab(*next);
  vtn::DoEvents();
  EXPECT_EQ(QApplication::focusWidget(), date);
}

TEST(SharedProcedures, ClearSharedValuesResetsEverything) {
  vtn::Shared() = {"report", "db", "True", "42", 9};
  vtn::ClearSharedValues();
  EXPECT_EQ(vtn::Shared().ReportText, "");
  EXPECT_EQ(vtn::Shared().CachedDataBaseName, "");
  EXPECT_EQ(vtn::Shared().CachedDateOrder, "");
  EXPECT_EQ(vtn::Shared().Scratch, "0");
  EXPECT_EQ(vtn::Shared().Counter, 0);
}

}  // namespace
