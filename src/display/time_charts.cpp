#include "display/time_charts.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "display/chart_parts.h"
#include "scene/circles.h"
#include "scene/part_key.h"
#include "scene/view_transform.h"

namespace {

constexpr double curve_width = 0.008;
constexpr double error_width = 0.003;
constexpr double end_dot_radius = 0.01;
constexpr double step_dot_radius = 0.006;

bool positive_finite(double v) {
  return std::isfinite(v) && v > 0.0;
}

void dot(DrawList& list, const point2d& c, double radius, const rgba& colour) {
  if (drawable(c)) fill_disc(list, c, radius, colour);
}

void chart_labels(DrawList& list, const point2d& o, const char* title, const char* axis,
                  const TextStyle& style) {
  draw_text(list, o.x + 0.1, o.y - 0.05, style.font, title);
  draw_text(list, o.x + 0.11, o.y + 0.2, style.font, "red:No AGVerror");
  draw_text(list, o.x + 0.11, o.y + 0.15, style.font, "blue: AGVerror");
  draw_text(list, o.x - 0.1, o.y + 0.27, style.font, axis);
  draw_text(list, o.x + 0.25, o.y + 0.05, style.small_font, "thin line:5*error");
}

void unchanging_parts(DrawList& list, const TrajectoryStore& store, int k, int n,
                      const TextStyle& style) {
  chart_labels(list, xt_origin, "x(t) and error", "x[m]", style);
  chart_labels(list, yt_origin, "y(t) and error", "y[m]", style);
  const double range = store.chart_range[k];
  chart_axes(list, xt_origin, 1.0, store.traj_tend[k], range, style);
  chart_axes(list, yt_origin, 1.0, store.traj_tend[k], range, style);

  const double ys = chart_half_height / range;
  if (!positive_finite(range) || !positive_finite(ys)) return;
  const double ys5 = 5.0 * ys;
  const traj_rec* cp = store.cp_traj[k];
  const traj_rec* agv = store.agv_traj[k];
  const traj_rec* err = store.err_traj[k];
  const traj_rec* dev = store.err_dev[k];
  const point2d& xo = xt_origin;
  const point2d& yo = yt_origin;

  dot(list, {xo.x, xo.y + ys * cp[0].x}, end_dot_radius, color_red);
  dot(list, {xo.x + chart_width, xo.y + ys * cp[n].x}, end_dot_radius, color_red);
  dot(list, {yo.x, yo.y + ys * cp[0].y}, end_dot_radius, color_red);
  dot(list, {yo.x + chart_width, yo.y + ys * cp[n].y}, end_dot_radius, color_red);

  const double xs = n > 0 ? chart_width / n : 0.0;
  chart_curve(list, n, xo, xs, ys, curve_width, color_red, agv, &traj_rec::x);
  chart_curve(list, n, xo, xs, ys, curve_width, color_blue, err, &traj_rec::x);
  chart_curve(list, n, yo, xs, ys, curve_width, color_red, agv, &traj_rec::y);
  chart_curve(list, n, yo, xs, ys, curve_width, color_blue, err, &traj_rec::y);
  chart_curve(list, n, xo, xs, ys5, error_width, color_blue, dev, &traj_rec::x);
  chart_curve(list, n, yo, xs, ys5, error_width, color_blue, dev, &traj_rec::y);
}

int last_record(const TrajectoryStore& store, int k) {
  return std::clamp(store.traj_last[k], 0, MAX - 1);
}

}  // namespace

std::uint64_t chart_lines_key(const TrajectoryStore& store, AgvType type, const TextStyle& style) {
  const int k = type_index(type);
  const int n = last_record(store, k);
  PartKey key;
  for (const FontId f : {style.font, style.small_font}) {
    key.add(static_cast<long long>(f.bitmap)).add(static_cast<double>(f.px));
  }
  key.add(store.chart_range[k]).add(store.traj_tend[k]);
  key.add_positions(store.cp_traj[k], n).add_positions(store.agv_traj[k], n);
  key.add_positions(store.err_traj[k], n).add_positions(store.err_dev[k], n);
  return key.value();
}

void draw_charts(DrawList& list, const TrajectoryStore& store, AgvType type, int step,
                 const TextStyle& style) {
  draw_chart_lines(list, store, type, style);
  draw_chart_dots(list, store, type, step);
}

void draw_chart_lines(DrawList& list, const TrajectoryStore& store, AgvType type,
                      const TextStyle& style) {
  const int k = type_index(type);
  unchanging_parts(list, store, k, last_record(store, k), style);
}

void draw_chart_dots(DrawList& list, const TrajectoryStore& store, AgvType type, int step) {
  const int k = type_index(type);
  const int n = last_record(store, k);
  const int s = std::clamp(step, 0, n);

  const double range = store.chart_range[k];
  const double ys = chart_half_height / range;
  if (!positive_finite(range) || !positive_finite(ys)) return;
  const double xs = n > 0 ? chart_width / n : 0.0;
  const double h = s * xs;
  const point2d& xo = xt_origin;
  const point2d& yo = yt_origin;
  const traj_rec* cp = store.cp_traj[k];
  const traj_rec* agv = store.agv_traj[k];
  const traj_rec* err = store.err_traj[k];
  for (const traj_rec* r : {cp, agv, err}) {
    dot(list, {xo.x + h, xo.y + ys * r[s].x}, step_dot_radius, color_black);
  }
  for (const traj_rec* r : {cp, agv, err}) {
    dot(list, {yo.x + h, yo.y + ys * r[s].y}, step_dot_radius, color_black);
  }
}
