#include "scene/scene_layers.h"

#include <algorithm>

#include "control/settings.h"
#include "path/path_constants.h"
#include "scene/primitives.h"
#include "scene/trail.h"
#include "scene/vehicle_figure.h"
#include "scene/view_transform.h"
#include "sim/trajectory_store.h"

namespace {

constexpr int grid_lines = 40;  // metres each way from the world origin

void grid() {
  const double s = view.view_scale;
  const point2d o{s * view.world_off_x + view.view_dx, s * view.world_off_y + view.view_dy};
  if (drawable(o) && drawable({s, s})) draw_grid(o, 0.0, grid_lines, s, s);
}

// Left edge of the white panel that covers the scene right of the charts' origin.
double panel_left() {
  return view.yt_chart_org.x - 0.05;
}

void motions(int t) {
  const int last = std::clamp(store.traj_last[t], 0, MAX - 1);
  const int n = std::clamp(settings.step, 0, last);
  const traj_rec& a = store.agv_traj[t][n];
  const traj_rec& e = store.err_traj[t][n];
  draw_trail(store.agv_traj[t], n, color_red, panel_left());
  draw_vehicle({a.x, a.y}, a.theta, store.wheel_traj[t][n].delta, color_red);
  draw_trail(store.err_traj[t], n, color_blue, panel_left());
  draw_vehicle({e.x, e.y}, e.theta, e.delta, color_blue);
  draw_path_line(store.cp_traj[t], last, color_red);
}

void path_markers() {
  const int i = settings.path_no;
  if (i < 0 || i >= path_index_size) return;
  mark_point(paths.path_start_point[i], color_black);
  mark_point(paths.path_end_point[i], color_black);
}

}  // namespace

void draw_scene() {
  grid();
  const int type = settings.agv_type;
  if (type >= 1 && type <= agv_type_count) motions(type - 1);
  path_markers();
  fill_rect({panel_left(), view.yt_chart_org.y - 5.0}, 2.0, 10.0, 0.0, color_white);
}
