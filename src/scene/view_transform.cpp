#include "scene/view_transform.h"

#include <cmath>

View default_view() {
  return {view_scale0, 0.0, 0.0, -1.5, -0.5};
}

point2d world_to_view(const View& view, const point2d& world) {
  return {(world.x + view.world_off_x) * view.view_scale + view.view_dx,
          (world.y + view.world_off_y) * view.view_scale + view.view_dy};
}

bool drawable(const point2d& p) {
  constexpr double limit = 1.0e6;
  return std::isfinite(p.x) && std::isfinite(p.y) && std::fabs(p.x) < limit &&
         std::fabs(p.y) < limit;
}
