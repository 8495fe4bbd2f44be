#include "app/pointer.h"

#include <algorithm>

#include "app/app_state.h"
#include "display/picture_box.h"

namespace {

constexpr double wheel_factor = 0.9;  // as 'w' and 'W'

// Window units of a pixel of the window.
point2d window_point(const AppState& state, int x, int y) {
  const PictureBox box = picture_box(state.window_width, state.window_height);
  const double half = box.side > 0 ? box.side / 2.0 : 1.0;
  const double up = state.window_height - y;  // from the bottom
  return {(x - box.x) / half - 1.0, (up - box.y) / half - 1.0};
}

}  // namespace

void on_mouse_button(AppState& state, MouseButton button, bool pressed, int x, int y) {
  switch (button) {
    case MouseButton::left:
      state.dragging = pressed;
      state.drag_x = x;
      state.drag_y = y;
      return;
    case MouseButton::wheel_up:
    case MouseButton::wheel_down: {
      if (!pressed) return;  // the wheel's release follows each press at once
      View& v = state.view;
      const double scale = std::clamp(button == MouseButton::wheel_up ? v.view_scale / wheel_factor
                                                                      : v.view_scale * wheel_factor,
                                      min_view_scale, max_view_scale);
      // The world point under the pointer stays there.
      const point2d p = window_point(state, x, y);
      const double ratio = scale / v.view_scale;
      v.view_dx = p.x - (p.x - v.view_dx) * ratio;
      v.view_dy = p.y - (p.y - v.view_dy) * ratio;
      v.view_scale = scale;
      on_display(state);
      return;
    }
    case MouseButton::other:
      return;
  }
}

void on_mouse_drag(AppState& state, int x, int y) {
  if (!state.dragging) return;
  const point2d from = window_point(state, state.drag_x, state.drag_y);
  const point2d to = window_point(state, x, y);
  state.drag_x = x;
  state.drag_y = y;
  if (to.x == from.x && to.y == from.y) return;
  state.view.view_dx += to.x - from.x;
  state.view.view_dy += to.y - from.y;
  on_display(state);
}
