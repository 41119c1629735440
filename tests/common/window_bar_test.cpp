// The window bar's buttons: open is light grey and enabled, closed darker grey and disabled.
#include <gtest/gtest.h>

#include "common/window_bar.h"

namespace {

TEST(WindowBar, ButtonsStartClosedAndMarkOpenAndClosed) {
  vtn::WindowBar& bar = vtn::WindowBar::instance();
  for (vtn::Label* button : {bar.Label1, bar.Label6, bar.Label2, bar.Label3, bar.Label4, bar.Label5}) {
    EXPECT_FALSE(vtn::WindowBar::IsOpen(*button));
    vtn::WindowBar::MarkOpen(*button);
    EXPECT_EQ(button->BackColor(), 0xE0E0E0u);
    EXPECT_TRUE(button->Enabled());
    EXPECT_TRUE(vtn::WindowBar::IsOpen(*button));
    vtn::WindowBar::MarkClosed(*button);
    EXPECT_EQ(button->BackColor(), 0xC0C0C0u);
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(vtn::WindowBar::IsOpen(*button));
  }
}

}  // namespace
