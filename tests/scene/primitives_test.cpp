// Drawing primitives, drawn alone into a cleared frame: sizes in pixels.
#include "scene/circles.h"
#include "scene/grid.h"
#include "scene/lines.h"
#include "scene/marks.h"
#include "scene/rect.h"
#include "scene/stadium.h"

#include <gtest/gtest.h>

#include "gl/window.h"
#include "gui_support/frame_pixels.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"
#include "scene/draw_constants.h"

namespace {

class PrimitivesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_window();
    reset_gui_state();
    app.view.view_scale = view_scale0;
    frame_begin();
  }
};

// World (1.5, 0.5) is the window centre, a pixel corner: a dot of radius 3.2 pixels covers
// the 32 pixel centres within that distance, 6 pixels across. The trail dot keeps that
// size at every zoom; the reference dot (0.04 m) grows with it.
TEST_F(PrimitivesTest, TrailDotsKeepTheirSizeReferenceDotsScale) {
  const struct {
    double scale;
    int trail_pixels, reference_width;
  } cases[] = {{0.2, 32, 6}, {0.2 / 0.81, 32, 8}, {0.2 * 0.81, 32, 6}};
  for (const auto& c : cases) {
    app.view.view_scale = c.scale;
    frame_begin();
    draw_now([&](DrawList& l) { mark_point(l, app.view, {1.5, 0.5}, color_red); });
    const Picture& f = capture_frame();
    Box box;
    ASSERT_TRUE(bounds_of(f, red, {380, 380, 420, 420}, box));
    EXPECT_EQ(count_in(f, red, 380, 380, 420, 420), c.trail_pixels) << c.scale;
    EXPECT_EQ(box.x0, 397);
    EXPECT_EQ(box.x1, 402);
    frame_begin();
    draw_now([&](DrawList& l) { mark_point_r(l, app.view, {1.5, 0.5}, 0.04, color_blue); });
    ASSERT_TRUE(bounds_of(capture_frame(), blue, {380, 380, 420, 420}, box));
    EXPECT_EQ(box.x1 - box.x0 + 1, c.reference_width) << c.scale;
  }
}

// A horizontal line through pixel row 400.25: 3.2 pixels wide covers rows 399..401,
// 3.95 pixels (0.04 m after two zooms in) also row 398.
TEST_F(PrimitivesTest, WideLineWidthIsWindowUnitsTimesFourHundred) {
  const double y = 0.25 / 400.0;
  const struct {
    double width;
    int rows;
  } cases[] = {{0.008, 3}, {0.04 * 0.2 / 0.81, 4}, {0.0025, 1}};
  for (const auto& c : cases) {
    frame_begin();
    draw_now([&](DrawList& l) { draw_wide_line(l, {-0.5, y}, {0.5, y}, c.width, color_black); });
    EXPECT_EQ(count_in(capture_frame(), black, 400, 0, 400, 799), c.rows) << c.width;
  }
}

// Start angle -90 degrees, clockwise: the half behind a pivot facing +x, that is x < 0.
TEST_F(PrimitivesTest, HalfDiscCoversClockwiseFromItsStartAngle) {
  draw_now([](DrawList& l) { fill_half_disc(l, {0.0, 0.0}, 0.05, -circle_pi / 2.0, color_blue); });
  const Picture& f = capture_frame();
  EXPECT_EQ(f.at(390, 400), blue);
  EXPECT_EQ(f.at(385, 410), blue);
  EXPECT_EQ(f.at(410, 400), white);
  EXPECT_EQ(f.at(405, 390), white);
}

}  // namespace
