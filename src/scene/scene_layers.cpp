#include "scene/scene_layers.h"

#include <algorithm>

#include "scene/chart_layout.h"
#include "scene/grid.h"
#include "scene/marks.h"
#include "scene/part_key.h"
#include "scene/rect.h"
#include "scene/trail.h"
#include "scene/vehicle_figure.h"

namespace {

constexpr int grid_lines = 40;  // metres each way from the world origin

void grid(DrawList& list, const View& view) {
  const double s = view.view_scale;
  const point2d o{s * view.world_off_x + view.view_dx, s * view.world_off_y + view.view_dy};
  if (drawable(o) && drawable({s, s})) draw_grid(list, o, 0.0, grid_lines, s, s);
}

// A trail grows by a few dots each frame of playback while its key, what its dots' places
// depend on besides the records, stays the same.
std::uint64_t trail_key(const View& view, const rgba& colour) {
  PartKey key;
  key.add(view).add(&colour, sizeof colour).add(chart_panel_left);
  return key.value();
}

int last_record(const SceneInput& in) {
  return std::clamp(in.store->traj_last[type_index(in.type)], 0, MAX - 1);
}

void motion(DrawList& list, PartId trail_part, PartId vehicle_part, const SceneInput& in,
            const traj_rec* records, double delta, const rgba& colour) {
  const int n = std::clamp(in.step, 0, last_record(in));
  list.begin_part(trail_part, Retain::grows, trail_key(in.view, colour));
  draw_trail(list, in.view, records, n, colour, chart_panel_left);
  list.end_part();
  list.begin_part(vehicle_part, Retain::none, 0);
  const traj_rec& r = records[n];
  draw_vehicle(list, in.view, in.type, {r.x, r.y}, r.theta, delta, colour);
  list.end_part();
}

}  // namespace

void compose_scene_below(DrawList& list, const SceneInput& in) {
  list.begin_part(PartId::grid, Retain::stays, PartKey().add(in.view).value());
  grid(list, in.view);
  list.end_part();
  if (!in.store) return;
  const TrajectoryStore& store = *in.store;
  const int t = type_index(in.type);
  if (in.ghost) {
    const int last = std::clamp(in.ghost->traj_last[t], 0, MAX - 1);
    list.begin_part(PartId::ghost, Retain::none, 0);
    draw_trail(list, in.view, in.ghost->err_traj[t], std::clamp(in.step, 0, last), color_ghost,
               chart_panel_left);
    list.end_part();
  }
  const int n = std::clamp(in.step, 0, last_record(in));
  motion(list, PartId::red_trail, PartId::red_vehicle, in, store.agv_traj[t],
         store.wheel_traj[t][n].delta, color_red);
  motion(list, PartId::blue_trail, PartId::blue_vehicle, in, store.err_traj[t],
         store.err_traj[t][n].delta, color_blue);
}

void compose_scene_above(DrawList& list, const SceneInput& in) {
  if (in.store) {
    draw_path_line(list, in.view, in.store->cp_traj[type_index(in.type)], last_record(in),
                   color_red);
  }
  mark_point(list, in.view, in.path_start, color_black);
  mark_point(list, in.view, in.path_end, color_black);
  fill_rect(list, {chart_panel_left, yt_origin.y - 5.0}, 2.0, 10.0, 0.0, color_white);
}

std::uint64_t scene_above_key(const SceneInput& in) {
  PartKey key;
  key.add(in.view);
  key.add(&in.path_start, sizeof in.path_start).add(&in.path_end, sizeof in.path_end);
  if (in.store) key.add_positions(in.store->cp_traj[type_index(in.type)], last_record(in));
  return key.value();
}

void compose_scene(DrawList& list, const SceneInput& in) {
  compose_scene_below(list, in);
  list.begin_part(PartId::upper, Retain::stays, scene_above_key(in));
  compose_scene_above(list, in);
  list.end_part();
}
