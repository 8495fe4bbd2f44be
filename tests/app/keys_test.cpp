// Keys of the window: their effect on the settings and the view, and the redraw at once.
#include "app/keys.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <functional>

#include "app/playback.h"
#include "gui_support/frame_pixels.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"
#include "scene/chart_layout.h"
#include "sim/trajectory_store.h"
#include "support/scripted_console.h"

namespace {

constexpr Rgb green{0, 255, 0};

class KeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_window();
    restart();
  }
  static void restart() {
    reset_gui_state();
    app.view.view_scale = view_scale0;
    for (int t = 0; t < agv_type_count; ++t) {
      store.traj_last[t] = 10 + t;
      store.traj_tend[t] = 0.2;
      store.chart_range[t] = 1.0;
    }
    app.agv_type = static_cast<AgvType>(1);
    app.step = 6;
  }
  // Paints the back buffer green, so that a frame drawn into it afterwards shows.
  static void paint_back_buffer_green() {
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
  }
  static bool frame_was_drawn() {
    const Picture& f = capture_frame();
    return count_in(f, green, 0, 0, frame_size - 1, frame_size - 1) == 0 &&
           count_in(f, white, 0, 0, frame_size - 1, frame_size - 1) > 0;
  }
};

struct KeyCase {
  unsigned char key;
  std::function<bool()> effect;
  bool redraws;
};

TEST_F(KeysTest, EachKeyChangesItsStateAndRedrawsAtOnce) {
  const double s0 = view_scale0;
  const KeyCase cases[] = {
      {'2', [] { return app.agv_type == static_cast<AgvType>(2) && app.step == 0; }, true},
      {'3', [] { return app.agv_type == static_cast<AgvType>(3) && app.step == 0; }, true},
      {'1', [] { return app.agv_type == static_cast<AgvType>(1) && app.step == 0; }, true},
      {'s', [] { return app.step == 9; }, true},
      {'0', [] { return app.step == 0; }, true},
      {'x', [] { return app.view.view_dx == -0.05 && app.view.view_dy == 0.0; }, true},
      {'X', [] { return app.view.view_dx == 0.05; }, true},
      {'y', [] { return app.view.view_dy == -0.05 && app.view.view_dx == 0.0; }, true},
      {'Y', [] { return app.view.view_dy == 0.05; }, true},
      {'w', [s0] { return app.view.view_scale == s0 * 0.9; }, true},
      {'W', [s0] { return app.view.view_scale == s0 / 0.9; }, true},
      {'q', [] { return app.step == 6 && app.agv_type == static_cast<AgvType>(1); }, false},
  };
  for (const KeyCase& c : cases) {
    restart();
    paint_back_buffer_green();
    on_key(app, c.key);
    EXPECT_EQ(app.last_key, static_cast<char>(c.key));
    EXPECT_TRUE(c.effect()) << "key " << c.key;
    EXPECT_EQ(frame_was_drawn(), c.redraws) << "key " << c.key;
  }
}

TEST_F(KeysTest, StepStopsAtTheLastRecordOfTheShownType) {
  const struct {
    int type, step, after;
  } cases[] = {{1, 2, 5}, {1, 7, 10}, {1, 9, 10}, {1, 10, 10}, {3, 10, 12}, {2, -5, 0}};
  for (const auto& c : cases) {
    app.agv_type = static_cast<AgvType>(c.type);
    app.step = c.step;
    on_key(app, 's');
    EXPECT_EQ(app.step, c.after) << "type " << c.type << " from " << c.step;
  }
}

TEST_F(KeysTest, TenZoomsOutThenTenInGiveTheScaleBack) {
  for (int i = 0; i < 10; ++i) on_key(app, 'w');
  EXPECT_NEAR(app.view.view_scale, view_scale0 * 0.3486784401, 1e-12);
  for (int i = 0; i < 10; ++i) on_key(app, 'W');
  EXPECT_NEAR(app.view.view_scale, view_scale0, 1e-15);
}

// 'c' and 'e' go back to the console dialogue with step 0 and draw nothing themselves; the
// scripted console has no input, so the dialogue stops at its first read.
TEST_F(KeysTest, DialogueKeysResetTheStepAndDoNotRedraw) {
  for (unsigned char key : {'c', 'e'}) {
    restart();
    paint_back_buffer_green();
    ScriptedConsole console;
    EXPECT_THROW(on_key(app, key), input_ended) << key;
    EXPECT_EQ(app.last_key, static_cast<char>(key));
    EXPECT_EQ(app.step, 0);
    EXPECT_FALSE(frame_was_drawn()) << key;
  }
}

// Zoom keys stop silently at 1e-4 and 1e4 times the default scale and come back from there.
// 88 presses of 'w' reach the smallest scale from the default, 175 of 'W' the largest from
// there; each press redraws, so a few more than that are enough and quick.
TEST_F(KeysTest, ZoomIsHeldToItsRange) {
  for (int i = 0; i < 100; ++i) on_key(app, 'w');
  EXPECT_EQ(app.view.view_scale, min_view_scale);
  on_key(app, 'W');
  EXPECT_GT(app.view.view_scale, min_view_scale);
  for (int i = 0; i < 200; ++i) on_key(app, 'W');
  EXPECT_EQ(app.view.view_scale, max_view_scale);
}

// Space plays from the step shown, from the start once the motion has ended, and pauses;
// '+' and '-' stop at x8 and x1/4; the keys that set the step keep it playing from there.
TEST_F(KeysTest, SpaceAndSpeedKeys) {
  on_key(app, ' ');
  EXPECT_TRUE(app.playback.playing);
  EXPECT_EQ(app.step, 6);
  on_key(app, ' ');
  EXPECT_FALSE(app.playback.playing);
  app.step = 10;  // the last record of type 1
  on_key(app, ' ');
  EXPECT_TRUE(app.playback.playing);
  EXPECT_EQ(app.step, 0);
  for (int i = 0; i < 9; ++i) on_key(app, '+');
  EXPECT_STREQ(speed_name(app.playback.speed), "x8");
  for (int i = 0; i < 9; ++i) on_key(app, '-');
  EXPECT_STREQ(speed_name(app.playback.speed), "x1/4");
  on_key(app, 's');
  EXPECT_TRUE(app.playback.playing);
  EXPECT_EQ(app.playback.anchor_step, 3);
  stop_playback(app);
}

// One record per dt_sim at x1, held to the last record.
TEST(Playback, StepFollowsTheClock) {
  Playback p{true, normal_speed, 100.0, 5, false};
  EXPECT_EQ(played_step(p, 100.0, 0.02, 50), 5);
  EXPECT_EQ(played_step(p, 100.0199, 0.02, 50), 5);
  EXPECT_EQ(played_step(p, 100.2001, 0.02, 50), 15);
  EXPECT_EQ(played_step(p, 99.0, 0.02, 50), 5);  // a clock that went back
  EXPECT_EQ(played_step(p, 1e9, 0.02, 50), 50);
  p.speed = 0;  // x1/4
  EXPECT_EQ(played_step(p, 100.2001, 0.02, 50), 7);
}

// 'i' shows or hides the status line; 'h' shows the key list, and the next key only closes
// it, ESC too; 'f' brings the motion and both path ends into the free area left of the panel.
TEST_F(KeysTest, StatusLineKeyListAndFit) {
  const bool shown = app.status_shown;
  on_key(app, 'i');
  EXPECT_EQ(app.status_shown, !shown);
  on_key(app, 'h');
  EXPECT_TRUE(app.help_shown);
  on_key(app, 'x');
  EXPECT_FALSE(app.help_shown);
  EXPECT_EQ(app.view.view_dx, 0.0);
  on_key(app, '?');
  on_key(app, 27);  // the list says any key closes it: ESC closes it, and the program goes on
  EXPECT_FALSE(app.help_shown);

  for (int j = 0; j <= 10; ++j) {  // type 1: 10 m along x at y = 2 m, out under the panel
    store.cp_traj[0][j] = {0, 0, j * 1.0, 2.0, 0, 0, 0};
    store.agv_traj[0][j] = store.err_traj[0][j] = store.cp_traj[0][j];
  }
  app.result.path.start_point = {0.0, 2.0};
  app.result.path.end_point = {10.0, 2.0};
  on_key(app, 'f');
  for (const point2d& p : {app.result.path.start_point, app.result.path.end_point}) {
    const point2d v = world_to_view(app.view, p);
    EXPECT_GT(v.x, -1.0);
    EXPECT_LT(v.x, chart_panel_left - 1.3 * app.view.view_scale);  // the vehicle's reach
    EXPECT_NEAR(v.y, -0.13, 1e-9);  // the middle of the area between status line and legend
  }
}

TEST_F(KeysTest, EscapeEndsTheProgramWithStatusZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(on_key(app, 27), ::testing::ExitedWithCode(0), "");
}

}  // namespace
