#include "scene/scene_layers.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "scene/batches.h"
#include "scene/chart_layout.h"
#include "scene/grid.h"
#include "scene/layer_image.h"
#include "scene/marks.h"
#include "scene/rect.h"
#include "scene/retained_list.h"
#include "scene/trail.h"
#include "scene/vehicle_figure.h"

namespace {

constexpr int grid_lines = 40;  // metres each way from the world origin

RetainedList grid_list;

// The trails are kept as images that grow with the step: a frame of playback adds only
// the dots of the records since the last frame.
struct KeptTrail {
  LayerImage image;
  int drawn = -1;  // the last record in the image
};
KeptTrail kept_trails[2];

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

std::uint64_t trail_image_key(const PartKey& base, const traj_rec* records, int n) {
  PartKey key = base;
  key.add_positions(records, n);
  return key.value();
}

// The pixels of the viewport that the dots of records[a..b] may colour.
void dots_box(const View& view, const traj_rec* records, int a, int b, int side, int* box) {
  const double half = side / 2.0;
  const double reach = mark_radius * half + 2.0;
  box[0] = box[1] = side;
  box[2] = box[3] = 0;
  for (int i = a; i <= b; ++i) {
    const point2d c = world_to_view(view, {records[i].x, records[i].y});
    if (!drawable(c)) continue;
    const double px = (c.x + 1.0) * half;
    const double py = (c.y + 1.0) * half;
    box[0] =
        std::min(box[0], static_cast<int>(std::clamp(std::floor(px - reach), 0.0, double(side))));
    box[1] =
        std::min(box[1], static_cast<int>(std::clamp(std::floor(py - reach), 0.0, double(side))));
    box[2] =
        std::max(box[2], static_cast<int>(std::clamp(std::ceil(px + reach), 0.0, double(side))));
    box[3] =
        std::max(box[3], static_cast<int>(std::clamp(std::ceil(py + reach), 0.0, double(side))));
  }
}

void prepare_trail(KeptTrail& kept, const View& view, const traj_rec* records, int n,
                   const rgba& colour) {
  if (LayerImage::viewport_side() == 0) return;
  const PartKey base = trail_key(view, colour);
  const std::uint64_t key = trail_image_key(base, records, n);
  if (kept.image.holds(key)) return;
  const int from = kept.drawn + 1;
  if (kept.drawn >= 0 && kept.drawn < n &&
      kept.image.holds(trail_image_key(base, records, kept.drawn))) {
    int box[4];
    dots_box(view, records, from, n, LayerImage::viewport_side(), box);
    if (kept.image.add(key, box[0], box[1], box[2], box[3], [&] {
          draw_trail(view, records + from, n - from, colour, chart_panel_left);
        })) {
      kept.drawn = n;
      return;
    }
  }
  const bool made =
      kept.image.prepare(key, [&] { draw_trail(view, records, n, colour, chart_panel_left); });
  kept.drawn = made ? n : -1;
}

void trail(int which, const View& view, const traj_rec* records, int n, const rgba& colour) {
  const KeptTrail& kept = kept_trails[which];
  if (kept.drawn == n && kept.image.holds(trail_image_key(trail_key(view, colour), records, n))) {
    kept.image.draw();
    return;
  }
  draw_trail(view, records, n, colour, chart_panel_left);
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

void prepare_scene(const SceneInput& in) {
  if (!in.store) return;
  const TrajectoryStore& store = *in.store;
  const int t = type_index(in.type);
  const int n = std::clamp(in.step, 0, last_record(in));
  prepare_trail(kept_trails[0], in.view, store.agv_traj[t], n, color_red);
  prepare_trail(kept_trails[1], in.view, store.err_traj[t], n, color_blue);
}

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
