// The mouse in the window: the wheel zooms about the pointer, a drag moves the scene.
#include "app/pointer.h"

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"

namespace {

// The world point (metres) at a window point of the view.
point2d world_at(const View& v, const point2d& p) {
  return {(p.x - v.view_dx) / v.view_scale - v.world_off_x,
          (p.y - v.view_dy) / v.view_scale - v.world_off_y};
}

TEST(Pointer, WheelZoomsAboutThePointerAndDragMovesTheScene) {
  ensure_window();
  reset_gui_state();
  app.view.view_scale = view_scale0;
  const point2d pointer{0.5, 0.5};  // pixel (600, 200) of the 800 x 800 window
  const point2d under = world_at(app.view, pointer);
  on_mouse_button(app, MouseButton::wheel_up, true, 600, 200);
  on_mouse_button(app, MouseButton::wheel_up, false, 600, 200);  // the release does nothing
  EXPECT_DOUBLE_EQ(app.view.view_scale, view_scale0 / 0.9);
  EXPECT_NEAR(world_at(app.view, pointer).x, under.x, 1e-12);
  EXPECT_NEAR(world_at(app.view, pointer).y, under.y, 1e-12);
  app.view.view_scale = min_view_scale;
  on_mouse_button(app, MouseButton::wheel_down, true, 600, 200);
  EXPECT_EQ(app.view.view_scale, min_view_scale);  // held there, as 'w' holds it

  const View before = app.view;
  on_mouse_drag(app, 500, 500);  // no button held
  EXPECT_EQ(app.view.view_dx, before.view_dx);
  on_mouse_button(app, MouseButton::left, true, 100, 100);
  on_mouse_drag(app, 140, 120);  // 40 pixels right, 20 down: 0.1 and -0.05 window units
  on_mouse_button(app, MouseButton::left, false, 140, 120);
  on_mouse_drag(app, 300, 300);
  EXPECT_DOUBLE_EQ(app.view.view_dx, before.view_dx + 0.1);
  EXPECT_DOUBLE_EQ(app.view.view_dy, before.view_dy - 0.05);
}

}  // namespace
