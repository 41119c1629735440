// Message boxes and beeps reach the recorder, so the exact texts can be checked.
#include <gtest/gtest.h>

#include "common/message.h"
#include "support/recorder.h"

namespace {

TEST(Message, BoxesCarryTheTextAndTheProgramTitleByDefault) {
  auto& r = vtn::test::recorder();
  EXPECT_EQ(vtn::MsgBox("Please enter a number  "), vtn::vbOK);
  EXPECT_EQ(vtn::MsgBox("Other", "Perm"), vtn::vbOK);
  r.nextAnswer = vtn::vbNo;
  EXPECT_EQ(vtn::MsgBox("Save?", QString(), vtn::vbYesNo), vtn::vbNo);
  EXPECT_EQ(vtn::MsgBox("Save?", QString(), vtn::vbYesNo), vtn::vbYes);
  ASSERT_EQ(r.messages.size(), 4u);
  EXPECT_EQ(r.messages[0].text, "Please enter a number  ");
  EXPECT_EQ(r.messages[0].title, "VTNv3_8");
  EXPECT_EQ(r.messages[1].title, "Perm");
  EXPECT_EQ(r.messages[2].title, "VTNv3_8");
  vtn::Beep();
  vtn::Beep();
  EXPECT_EQ(r.beeps, 2);
}

}  // namespace
