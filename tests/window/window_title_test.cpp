// The window's title, as the window system holds it.
#include <gtest/gtest.h>

#include "gui_support/gui_window.h"
#include "gui_support/window_property.h"
#include "platform/catalogue.h"

namespace {

class WindowTitleTest : public ::testing::Test {
 protected:
  void SetUp() override { ensure_window(); }
};

TEST_F(WindowTitleTest, TitleIsSetAsUtf8Name) {
  const WindowProperty name = read_window_property("_NET_WM_NAME");
  EXPECT_EQ(name.type, "UTF8_STRING");
  EXPECT_EQ(name.bytes, tr(Msg::window_title));
  EXPECT_EQ(name.bytes.substr(0, 6), "1,2,3:");
  EXPECT_EQ(name.bytes.substr(6, 12), "\u6a5f\u69cb\u9078\u629e");  // 機構選択
}

}  // namespace
