// The frame of the window: background, panel, text colour, the key list over it.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "gl/window.h"
#include "gui_support/frame_pixels.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"

namespace {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_window();
    reset_gui_state();
    app.view.view_scale = view_scale0;
  }
};

TEST_F(WindowTest, BackgroundIsWhiteAndThePanelCoversTheRightFromPointThreeFive) {
  on_display(app);
  const Picture& f = capture_frame();
  // A grid cell away from the vehicles (which stand at the world origin, pixel (280, 360)):
  // the grid lines are 80 pixels apart, at x = 280 + 80 i and y = 360 + 80 j.
  EXPECT_EQ(count_in(f, white, 290, 130, 350, 190), 61 * 61);
  // Grid lines stop at x = 0.35 (pixel 540); the charts leave the strip below y = -0.3 bare.
  EXPECT_TRUE(near(f, black, 520, 100));
  EXPECT_EQ(count_in(f, white, 541, 0, 799, 6), 259 * 7);
  EXPECT_EQ(count_in(f, black, 541, 0, 555, 799), 0);
}

// Before any primitive has run, lighting is still off and the raster colour is the current
// colour; afterwards lighting is on and the raster colour is the lit near-black. The text
// is the same 0.04 grey (10 of 255) either way, whatever colour was current.
TEST_F(WindowTest, TextIsNearBlackWithLightingOffAsInTheFirstFrameAndOn) {
  for (bool lit : {false, true}) {
    if (lit)
      glEnable(GL_LIGHTING);
    else
      glDisable(GL_LIGHTING);
    glColor4f(0.0f, 1.0f, 0.0f, 1.0f);
    on_display(app);
    const Picture& f = capture_frame();
    // The title row left of the grid line at x = 40: text and white only.
    const int text = count_in(f, text_colour, 0, 778, 38, 796);
    EXPECT_GT(text, 30) << "lit " << lit;
    EXPECT_EQ(text + count_in(f, white, 0, 778, 38, 796), 39 * 19) << "lit " << lit;
  }
}

}  // namespace

namespace {

// The key list lies over the middle of the frame, on a box that hides the grid lines there.
TEST_F(WindowTest, KeyListOverTheMiddleOfTheFrame) {
  on_display(app);
  const int grid = count_in(capture_frame(), black, 300, 350, 500, 450);
  app.help_shown = true;
  on_display(app);
  app.help_shown = false;
  EXPECT_GT(grid, 300);
  EXPECT_EQ(count_in(capture_frame(), black, 300, 350, 500, 450), 0);
}

}  // namespace
