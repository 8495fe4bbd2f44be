// Title and legend: where their text lands, and which value text is drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "gl/window.h"
#include "gui_support/frame_pixels.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"

namespace {

class CaptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_window();
    reset_gui_state();
    app.view.view_scale = view_scale0;
    app.view.view_dy = -2.0;  // moves the grid and the vehicles out of the legend's way
    app.agv_type = static_cast<AgvType>(1);
    app.result.path_no = 13;
  }
  // The text pixels of one line: ink from a little below the baseline to cap height.
  static bool line_ink(const Picture& f, double x, double y, int x_to, Box& ink) {
    const int px = static_cast<int>(to_px(x));
    const int py = static_cast<int>(to_px(y));
    return bounds_of(f, text_colour, {px - 6, py - 3, x_to, py + 12}, ink);
  }
};

// Bitmap glyphs start at the raster position, their baseline on its row; the first glyph
// may begin a pixel or two to the right (its side bearing).
TEST_F(CaptionsTest, TitleAndLegendLinesStartAtTheirPositions) {
  app.scenario.error.kind = static_cast<ErrorKind>('1');
  on_display(app);
  const Picture& f = capture_frame();
  const struct {
    double x, y;
  } lines[] = {{-0.99, 0.95}, {-0.95, 0.9}, {-0.95, 0.85}, {-0.9, 0.8},
               {-0.65, 0.8},  {-0.9, 0.75}, {-0.9, 0.7},   {-0.9, 0.65}};
  for (const auto& l : lines) {
    Box ink;
    ASSERT_TRUE(line_ink(f, l.x, l.y, static_cast<int>(to_px(l.x)) + 40, ink)) << l.x << l.y;
    EXPECT_GE(ink.x0, to_px(l.x) - 0.5) << l.x << ", " << l.y;
    EXPECT_LE(ink.x0, to_px(l.x) + 3) << l.x << ", " << l.y;
  }
  Box title;
  ASSERT_TRUE(line_ink(f, -0.99, 0.95, 399, title));
  EXPECT_EQ(title.y0, 780);  // no descenders in the title: its lowest ink is the baseline
}

// The value text stands at x0 + 0.7 for rear wheel errors (pixel 300), x0 + 0.61 for
// front wheel and slip errors (264), x0 + 0.62 for the drift (268), x0 + 0.65 for
// WheelBase and Tread (280). Changing the error sizes changes only pixels from there on,
// beginning with the first digit after '(' or the sign position; with no error nothing.
TEST_F(CaptionsTest, ValueTextStandsAfterTheCaptionOnlyForErrorsWithASize) {
  const struct {
    char kind;
    int value_px;  // 0 for no value text
  } cases[] = {{'0', 0}, {'1', 300}, {'2', 264}, {'3', 268}, {'4', 280}, {'5', 264}};
  static Picture before;
  for (const auto& c : cases) {
    app.scenario.error.kind = static_cast<ErrorKind>(c.kind);
    for (double* v :
         {&app.result.errors.RearWHeelerr_L, &app.result.errors.RearWHeelerr_R,
          &app.result.errors.FronWHeelerr, &app.result.errors.steer_drift, &app.result.errors.WBerr,
          &app.result.errors.TRerr, &app.result.errors.SLIP}) {
      *v = 0.05;
    }
    on_display(app);
    capture(before);
    for (double* v :
         {&app.result.errors.RearWHeelerr_L, &app.result.errors.FronWHeelerr,
          &app.result.errors.steer_drift, &app.result.errors.WBerr, &app.result.errors.SLIP}) {
      *v = 0.47;
    }
    on_display(app);
    const Picture& after = capture_frame();
    Box changed{frame_size, frame_size, -1, -1};
    for (int y = 0; y < frame_size; ++y) {
      for (int x = 0; x < frame_size; ++x) {
        if (before.at(x, y) == after.at(x, y)) continue;
        changed = {std::min(changed.x0, x), std::min(changed.y0, y), std::max(changed.x1, x),
                   std::max(changed.y1, y)};
      }
    }
    if (c.value_px == 0) {
      EXPECT_EQ(changed.x1, -1) << c.kind;
      continue;
    }
    EXPECT_GE(changed.x0, c.value_px) << c.kind;
    EXPECT_LE(changed.x0, c.value_px + 16) << c.kind;
    EXPECT_GE(changed.y0, 736) << c.kind;  // on the error line only
    EXPECT_LE(changed.y1, 755) << c.kind;
  }
}

}  // namespace
