// Gathered runs (trail dots, CP line, chart curves) against one primitive at a time: every
// pixel of the frame must be the same.
#include <gtest/gtest.h>

#include "gl/window.h"
#include "gui_support/frame_pixels.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"
#include "gui_support/sample_motion.h"
#include "sim/trajectory_store.h"

namespace {

Picture plain;
Picture batched;

int differing_pixels() {
  app.renderer.options.batch_runs = false;
  on_display(app);
  capture(plain);
  app.renderer.options.batch_runs = true;
  on_display(app);
  capture(batched);
  int n = 0;
  for (int y = 0; y < frame_size; ++y) {
    for (int x = 0; x < frame_size; ++x) n += plain.at(x, y) == batched.at(x, y) ? 0 : 1;
  }
  return n;
}

class BatchedRunsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_window();
    reset_gui_state();
    app.view.view_scale = view_scale0;
    app.scenario.error.kind = static_cast<ErrorKind>('0');
    fill_sample_motion(MAX - 1);
    app.step = MAX - 1;
  }
  void TearDown() override {
    app.renderer.options.batch_runs = true;
    app.renderer.options.retain_layers = true;
    on_reshape(frame_size, frame_size);
  }
};

TEST_F(BatchedRunsTest, HeaviestFrameIsTheSameForEveryType) {
  for (int type = 1; type <= 3; ++type) {
    app.agv_type = static_cast<AgvType>(type);
    EXPECT_EQ(differing_pixels(), 0) << "type " << type;
  }
}

// Dots fall on every kind of sub-pixel position when the scene is shifted by odd fractions
// of a pixel and zoomed; the trail dots keep their size, so only their positions vary.
// Dots outside the window or under the chart panel are not sent at all.
TEST_F(BatchedRunsTest, SubPixelShiftsAndZoomsChangeNoPixel) {
  app.step = 1500;
  for (int k = 0; k < 12; ++k) {
    app.view.view_dx = 0.000731 * k;
    app.view.view_dy = -0.000419 * k;
    app.view.view_scale = view_scale0 * (1.0 + 0.0137 * k);
    EXPECT_EQ(differing_pixels(), 0) << "shift " << k;
  }
  // Zoomed in and shifted so that the trails run out of the window on two sides.
  app.view.view_dx = -0.55;
  app.view.view_dy = 0.4;
  app.view.view_scale = view_scale0 / 0.9 / 0.9 / 0.9;
  EXPECT_EQ(differing_pixels(), 0) << "trails leaving the window";
}

// Off the square viewport the dots are sent whole; in a viewport smaller than the window
// the pixel grid is coarser. Both must match too.
TEST_F(BatchedRunsTest, OtherViewportsChangeNoPixel) {
  on_reshape(800, 600);
  EXPECT_EQ(differing_pixels(), 0) << "800 x 600";
  on_reshape(523, 523);
  EXPECT_EQ(differing_pixels(), 0) << "523 x 523";
}

// What is kept from frame to frame (grid list, trail images that grow with the step, the
// image of CP line and charts) against drawing everything anew: the same pixels, through
// playback forwards, a step back, a change of view and type, and another window size.
int differing_from_direct() {
  app.renderer.options.retain_layers = true;
  on_display(app);
  capture(batched);
  app.renderer.options.retain_layers = false;
  on_display(app);
  capture(plain);
  app.renderer.options.retain_layers = true;
  int n = 0;
  for (int y = 0; y < frame_size; ++y) {
    for (int x = 0; x < frame_size; ++x) n += plain.at(x, y) == batched.at(x, y) ? 0 : 1;
  }
  return n;
}

TEST_F(BatchedRunsTest, KeptLayersChangeNoPixel) {
  app.agv_type = static_cast<AgvType>(2);
  for (int step : {0, 1, 2, 5, 64, 65, 700, 2999, 1500, 1501}) {
    app.step = step;
    EXPECT_EQ(differing_from_direct(), 0) << "step " << step;
  }
  app.view.view_dx = -0.31;
  app.view.view_scale = view_scale0 / 0.9;
  EXPECT_EQ(differing_from_direct(), 0) << "moved and zoomed";
  app.agv_type = static_cast<AgvType>(3);
  EXPECT_EQ(differing_from_direct(), 0) << "type 3";
  app.status_shown = false;
  EXPECT_EQ(differing_from_direct(), 0) << "no status line";
  on_reshape(800, 600);
  EXPECT_EQ(differing_from_direct(), 0) << "800 x 600";
}

}  // namespace
