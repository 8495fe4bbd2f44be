// Frames from a store that no successful computation leaves behind: nothing may crash,
// loop without end, or hand a non-finite number to GL, and the frame is still drawn.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "gl/window.h"
#include "gui_support/frame_pixels.h"
#include "gui_support/gl_value_guard.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"
#include "gui_support/sample_motion.h"
#include "sim/trajectory_store.h"

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

class DegenerateFramesTest : public ::testing::Test {
 protected:
  void SetUp() override { ensure_window(); }
  // A sound motion of 200 records shown half way, then the case's damage.
  static void prepare(const std::function<void()>& damage) {
    reset_gui_state();
    app.view.view_scale = view_scale0;
    app.scenario.error.kind = static_cast<ErrorKind>('3');
    fill_sample_motion(200);
    app.agv_type = static_cast<AgvType>(1);
    app.step = 100;
    damage();
  }
};

struct Case {
  const char* name;
  std::function<void()> damage;
};

TEST_F(DegenerateFramesTest, DrawSaneFramesWithoutNonFiniteValues) {
  const Case cases[] = {
      {"empty store", [] { clear_store(); }},
      {"one record",
       [] {
         store.traj_last[0] = 0;
         app.step = 0;
       }},
      {"no duration", [] { store.traj_tend[0] = 0.0; }},
      {"NaN duration", [] { store.traj_tend[0] = nan; }},
      {"endless duration", [] { store.traj_tend[0] = 1e300; }},
      {"no range", [] { store.chart_range[0] = 0.0; }},
      {"NaN range", [] { store.chart_range[0] = nan; }},
      {"denormal range", [] { store.chart_range[0] = 1e-320; }},
      {"huge range", [] { store.chart_range[0] = 1e300; }},
      {"NaN records",
       [] {
         for (traj_rec* r : {&store.agv_traj[0][3], &store.err_traj[0][100], &store.cp_traj[0][0],
                             &store.err_dev[0][7]}) {
           r->x = nan;
           r->theta = nan;
         }
         store.wheel_traj[0][100].delta = nan;
       }},
      {"infinite records",
       [] {
         store.agv_traj[0][100].y = inf;
         store.cp_traj[0][200].x = -inf;
         store.err_traj[0][50].x = 1e300;
       }},
      {"last record beyond the store", [] { store.traj_last[0] = 1 << 30; }},
      {"step below zero", [] { app.step = -40; }},
      {"path beyond the table", [] { app.result.path_no = 99; }},
      {"NaN path marker", [] { app.result.path.start_point.x = nan; }},
      {"no error chosen, huge error sizes",
       [] {
         app.scenario.error.kind = static_cast<ErrorKind>('1');
         app.result.errors.RearWHeelerr_L = 1e300;
         app.result.errors.RearWHeelerr_R = -nan;
       }},
      {"scale before the first computation", [] { app.view.view_scale = 0.0; }},
  };
  for (const Case& c : cases) {
    prepare(c.damage);
    reset_gl_value_guard();
    on_display(app);
    EXPECT_EQ(nonfinite_gl_values(), 0) << c.name;
    const Picture& f = capture_frame();
    EXPECT_EQ(f.at(799, 0), white) << c.name;  // the panel's corner
    EXPECT_EQ(f.at(799, 799), white) << c.name;
  }
}

// Ticks closer than a pixel are not drawn (no black band, and no loop over them).
TEST_F(DegenerateFramesTest, TooManyTicksAreLeftOut) {
  prepare([] {
    store.traj_tend[0] = 5e5;
    store.chart_range[0] = 1e6;
  });
  on_display(app);
  const Picture& f = capture_frame();
  EXPECT_LT(count_in(f, black, 565, 677, 755, 677), 5);  // second ticks
  EXPECT_LT(count_in(f, black, 565, 580, 565, 660), 5);  // value ticks
}

}  // namespace
