#include "display/compare_view.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "model/agv_type.h"
#include "platform/catalogue.h"
#include "scene/lines.h"
#include "scene/marks.h"
#include "scene/rgba.h"
#include "scene/trail.h"
#include "scene/vehicle_figure.h"
#include "scene/view_fit.h"

namespace {

constexpr double deg_per_rad = 57.29577951308232;
constexpr double panel_top = 0.6;       // below the legend
constexpr double panel_bottom = -0.62;  // above the settings bar and the status line
constexpr double vehicle_reach = 1.3;   // m, as the fit of 'f'
constexpr double nothing_covered = 1e9;
constexpr rgba separator_rgba{0.6f, 0.6f, 0.6f, 1.0f};

void text_at(DrawList& list, double x, double y, FontId font, const char* text) {
  draw_text(list, x, y, font, text);
}

}  // namespace

void compose_compare(DrawList& list, const CompareInput& in, const TextStyle& given) {
  if (!in.store) return;
  const TrajectoryStore& store = *in.store;
  for (int k = 1; k < agv_type_count; ++k) {
    const double x = -1.0 + k * compare_panel_width;
    draw_line(list, {x, panel_bottom}, {x, panel_top + 0.02}, separator_rgba);
  }
  // Each panel's texts: its name, then one or two lines on its deviation.
  char lines[agv_type_count][3][96];
  int counts[agv_type_count];
  for (AgvType type : agv_types) {
    const int t = type_index(type);
    const int last = std::clamp(store.traj_last[t], 0, MAX - 1);
    const int n = std::clamp(in.step, 0, last);
    std::snprintf(lines[t][0], sizeof lines[t][0], text(in.language, Msg::compare_type), t + 1,
                  agv_type_code(type));
    counts[t] = 2;
    if (in.error_free) {
      std::snprintf(lines[t][1], sizeof lines[t][1], "%s", text(in.language, Msg::status_no_error));
    } else if (deviation_negligible(in.summaries[t])) {
      std::snprintf(lines[t][1], sizeof lines[t][1], "%s",
                    text(in.language, Msg::compare_no_effect));
    } else {
      const Deviation now = deviation_at(store, type, n);
      const Deviation end = deviation_at(store, type, last);
      std::snprintf(lines[t][1], sizeof lines[t][1], text(in.language, Msg::compare_now),
                    now.distance * 1000.0, now.dtheta * deg_per_rad);
      std::snprintf(lines[t][2], sizeof lines[t][2], text(in.language, Msg::compare_end),
                    end.distance * 1000.0, end.dtheta * deg_per_rad);
      counts[t] = 3;
    }
  }
  // The texts as large as asked, but no wider than a panel (one size for all panels).
  double widest = 0.0;
  for (int t = 0; t < agv_type_count; ++t) {
    widest = std::max(widest, text_width(given, given.font, lines[t][0]));
    for (int i = 1; i < counts[t]; ++i) {
      widest = std::max(widest, text_width(given, given.small_font, lines[t][i]));
    }
  }
  TextStyle style = given;
  const double room = compare_panel_width - 0.04;
  if (widest > room && style.font.is_scalable()) {
    const auto shrink = static_cast<float>(room / widest);
    style.font = FontId::scalable(style.font.px * shrink);
    style.small_font = FontId::scalable(style.small_font.px * shrink);
  }
  const double lh = line_height(style, style.small_font);
  for (AgvType type : agv_types) {
    const int t = type_index(type);
    View view = in.view;
    view.view_dx += (t - 1) * compare_panel_width;
    const int last = std::clamp(store.traj_last[t], 0, MAX - 1);
    const int n = std::clamp(in.step, 0, last);
    draw_path_line(list, view, store.cp_traj[t], last, color_red);
    mark_point(list, view, in.path_start, color_black);
    mark_point(list, view, in.path_end, color_black);
    draw_trail(list, view, store.agv_traj[t], n, color_red, nothing_covered);
    draw_trail(list, view, store.err_traj[t], n, color_blue, nothing_covered);
    const traj_rec& a = store.agv_traj[t][n];
    draw_vehicle(list, view, type, {a.x, a.y}, a.theta, store.wheel_traj[t][n].delta, color_red);
    const traj_rec& e = store.err_traj[t][n];
    draw_vehicle(list, view, type, {e.x, e.y}, e.theta, e.delta, color_blue);

    const double x = -1.0 + t * compare_panel_width + 0.02;
    const double y = panel_top - line_height(style, style.font);
    text_at(list, x, y, style.font, lines[t][0]);
    for (int i = 1; i < counts[t]; ++i) {
      text_at(list, x, y - 0.2 * lh - i * lh, style.small_font, lines[t][i]);
    }
  }
}

bool fit_compare_view(const TrajectoryStore& store, const point2d& start, const point2d& end,
                      View* view) {
  Box all{};
  bool any = false;
  for (AgvType type : agv_types) {
    Box b;
    if (!motion_box(store, type, start, end, &b)) continue;
    all = any ? Box{std::min(all.x0, b.x0), std::min(all.y0, b.y0), std::max(all.x1, b.x1),
                    std::max(all.y1, b.y1)}
              : b;
    any = true;
  }
  if (!any) return false;
  // Room for the type's name and its two lines of deviation at the top of each panel.
  const double half = compare_panel_width / 2.0 - 0.02;
  const Box area{-half, panel_bottom + 0.02, half, panel_top - 0.2};
  *view = fit_view(*view, all, vehicle_reach, area);
  return true;
}
