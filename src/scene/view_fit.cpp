#include "scene/view_fit.h"

#include <algorithm>
#include <cmath>

namespace {

void take(Box& box, bool& any, double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  if (!any) {
    box = {x, y, x, y};
    any = true;
    return;
  }
  box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x), std::max(box.y1, y)};
}

}  // namespace

bool motion_box(const TrajectoryStore& store, AgvType type, const point2d& start,
                const point2d& end, Box* box) {
  const int t = type_index(type);
  const int last = std::clamp(store.traj_last[t], 0, MAX - 1);
  bool any = false;
  for (const traj_rec* records : {store.cp_traj[t], store.agv_traj[t], store.err_traj[t]}) {
    for (int i = 0; i <= last; ++i) take(*box, any, records[i].x, records[i].y);
  }
  take(*box, any, start.x, start.y);
  take(*box, any, end.x, end.y);
  return any;
}

View fit_view(const View& view, const Box& world, double margin, const Box& area) {
  const double w = world.x1 - world.x0 + 2.0 * margin;
  const double h = world.y1 - world.y0 + 2.0 * margin;
  double scale = std::min((area.x1 - area.x0) / w, (area.y1 - area.y0) / h);
  if (!std::isfinite(scale)) scale = max_view_scale;
  scale = std::clamp(scale, min_view_scale, max_view_scale);
  View v = view;
  v.view_scale = scale;
  // The middle of the box goes to the middle of the area.
  const double cx = 0.5 * (world.x0 + world.x1);
  const double cy = 0.5 * (world.y0 + world.y1);
  v.view_dx = 0.5 * (area.x0 + area.x1) - (cx + view.world_off_x) * scale;
  v.view_dy = 0.5 * (area.y0 + area.y1) - (cy + view.world_off_y) * scale;
  return v;
}
