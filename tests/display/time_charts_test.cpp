// Time charts: axes, ticks and labels for a known duration and range, curves and dots.
#include <gtest/gtest.h>

#include <cmath>

#include "gl/window.h"
#include "gui_support/frame_pixels.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"
#include "sim/trajectory_store.h"

namespace {

// The x(t) chart's origin (0.4, 0.68) is pixel (560, 672), its time axis 200 pixels long
// and its half height 120 pixels; the y(t) chart's origin is pixel (560, 420).
constexpr int xt_px = 560;
constexpr int xt_py = 672;

class TimeChartsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_window();
    reset_gui_state();
    app.view.view_scale = view_scale0;
    app.view.view_dx = -3.0;  // the scene out of the way
    app.agv_type = static_cast<AgvType>(1);
  }
  // Type 1 with n + 1 records: the motion without error at x = 0.75, y = -0.75 (chart
  // pixels 708 and 384), the erroneous one at x = 0.25 (684), its deviation 0.25 (five
  // times: pixel 732), the reference at 0; range 2.5 m.
  static void fill(int n, double t_end) {
    for (int i = 0; i <= n; ++i) {
      store.agv_traj[0][i].x = 0.75;
      store.agv_traj[0][i].y = -0.75;
      store.err_traj[0][i].x = 0.25;
      store.err_dev[0][i].x = 0.25;
    }
    store.traj_last[0] = n;
    store.traj_tend[0] = t_end;
    store.chart_range[0] = 2.5;
  }
  // Centres of the runs of black pixels in one row between two columns.
  static int black_runs(const Picture& f, int row, int x0, int x1, double* centres) {
    int n = 0;
    for (int x = x0; x <= x1; ++x) {
      if (!(f.at(x, row) == black) || f.at(x - 1, row) == black) continue;
      int end = x;
      while (end + 1 <= x1 && f.at(end + 1, row) == black) ++end;
      centres[n++] = (x + end + 1) / 2.0;
    }
    return n;
  }
};

// 7.5 s: ticks at 1 s .. 7 s, every 200 / 7.5 pixels, the label "7s" under the seventh;
// 23.4 s: 23 ticks and "23s" 0.02 (8 pixels) further left of the 23rd.
TEST_F(TimeChartsTest, SecondTicksAndTheirLabel) {
  const struct {
    double t_end;
    int ticks;
    double label_x;
  } cases[] = {{7.5, 7, xt_px + 7 * 200 / 7.5}, {23.4, 23, xt_px + 23 * 200 / 23.4 - 8}};
  for (const auto& c : cases) {
    fill(100, c.t_end);
    on_display(app);
    const Picture& f = capture_frame();
    double centres[64];
    // Row 677: above the 2.4-pixel time axis, below the tick tops at 680.
    ASSERT_EQ(black_runs(f, 677, xt_px + 3, xt_px + 197, centres), c.ticks) << c.t_end;
    for (int i = 0; i < c.ticks; ++i) {
      EXPECT_NEAR(centres[i], xt_px + (i + 1) * 200 / c.t_end, 1.0) << c.t_end << " tick " << i;
    }
    EXPECT_TRUE(near(f, black, xt_px + 200, xt_py + 100));  // right border, full height
    Box label;
    ASSERT_TRUE(bounds_of(f, text_colour, {735, 655, 799, 669}, label)) << c.t_end;
    EXPECT_GE(label.x0, c.label_x - 0.5) << c.t_end;
    EXPECT_LE(label.x0, c.label_x + 2) << c.t_end;
    EXPECT_LE(label.y0, 660) << c.t_end;  // on the baseline 0.03 below the axis
  }
}

// Range 2.5 m: value ticks at -2 .. 2 m, 48 pixels apart; the labels 1 and -1 at +-1 m.
TEST_F(TimeChartsTest, ValueTicksAndLabels) {
  fill(100, 7.5);
  on_display(app);
  const Picture& f = capture_frame();
  for (int i = -2; i <= 2; ++i) EXPECT_TRUE(near(f, black, 565, xt_py + 48 * i)) << i;
  for (int row : {xt_py - 72, xt_py - 24, xt_py + 24, xt_py + 72}) {
    EXPECT_EQ(count_in(f, black, 563, row - 2, 567, row + 2), 0) << row;
  }
  Box one;
  Box minus_one;
  ASSERT_TRUE(bounds_of(f, text_colour, {540, 712, 558, 730}, one));
  ASSERT_TRUE(bounds_of(f, text_colour, {530, 612, 558, 630}, minus_one));
  EXPECT_NEAR(one.y0, 714, 1);        // O.y + 0.12 - 0.015
  EXPECT_NEAR(minus_one.y0, 618, 1);  // O.y - 0.12 - 0.015
  EXPECT_GE(one.x0, 548);
  EXPECT_GE(minus_one.x0, 540);
}

TEST_F(TimeChartsTest, CurvesAtTheirScaledHeights) {
  fill(100, 7.5);
  on_display(app);
  const Picture& f = capture_frame();
  for (int x : {600, 650, 700, 740}) {
    EXPECT_TRUE(near(f, red, x, xt_py + 36)) << x;   // 0.75 m * 0.12 * 400
    EXPECT_TRUE(near(f, blue, x, xt_py + 12)) << x;  // 0.25 m
    EXPECT_TRUE(near(f, blue, x, xt_py + 60)) << x;  // 5 * 0.25 m, thin
    EXPECT_TRUE(near(f, red, x, 420 - 36)) << x;     // y(t): -0.75 m
  }
}

// A value at the half height (the largest CP coordinate) is left out, and a five-fold
// deviation beyond it leaves a gap.
TEST_F(TimeChartsTest, SegmentsAtOrBeyondTheHalfHeightAreLeftOut) {
  fill(100, 7.5);
  for (int i = 0; i <= 100; ++i) {
    store.agv_traj[0][i].y = 2.5;
    if (i > 50) store.err_dev[0][i].x = 0.6;
  }
  on_display(app);
  const Picture& f = capture_frame();
  EXPECT_EQ(count_in(f, red, 566, 420 + 100, 754, 420 + 125), 0);
  EXPECT_GT(count_in(f, blue, 566, xt_py + 55, 655, xt_py + 65), 0);
  EXPECT_EQ(count_in(f, blue, 665, xt_py + 40, 754, xt_py + 125), 0);
}

}  // namespace
