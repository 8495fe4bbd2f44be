#include "scene/scene_layers.h"

#include <GL/gl.h>

#include <algorithm>

#include "scene/batches.h"
#include "scene/chart_layout.h"
#include "scene/grid.h"
#include "scene/marks.h"
#include "scene/rect.h"
#include "scene/retained_list.h"
#include "scene/trail.h"
#include "scene/vehicle_figure.h"

namespace {

constexpr int grid_lines = 40;  // metres each way from the world origin

// A trail is retained in pieces of this many records; the records of the current step
// beyond the last whole piece are drawn directly.
constexpr int trail_piece = 64;
constexpr int trail_pieces = MAX / trail_piece + 1;

RetainedList grid_list;
RetainedList trail_lists[2][trail_pieces];

void grid(const View& view) {
  const double s = view.view_scale;
  const point2d o{s * view.world_off_x + view.view_dx, s * view.world_off_y + view.view_dy};
  if (drawable(o) && drawable({s, s})) draw_grid(o, 0.0, grid_lines, s, s);
}

// What a trail dot's pixels depend on besides its record: the view, the viewport (which
// decides the vertices sent), the colour and how the runs are sent.
PartKey trail_key(const View& view, const rgba& colour) {
  GLint vp[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vp);
  PartKey key;
  key.add(view).add(vp, sizeof vp).add(&colour, sizeof colour);
  key.add(static_cast<long long>(batch_runs)).add(chart_panel_left);
  return key;
}

void trail(int which, const View& view, const traj_rec* records, int n, const rgba& colour) {
  const PartKey base = trail_key(view, colour);
  const int whole = (n + 1) / trail_piece;
  for (int p = 0; p < whole; ++p) {
    const traj_rec* piece = records + p * trail_piece;
    PartKey key = base;
    key.add_positions(piece, trail_piece - 1);
    trail_lists[which][p].draw(
        key.value(), [&] { draw_trail(view, piece, trail_piece - 1, colour, chart_panel_left); });
  }
  const int done = whole * trail_piece;
  if (done <= n) draw_trail(view, records + done, n - done, colour, chart_panel_left);
}

void motions(const SceneInput& in) {
  const TrajectoryStore& store = *in.store;
  const int t = type_index(in.type);
  const int last = std::clamp(store.traj_last[t], 0, MAX - 1);
  const int n = std::clamp(in.step, 0, last);
  const traj_rec& a = store.agv_traj[t][n];
  const traj_rec& e = store.err_traj[t][n];
  trail(0, in.view, store.agv_traj[t], n, color_red);
  draw_vehicle(in.view, in.type, {a.x, a.y}, a.theta, store.wheel_traj[t][n].delta, color_red);
  trail(1, in.view, store.err_traj[t], n, color_blue);
  draw_vehicle(in.view, in.type, {e.x, e.y}, e.theta, e.delta, color_blue);
}

int last_record(const SceneInput& in) {
  return std::clamp(in.store->traj_last[type_index(in.type)], 0, MAX - 1);
}

}  // namespace

void draw_scene(const SceneInput& in) {
  draw_scene_below(in);
  draw_scene_above(in);
}

void draw_scene_below(const SceneInput& in) {
  grid_list.draw(PartKey().add(in.view).value(), [&] { grid(in.view); });
  if (in.store) motions(in);
}

void draw_scene_above(const SceneInput& in) {
  if (in.store) {
    draw_path_line(in.view, in.store->cp_traj[type_index(in.type)], last_record(in), color_red);
  }
  mark_point(in.view, in.path_start, color_black);
  mark_point(in.view, in.path_end, color_black);
  fill_rect({chart_panel_left, yt_origin.y - 5.0}, 2.0, 10.0, 0.0, color_white);
}

std::uint64_t scene_above_key(const SceneInput& in) {
  PartKey key;
  key.add(in.view).add(static_cast<long long>(batch_runs));
  key.add(&in.path_start, sizeof in.path_start).add(&in.path_end, sizeof in.path_end);
  if (in.store) key.add_positions(in.store->cp_traj[type_index(in.type)], last_record(in));
  return key.value();
}
