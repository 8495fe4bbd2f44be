// The curves and the axes of one time chart.
#include <cmath>

#include "display/chart_parts.h"
#include "display/label_digits.h"
#include "display/text.h"
#include "scene/batches.h"
#include "scene/chart_layout.h"
#include "scene/lines.h"
#include "scene/view_transform.h"

namespace {

constexpr double axis_width = 0.006;
constexpr double tick_length = 0.02;
// Ticks closer than a pixel would merge into a bar: the time axis is 200 pixels long and
// the half height 120, so beyond these counts no tick is drawn.
constexpr long long max_second_ticks = 200;
constexpr long long max_value_ticks = 120;
// A longer duration cannot be scaled onto the axis usefully (and keeps N in range).
constexpr double max_duration = 1.0e6;

bool positive_finite(double v) {
  return std::isfinite(v) && v > 0.0;
}

void text_at(DrawList& list, const point2d& p, FontId font, const char* text) {
  if (drawable(p)) draw_text(list, p.x, p.y, font, text);
}

void second_ticks(DrawList& list, const point2d& o, double t_end, FontId font) {
  if (!positive_finite(t_end) || t_end >= max_duration) return;
  const double tx = chart_width / t_end;
  const auto n = static_cast<long long>(t_end);
  if (n <= max_second_ticks) {
    for (long long i = 1; i <= n; ++i) {
      draw_line(list, {o.x + i * tx, o.y}, {o.x + i * tx, o.y + tick_length}, color_black);
    }
  }
  // Under the last tick; each digit beyond the first moves it 0.02 further left.
  const double x = n > 0 ? o.x + n * tx : o.x + chart_width;
  label_text seconds_text;
  const int digits = seconds_label(seconds_text, n);
  text_at(list, {x - 0.02 * (digits - 1), o.y - 0.03}, font, seconds_text);
}

void value_ticks(DrawList& list, const point2d& o, double unit, double range, FontId font) {
  if (!positive_finite(range) || !positive_finite(unit)) return;
  const double uy = unit * chart_half_height / range;
  if (!positive_finite(uy)) return;
  text_at(list, {o.x - 0.03, o.y + uy - 0.015}, font, "1");
  text_at(list, {o.x - 0.05, o.y - uy - 0.015}, font, "-1");
  const double ratio = range / unit;
  if (!(ratio < static_cast<double>(max_value_ticks + 1))) return;
  const auto k = static_cast<long long>(ratio);
  for (long long i = -k; i <= k; ++i) {
    draw_line(list, {o.x, o.y + i * uy}, {o.x + tick_length, o.y + i * uy}, color_black);
  }
}

}  // namespace

void chart_curve(DrawList& list, int n, const point2d& origin, double xs, double ys, double width,
                 const rgba& colour, const traj_rec* records, double traj_rec::*field) {
  if (!std::isfinite(xs) || !std::isfinite(ys)) return;
  begin_wide_lines(list, width, colour);
  point2d p{origin.x, origin.y + ys * (records[0].*field)};
  for (int j = 1; j <= n; ++j) {
    const point2d q{origin.x + j * xs, origin.y + ys * (records[j].*field)};
    if (std::fabs(p.y - origin.y) < chart_half_height &&
        std::fabs(q.y - origin.y) < chart_half_height) {
      add_wide_line(list, p, q);
    }
    p = q;
  }
  end_wide_lines(list);
}

void chart_axes(DrawList& list, const point2d& origin, double unit, double t_end, double range,
                const TextStyle& style) {
  const point2d& o = origin;
  draw_wide_line(list, o, {o.x + chart_width, o.y}, axis_width, color_black);
  second_ticks(list, o, t_end, style.small_font);
  draw_line(list, {o.x + chart_width, o.y - chart_half_height},
            {o.x + chart_width, o.y + chart_half_height}, color_black);
  value_ticks(list, o, unit, range, style.font);
  draw_wide_line(list, {o.x, o.y - chart_half_height}, {o.x, o.y + chart_half_height}, axis_width,
                 color_black);
}
