#include "control/startup.h"

#include <gtest/gtest.h>

#include "control/settings.h"
#include "path/path_constants.h"
#include "sim/random_state.h"
#include "support/program_state.h"
#include "support/scripted_console.h"

namespace {

// What the program holds between its start and the first dialogue, whatever ran before.
TEST(Startup, SetsEveryStartValue) {
  reset_program_state();
  settings.SLIP = 0.7;
  settings.agv_type = 3;
  paths.cosine_A = 9.0;
  view.view_dx = 0.3;
  random_state.lcg_state = 12345;  // a program start never continues an old sequence

  ScriptedConsole console;
  startup();
  EXPECT_EQ(console.output(), "\nランダム変換表読み込み完了");
  EXPECT_EQ(random_state.lcg_state, 1u);
  EXPECT_EQ(settings.ds, 0.02);
  EXPECT_EQ(settings.SLIP, 0.05);
  EXPECT_EQ(settings.RearWHeelerr_L, 0.0);
  EXPECT_EQ(settings.tread_err, settings.tread);
  EXPECT_EQ(settings.wheel_base_err, settings.wheel_base);
  EXPECT_EQ(settings.path_no, 1);
  EXPECT_EQ(settings.agv_type, 2);
  EXPECT_EQ(settings.last_key, '0');
  EXPECT_EQ(settings.run_count, 0);
  EXPECT_EQ(paths.cosine_A, 0.5);
  EXPECT_EQ(paths.path_end_param[1], 2.0);
  EXPECT_NEAR(paths.path_length[1], 2.92739094483, 1e-10);
  EXPECT_EQ(paths.ellipse_AA, 4.0);
  EXPECT_NEAR(paths.spiral_a, 1.0 / (2 * 3.14159265358979), 1e-16);
  EXPECT_EQ(view.view_scale, 0.0);
  EXPECT_EQ(view.view_dx, 0.0);
  EXPECT_EQ(view.world_off_x, -1.5);
  EXPECT_EQ(view.world_off_y, -0.5);
  EXPECT_EQ(view.xt_chart_org.y, 0.65);
  EXPECT_EQ(view.yt_chart_org.y, 0.0);
}

}  // namespace
