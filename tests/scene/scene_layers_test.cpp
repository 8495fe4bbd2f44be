// The scene's layers at the start view: world (x, y) m lies at pixel
// (400 + 80 (x - 1.5), 400 + 80 (y - 0.5)).
#include "scene/scene_layers.h"

#include <gtest/gtest.h>

#include "gl/window.h"
#include "gui_support/frame_pixels.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"
#include "scene/draw_constants.h"
#include "sim/trajectory_store.h"

namespace {

constexpr double far_away = -50.0;  // m: off the window

void put(traj_rec& r, double x, double y, double theta = 0.0) {
  r.x = x;
  r.y = y;
  r.theta = theta;
}

class SceneLayersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_window();
    reset_gui_state();
    app.view.view_scale = view_scale0;
    app.agv_type = static_cast<AgvType>(1);
    app.result.path_no = 2;
    app.result.path.start_point = {far_away, far_away};
    app.result.path.end_point = {far_away, far_away};
    for (int i = 0; i < 8; ++i) {
      put(store.agv_traj[0][i], far_away, far_away);
      put(store.err_traj[0][i], far_away, far_away);
      put(store.cp_traj[0][i], far_away, far_away);
    }
    store.traj_last[0] = 7;
  }
  static Picture& draw() {
    frame_begin();
    draw_now([](DrawList& l) { compose_scene(l, app_frame(app).scene); });
    static Picture f;
    capture(f);
    return f;
  }
};

// Black lines at every whole metre (x = 280 + 80 i), none on the panel right of x = 540.
TEST_F(SceneLayersTest, GridLinesAtWholeMetres) {
  const Picture& f = draw();
  for (int x = 40; x <= 520; x += 80) EXPECT_TRUE(near(f, black, x, 100)) << x;
  EXPECT_EQ(count_in(f, black, 50, 100, 110, 100), 0);
  for (int y = 40; y <= 760; y += 80) EXPECT_TRUE(near(f, black, 100, y)) << y;
  EXPECT_EQ(count_in(f, white, 541, 0, 799, 799), 259 * 800);
}

// The red line through every CP point over the whole motion, whatever the step; hidden
// by the panel beyond x = 0.35 (world x 3.25 m).
TEST_F(SceneLayersTest, CpLineThroughItsPointsUpToThePanel) {
  for (int i = 0; i <= 7; ++i) put(store.cp_traj[0][i], 0.0 + i, -2.0);  // pixel row 200
  app.step = 0;
  const Picture& f = draw();
  for (int x : {285, 330, 400, 470, 535}) EXPECT_EQ(f.at(x, 200), red) << x;
  EXPECT_EQ(count_in(f, red, 0, 190, 275, 210), 0);
  EXPECT_EQ(count_in(f, red, 541, 0, 799, 799), 0);
}

// Black dots of radius 3.2 pixels at the path's start and end.
TEST_F(SceneLayersTest, PathMarkersAtStartAndEnd) {
  app.result.path.start_point = {0.5, -3.5};  // pixel (320, 80)
  app.result.path.end_point = {2.5, -3.5};    // pixel (480, 80)
  const Picture& f = draw();
  EXPECT_EQ(count_in(f, black, 310, 70, 330, 90), 32);
  EXPECT_EQ(count_in(f, black, 470, 70, 490, 90), 32);
}

// One dot per record up to the step; the vehicle stands at the step's record (pointing
// down here, so that it covers neither neighbour).
TEST_F(SceneLayersTest, TrailDotsUpToTheStepOnly) {
  put(store.agv_traj[0][0], 0.5, -2.5);                    // pixel (320, 160)
  put(store.agv_traj[0][1], 2.5, -2.5);                    // pixel (480, 160)
  put(store.agv_traj[0][2], 1.5, -2.5, -circle_pi / 2.0);  // the vehicle, pixel (400, 160)
  put(store.agv_traj[0][3], 0.5, -1.5);                    // pixel (320, 240): after the step
  app.step = 2;
  const Picture& f = draw();
  EXPECT_EQ(count_in(f, red, 310, 150, 330, 170), 32);
  EXPECT_EQ(count_in(f, red, 470, 150, 490, 170), 32);
  EXPECT_EQ(count_in(f, red, 310, 230, 330, 250), 0);
  EXPECT_EQ(f.at(400, 150), red);  // body
}

// With the step beyond the last record (which the keys never allow) the scene reads no
// further than the last record: the same picture as at the last record.
TEST_F(SceneLayersTest, StepBeyondTheLastRecordShowsTheLastRecord) {
  for (int i = 0; i <= 7; ++i) put(store.agv_traj[0][i], 0.2 * i, -1.0);
  put(store.agv_traj[0][8], 3.0, 2.0);  // never shown: after the last record
  app.step = 7;
  static Picture at_last;
  at_last = draw();
  for (int step : {8, 5000}) {
    app.step = step;
    const Picture& f = draw();
    int differ = 0;
    for (int y = 0; y < frame_size; ++y) {
      for (int x = 0; x < frame_size; ++x) differ += f.at(x, y) == at_last.at(x, y) ? 0 : 1;
    }
    EXPECT_EQ(differ, 0) << step;
  }
}

}  // namespace
