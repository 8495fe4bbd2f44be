// Vehicle figures at known poses: the reference point at world (1.5, 0.5), the window
// centre, pixel (400, 400); 1 m is 80 pixels at the start scale. Probes sit on the parts
// named, away from their outlines.
#include "scene/vehicle_figure.h"

#include <gtest/gtest.h>

#include <vector>

#include "gl/window.h"
#include "gui_support/frame_pixels.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"
#include "scene/draw_constants.h"

namespace {

constexpr double quarter = circle_pi / 2.0;

struct Probe {
  int x, y;
  Rgb colour;
  const char* part;
};

struct Pose {
  int type;
  double theta, phi;
  std::vector<Probe> probes;
};

class VehicleFigureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_window();
    reset_gui_state();
    app.view.view_scale = view_scale0;
  }
  static void check(const Pose& p, const rgba& colour) {
    app.agv_type = static_cast<AgvType>(p.type);
    frame_begin();
    draw_now([&](DrawList& l) {
      draw_vehicle(l, app.view, app.agv_type, {1.5, 0.5}, p.theta, p.phi, colour);
    });
    const Picture& f = capture_frame();
    for (const Probe& q : p.probes) {
      EXPECT_EQ(f.at(q.x, q.y), q.colour)
          << "type " << p.type << " phi " << p.phi << ": " << q.part << " at " << q.x << "," << q.y;
    }
  }
};

// Type 1: the caster wheel trails its pivot (1.0 m ahead) by 0.2 m in the caster's
// direction: 0.8 m ahead on the centre line at phi = 0, 1.0 m ahead and 0.2 m to the
// right at phi = pi/2, where the body shows again behind the pivot.
TEST_F(VehicleFigureTest, CasterTrailsItsPivot) {
  check({1,
         0.0,
         0.0,
         {{463, 400, white, "caster wheel"},
          {480, 400, white, "pivot"},
          {440, 400, red, "body"},
          {500, 400, red, "nose"},
          {506, 400, white, "beyond the nose tip (1.2887 m)"},
          {400, 400, white, "reference dot"}}},
        color_red);
  check({1,
         0.0,
         quarter,
         {{480, 383, white, "caster wheel"},
          {463, 400, red, "body behind the pivot"},
          {500, 400, red, "nose: the body does not steer"}}},
        color_red);
  check({1, quarter, 0.0, {{400, 463, white, "caster wheel ahead"}, {400, 440, blue, "body"}}},
        color_blue);
}

// Type 2: the front motor beside the wheel turns with it. At phi = pi/2 it lies behind
// the wheel, 0.72 .. 0.88 m ahead and -0.08 .. 0.08 m to the side; at phi = 0 to its left.
TEST_F(VehicleFigureTest, FrontMotorOfFrontDriveTurnsWithTheWheel) {
  check({2,
         0.0,
         quarter,
         {{464, 400, white, "motor"},
          {458, 400, black, "motor's rear side"},
          {470, 400, black, "motor's front side"},
          {455, 400, red, "body behind the motor"},
          {480, 400, white, "wheel over the pivot"}}},
        color_red);
  check({2, 0.0, 0.0, {{480, 416, white, "motor on the wheel's left"}}}, color_red);
}

// The rear axle lies under the body for type 2 (only its ends show) and across it for
// type 3, whose drive unit sits on the reference point with its motor ahead.
TEST_F(VehicleFigureTest, RearAxleUnderOrOverTheBody) {
  check({2, 0.0, 0.0, {{400, 441, black, "axle end"}, {400, 420, red, "body over the axle"}}},
        color_red);
  check({3,
         0.0,
         0.0,
         {{400, 441, black, "axle end"},
          {400, 420, black, "axle over the body"},
          {409, 400, black, "motor shaft"},
          {419, 400, white, "rear motor"},
          {404, 396, black, "drive unit diagonal"},
          {480, 400, white, "front wheel"}}},
        color_red);
}

}  // namespace
