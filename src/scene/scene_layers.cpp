#include "scene/scene_layers.h"

#include <algorithm>

#include "scene/chart_layout.h"
#include "scene/grid.h"
#include "scene/marks.h"
#include "scene/rect.h"
#include "scene/trail.h"
#include "scene/vehicle_figure.h"

namespace {

constexpr int grid_lines = 40;  // metres each way from the world origin

void grid(const View& view) {
  const double s = view.view_scale;
  const point2d o{s * view.world_off_x + view.view_dx, s * view.world_off_y + view.view_dy};
  if (drawable(o) && drawable({s, s})) draw_grid(o, 0.0, grid_lines, s, s);
}

void motions(const SceneInput& in) {
  const TrajectoryStore& store = *in.store;
  const int t = type_index(in.type);
  const int last = std::clamp(store.traj_last[t], 0, MAX - 1);
  const int n = std::clamp(in.step, 0, last);
  const traj_rec& a = store.agv_traj[t][n];
  const traj_rec& e = store.err_traj[t][n];
  draw_trail(in.view, store.agv_traj[t], n, color_red, chart_panel_left);
  draw_vehicle(in.view, in.type, {a.x, a.y}, a.theta, store.wheel_traj[t][n].delta, color_red);
  draw_trail(in.view, store.err_traj[t], n, color_blue, chart_panel_left);
  draw_vehicle(in.view, in.type, {e.x, e.y}, e.theta, e.delta, color_blue);
  draw_path_line(in.view, store.cp_traj[t], last, color_red);
}

}  // namespace

void draw_scene(const SceneInput& in) {
  grid(in.view);
  if (in.store) motions(in);
  mark_point(in.view, in.path_start, color_black);
  mark_point(in.view, in.path_end, color_black);
  fill_rect({chart_panel_left, yt_origin.y - 5.0}, 2.0, 10.0, 0.0, color_white);
}
