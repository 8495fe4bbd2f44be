#include "display/time_charts.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "display/chart_parts.h"
#include "display/text.h"
#include "scene/circles.h"
#include "scene/view_transform.h"

namespace {

void* const font = GLUT_BITMAP_HELVETICA_18;
void* const small_font = GLUT_BITMAP_HELVETICA_12;

constexpr double curve_width = 0.008;
constexpr double error_width = 0.003;
constexpr double end_dot_radius = 0.01;
constexpr double step_dot_radius = 0.006;

bool positive_finite(double v) {
  return std::isfinite(v) && v > 0.0;
}

void dot(const point2d& c, double radius, const rgba& colour) {
  if (drawable(c)) fill_disc(c, radius, colour);
}

void chart_labels(const point2d& o, const char* title, const char* axis) {
  draw_text(o.x + 0.1, o.y - 0.05, font, title);
  draw_text(o.x + 0.11, o.y + 0.2, font, "red:No AGVerror");
  draw_text(o.x + 0.11, o.y + 0.15, font, "blue: AGVerror");
  draw_text(o.x - 0.1, o.y + 0.27, font, axis);
  draw_text(o.x + 0.25, o.y + 0.05, small_font, "thin line:5*error");
}

}  // namespace

void draw_charts(const TrajectoryStore& store, AgvType type, int step) {
  chart_labels(xt_origin, "x(t) and error", "x[m]");
  chart_labels(yt_origin, "y(t) and error", "y[m]");
  const int k = type_index(type);
  const int n = std::clamp(store.traj_last[k], 0, MAX - 1);
  const int s = std::clamp(step, 0, n);
  const double range = store.chart_range[k];
  chart_axes(xt_origin, 1.0, store.traj_tend[k], range);
  chart_axes(yt_origin, 1.0, store.traj_tend[k], range);

  const double ys = chart_half_height / range;
  if (!positive_finite(range) || !positive_finite(ys)) return;
  const double ys5 = 5.0 * ys;
  const traj_rec* cp = store.cp_traj[k];
  const traj_rec* agv = store.agv_traj[k];
  const traj_rec* err = store.err_traj[k];
  const traj_rec* dev = store.err_dev[k];
  const point2d& xo = xt_origin;
  const point2d& yo = yt_origin;

  dot({xo.x, xo.y + ys * cp[0].x}, end_dot_radius, color_red);
  dot({xo.x + chart_width, xo.y + ys * cp[n].x}, end_dot_radius, color_red);
  dot({yo.x, yo.y + ys * cp[0].y}, end_dot_radius, color_red);
  dot({yo.x + chart_width, yo.y + ys * cp[n].y}, end_dot_radius, color_red);

  const double xs = n > 0 ? chart_width / n : 0.0;
  chart_curve(n, xo, xs, ys, curve_width, color_red, agv, &traj_rec::x);
  chart_curve(n, xo, xs, ys, curve_width, color_blue, err, &traj_rec::x);
  chart_curve(n, yo, xs, ys, curve_width, color_red, agv, &traj_rec::y);
  chart_curve(n, yo, xs, ys, curve_width, color_blue, err, &traj_rec::y);
  chart_curve(n, xo, xs, ys5, error_width, color_blue, dev, &traj_rec::x);
  chart_curve(n, yo, xs, ys5, error_width, color_blue, dev, &traj_rec::y);

  const double h = s * xs;
  for (const traj_rec* r : {cp, agv, err}) {
    dot({xo.x + h, xo.y + ys * r[s].x}, step_dot_radius, color_black);
  }
  for (const traj_rec* r : {cp, agv, err}) {
    dot({yo.x + h, yo.y + ys * r[s].y}, step_dot_radius, color_black);
  }
}
