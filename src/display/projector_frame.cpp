#include "display/projector_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "display/help_overlay.h"
#include "display/path_name.h"
#include "display/text.h"
#include "platform/catalogue.h"
#include "scene/circles.h"
#include "scene/grid.h"
#include "scene/marks.h"
#include "scene/rect.h"
#include "scene/trail.h"
#include "scene/vehicle_figure.h"

namespace {

// Colours that stay apart under red-green colour blindness; the lines differ in style too
// (solid, dashed, thin, dotted), so that a monochrome copy still tells them apart.
constexpr rgba ink{0.08f, 0.08f, 0.08f, 1.0f};
constexpr rgba vermilion{0.84f, 0.29f, 0.0f, 1.0f};  // motion without error
constexpr rgba sky_blue{0.0f, 0.40f, 0.78f, 1.0f};   // motion with the error
constexpr rgba grid_grey{0.80f, 0.80f, 0.80f, 1.0f};
constexpr rgba frame_grey{0.55f, 0.55f, 0.55f, 1.0f};
constexpr rgba paper{1.0f, 1.0f, 1.0f, 1.0f};
constexpr rgba backing{1.0f, 1.0f, 1.0f, 0.86f};
constexpr rgba vermilion_body{0.84f, 0.29f, 0.0f, 0.30f};
constexpr rgba blue_body{0.0f, 0.40f, 0.78f, 0.30f};

constexpr std::uint16_t dashed = 0x0FFF;  // 12 on, 4 off
constexpr std::uint16_t dotted = 0x3333;  // 2 on, 2 off
constexpr int grid_lines = 40;            // metres each way from the world origin

// Window units of a frame h pixels high.
struct Units {
  double per_px;
  double px(double pixels) const { return pixels * per_px; }
};

// Where everything goes, in window units.
struct Layout {
  double a;  // half width
  double pad;
  Box top_view;
  Box charts;  // the column of the time charts
};

Layout layout_of(int width_px, int height_px) {
  Layout l{};
  const double h = std::max(height_px, 1);
  l.a = std::max(width_px, 1) / h;
  l.pad = 0.025;
  const double total = 2.0 * l.a;
  const double column = std::clamp(0.37 * total, std::min(0.8, 0.5 * total), 0.5 * total);
  l.top_view = {-l.a, -1.0, l.a - column, 1.0};
  l.charts = {l.a - column, -1.0, l.a, 1.0};
  return l;
}

struct Ctx {
  DrawList& list;
  const FrameInput& in;
  Language lang;
  ProjectorSizes sizes;
  Units u;
  Layout lay;
  TextStyle style;  // px_per_unit of the frame
  FontId caption;
  FontId status;

  const char* t(Msg id) const { return text(lang, id); }
  double width(FontId f, const char* s) const { return text_width(style, f, s); }
  double line(FontId f) const { return line_height(style, f); }
  double ascent(FontId f) const { return 0.80 * f.px * u.per_px; }
};

void write(const Ctx& c, double x, double y, FontId f, const char* s, const rgba& colour = ink) {
  c.list.text(x, y, f, {s, std::char_traits<char>::length(s)}, colour);
}

void sample_line(const Ctx& c, double x0, double x1, double y, const LineLook& look) {
  c.list.begin_shape(DrawKind::line_strip, look.colour, look.width_px, {0.0, 0.0});
  if (look.stipple != 0) c.list.stipple(look.stipple, look.stipple_factor);
  c.list.vertex(x0, y);
  c.list.vertex(x1, y);
  c.list.end_shape();
}

LineLook agv_look(const Ctx& c) {
  return {vermilion, c.sizes.trail_px, 0, 1};
}
LineLook err_look(const Ctx& c) {
  return {sky_blue, c.sizes.trail_px, dashed, c.sizes.dash_factor};
}
LineLook ghost_look(const Ctx& c) {
  return {color_ghost, c.sizes.trail_px, 0, 1};
}
LineLook path_look(const Ctx& c) {
  return {ink, c.sizes.thin_px, 0, 1};
}
LineLook dev_look(const Ctx& c) {
  return {sky_blue, c.sizes.thin_px, dotted, c.sizes.dash_factor};
}

// The border of a box, a pixel wide.
void box_outline(const Ctx& c, const Box& b, const rgba& colour) {
  c.list.begin_shape(DrawKind::line_loop, colour, 1.0f, {0.0, 0.0});
  c.list.vertex(b.x0, b.y0);
  c.list.vertex(b.x1, b.y0);
  c.list.vertex(b.x1, b.y1);
  c.list.vertex(b.x0, b.y1);
  c.list.end_shape();
}

// A white box with a grey border behind texts, so that no line runs through them.
void backing_box(const Ctx& c, const Box& b, const rgba& fill = backing) {
  fill_rect(c.list, {b.x0, b.y0}, b.x1 - b.x0, b.y1 - b.y0, 0.0, fill);
  box_outline(c, b, frame_grey);
}

Msg type_note(AgvType type) {
  switch (type) {
    case AgvType::t2DW1C:
      return Msg::frame_type_2dw1c;
    case AgvType::t1FDW1FS:
      return Msg::frame_type_1fdw1fs;
    case AgvType::t1RDW1FS:
      return Msg::frame_type_1rdw1fs;
  }
  return Msg::frame_type_2dw1c;
}

void error_text(const Ctx& c, char (&out)[200]) {
  constexpr double deg_per_rad = 57.29577951308232;
  const MechanismErrors& e = c.in.legend.errors;
  switch (c.in.legend.kind) {
    case ErrorKind::none:
      std::snprintf(out, sizeof out, "%s", c.t(Msg::frame_error_none));
      return;
    case ErrorKind::rear_wheels:
      std::snprintf(out, sizeof out, c.t(Msg::frame_error_rear_wheels), 100.0 * e.RearWHeelerr_L,
                    100.0 * e.RearWHeelerr_R);
      return;
    case ErrorKind::front_wheel:
      std::snprintf(out, sizeof out, c.t(Msg::frame_error_front_wheel), 100.0 * e.FronWHeelerr);
      return;
    case ErrorKind::steering_drift:
      std::snprintf(out, sizeof out, c.t(Msg::frame_error_drift), deg_per_rad * e.steer_drift);
      return;
    case ErrorKind::geometry:
      std::snprintf(out, sizeof out, c.t(Msg::frame_error_geometry), 100.0 * e.WBerr,
                    100.0 * e.TRerr);
      return;
    case ErrorKind::slip:
      std::snprintf(out, sizeof out, c.t(Msg::frame_error_slip), 100.0 * e.SLIP);
      return;
  }
  out[0] = '\0';
}

// The font f, or smaller where a text in it would be wider than `room`, down to `least`.
FontId shrunk_to(const Ctx& c, FontId f, const char* s, double room, float least) {
  const double w = c.width(f, s);
  if (w <= room || !(room > 0.0) || !f.is_scalable()) return f;
  return FontId::scalable(std::max(least, static_cast<float>(f.px * room / w)));
}

// A text broken into lines no wider than `room` (the lines after the first `indent`
// narrower) once written no smaller than `least`: where a line would be too wide it ends at
// the last double space that fits, else at the last space that fits; a word wider than a
// line has a line of its own.
struct Wrapped {
  static constexpr int most = 6;
  int count = 0;
  char line[most][200];
};

void wrap(const Ctx& c, FontId f, float least, const char* s, double room, double indent,
          Wrapped* out) {
  const double smallest = f.is_scalable() ? std::min(1.0, static_cast<double>(least) / f.px) : 1.0;
  out->count = 0;
  std::string_view rest = s;
  while (!rest.empty() && out->count < Wrapped::most) {
    char* line = out->line[out->count];
    const double avail = out->count == 0 ? room : room - indent;
    const auto fits = [&](std::size_t n) {
      const std::size_t k = std::min(n, sizeof out->line[0] - 1);
      rest.copy(line, k);
      line[k] = '\0';
      return c.width(f, line) * smallest <= avail;
    };
    std::size_t take = rest.size();
    if (out->count + 1 < Wrapped::most && !fits(take)) {
      std::size_t best_double = 0, best_single = 0;
      for (std::size_t p = rest.find(' '); p != std::string_view::npos; p = rest.find(' ', p + 1)) {
        if (p == 0 || !fits(p)) break;
        best_single = p;
        if (p + 1 < rest.size() && rest[p + 1] == ' ') best_double = p;
      }
      const std::size_t word = std::min(rest.find(' ', 1), rest.size());
      take = best_double ? best_double : best_single ? best_single : word;
    }
    const std::size_t k = std::min(take, sizeof out->line[0] - 1);
    rest.copy(line, k);
    line[k] = '\0';
    ++out->count;
    rest.remove_prefix(take);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  }
}

// Writes a text at (x, y) no wider than `room`: smaller, down to the least caption size,
// where that makes it fit, else broken into lines (see wrap; the lines after the first
// indented). Returns the lines used.
int write_fitted(const Ctx& c, double x, double y, double room, FontId f, const char* s) {
  Wrapped w;
  const double indent = c.width(f, "    ");
  const float least = std::min(f.px, c.sizes.least_caption_px);
  wrap(c, f, least, s, room, indent, &w);
  for (int i = 0; i < w.count; ++i) {
    const double at = i == 0 ? 0.0 : indent;
    write(c, x + at, y - i * c.line(f), shrunk_to(c, f, w.line[i], room - at, least), w.line[i]);
  }
  return std::max(w.count, 1);
}

// The legend at the top of the right column: title, mechanism, error, path, what each line
// means and the grid's size. Returns the y below it.
double legend(const Ctx& c, double x0, double x1) {
  char type_text[160];
  const AgvType type = c.in.legend.type;
  std::snprintf(type_text, sizeof type_text, c.t(Msg::frame_type), type_index(type) + 1,
                agv_type_code(type));
  char type_line[240];
  std::snprintf(type_line, sizeof type_line, "%s  %s", type_text, c.t(type_note(type)));
  char error_line[200];
  error_text(c, error_line);
  char path_line[160];
  Msg name{};
  std::snprintf(path_line, sizeof path_line, c.t(Msg::frame_path), c.in.legend.path_no,
                path_name_msg(c.in.legend.path_no, &name) ? c.t(name) : "");
  const FontId f = c.caption;
  const double lf = c.line(f);
  const double room = x1 - x0;
  // The title in the status line's size, or smaller to fit.
  const char* title = c.t(Msg::frame_title);
  const FontId big = c.status;
  double y = 1.0 - c.lay.pad - c.ascent(big);
  y -= (write_fitted(c, x0, y, room, big, title) - 1) * c.line(big);
  y -= 0.5 * (c.line(big) + lf);
  for (const char* s : {static_cast<const char*>(type_line), static_cast<const char*>(error_line),
                        static_cast<const char*>(path_line)}) {
    y -= lf;
    y -= (write_fitted(c, x0, y, room, f, s) - 1) * lf;
  }
  const char* samples[] = {c.t(Msg::frame_line_path), c.t(Msg::frame_line_agv),
                           c.t(Msg::frame_line_err), c.t(Msg::frame_line_dev)};
  const LineLook looks[] = {path_look(c), agv_look(c), err_look(c), dev_look(c)};
  const double sample_len = c.u.px(3.0 * f.px);
  for (int i = 0; i < 4; ++i) {
    y -= lf;
    sample_line(c, x0, x0 + sample_len, y + c.u.px(0.3 * f.px), looks[i]);
    const double at = sample_len + c.width(f, " ");
    write(c, x0 + at, y, shrunk_to(c, f, samples[i], room - at, c.sizes.least_caption_px),
          samples[i]);
  }
  y -= lf;
  write(c, x0, y, f, c.t(Msg::frame_grid));
  return y - 0.5 * lf;
}

// A step of about a third of `range` that reads well: 1, 2 or 5 times a power of ten.
double nice_step(double range) {
  if (!(range > 0.0) || !std::isfinite(range)) return 1.0;
  const double raw = range / 3.0;
  const double p = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double m : {1.0, 2.0, 5.0}) {
    if (m * p >= raw) return m * p;
  }
  return 10.0 * p;
}

void number_text(char (&out)[32], double v, double step) {
  const int decimals =
      step >= 1.0 ? 0 : std::min(6, static_cast<int>(std::ceil(-std::log10(step))));
  std::snprintf(out, sizeof out, "%.*f", decimals, std::fabs(v) < 0.5 * step * 1e-6 ? 0.0 : v);
}

// Polylines of one field of records 0..n, from `origin`, broken where a value leaves the
// plot's half height.
void chart_line(const Ctx& c, int n, const point2d& origin, double xs, double ys, double half,
                const traj_rec* records, double traj_rec::*field, const LineLook& look) {
  if (!std::isfinite(xs) || !std::isfinite(ys)) return;
  bool open = false;
  for (int j = 0; j <= n; ++j) {
    const double v = ys * (records[j].*field);
    if (!(std::fabs(v) <= half)) {
      if (open) c.list.end_shape();
      open = false;
      continue;
    }
    if (!open) {
      c.list.begin_shape(DrawKind::line_strip, look.colour, look.width_px, {0.0, 0.0});
      if (look.stipple != 0) c.list.stipple(look.stipple, look.stipple_factor);
      open = true;
    }
    c.list.vertex(origin.x + j * xs, origin.y + v);
  }
  if (open) c.list.end_shape();
}

struct Plot {
  Box box;
  point2d origin;  // left end of the time axis
  double xs;       // window units per record
  double ys;       // window units per metre
  int n;           // last record
};

Plot plot_of(const Ctx& c, const Box& slot, int n, double range) {
  const FontId f = c.caption;
  Plot p{};
  const double label_w = c.width(f, "-00.0") + c.u.px(0.6 * f.px);
  p.box = {slot.x0 + label_w, slot.y0 + 1.4 * c.line(f), slot.x1 - c.u.px(0.5 * f.px),
           slot.y1 - 1.3 * c.line(f)};
  p.origin = {p.box.x0, 0.5 * (p.box.y0 + p.box.y1)};
  p.n = n;
  p.xs = n > 0 ? (p.box.x1 - p.box.x0) / n : 0.0;
  const double half = 0.5 * (p.box.y1 - p.box.y0);
  p.ys = range > 0.0 && std::isfinite(range) ? half / range : 0.0;
  return p;
}

void plot_axes(const Ctx& c, const Plot& p, const char* title, double t_end, double range) {
  const FontId f = c.caption;
  const Box& b = p.box;
  fill_rect(c.list, {b.x0, b.y0}, b.x1 - b.x0, b.y1 - b.y0, 0.0, paper);
  write(c, b.x0, b.y1 + 0.35 * c.line(f), f, title);
  const double tick = c.u.px(0.4 * f.px);
  char label[32];
  // Value ticks with their numbers, light lines across.
  if (p.ys > 0.0) {
    const double step = nice_step(range);
    const int k = static_cast<int>(std::floor(range / step + 1e-9));
    for (int i = -k; i <= k && k <= 50; ++i) {
      const double y = p.origin.y + i * step * p.ys;
      c.list.begin_shape(DrawKind::lines, i == 0 ? ink : grid_grey, i == 0 ? 1.5f : 1.0f,
                         {0.0, 0.0});
      c.list.vertex(b.x0, y);
      c.list.vertex(b.x1, y);
      c.list.end_shape();
      number_text(label, i * step, step);
      write(c, b.x0 - tick - c.width(f, label), y - 0.35 * c.ascent(f), f, label);
    }
  }
  // Time ticks with their numbers below the plot; the axis name at its right end.
  const char* unit = c.t(Msg::frame_chart_time);
  const double unit_x = b.x1 - c.width(f, unit);
  const double label_y = b.y0 - c.ascent(f) - c.u.px(0.35 * f.px);
  write(c, unit_x, label_y, f, unit);
  if (std::isfinite(t_end) && t_end > 0.0 && t_end < 1e6) {
    const double step = nice_step(t_end);
    const double tx = (b.x1 - b.x0) / t_end;
    for (int i = 0; i * step <= t_end + 1e-9 && i <= 100; ++i) {
      const double x = b.x0 + i * step * tx;
      c.list.begin_shape(DrawKind::lines, ink, 1.0f, {0.0, 0.0});
      c.list.vertex(x, b.y0);
      c.list.vertex(x, b.y0 + tick);
      c.list.end_shape();
      number_text(label, i * step, step);
      const double w = c.width(f, label);
      if (x + 0.5 * w < unit_x - c.u.px(0.5 * f.px)) write(c, x - 0.5 * w, label_y, f, label);
    }
  }
  box_outline(c, b, ink);
}

// The right column: the legend, then the charts x(t) and y(t).
void charts(const Ctx& c, Plot (&plots)[2]) {
  const FontId f = c.caption;
  const Box& col = c.lay.charts;
  fill_rect(c.list, {col.x0, col.y0}, col.x1 - col.x0, col.y1 - col.y0, 0.0, paper);
  c.list.begin_shape(DrawKind::lines, frame_grey, 1.0f, {0.0, 0.0});
  c.list.vertex(col.x0, col.y0);
  c.list.vertex(col.x0, col.y1);
  c.list.end_shape();
  const double x0 = col.x0 + c.lay.pad;
  const double x1 = col.x1 - c.lay.pad;
  const double top = legend(c, x0, x1) - c.u.px(0.3 * f.px);
  const double bottom = -1.0 + c.lay.pad;
  const double slot = (top - bottom) / 2.0;
  const Box slots[2] = {{x0, top - slot, x1, top}, {x0, bottom, x1, bottom + slot}};
  const char* titles[2] = {c.t(Msg::frame_chart_x), c.t(Msg::frame_chart_y)};
  const TrajectoryStore* store = c.in.scene.store;
  const int k = type_index(c.in.scene.type);
  const int n = store ? std::clamp(store->traj_last[k], 0, MAX - 1) : 0;
  const double range = store ? store->chart_range[k] : 0.0;
  const double t_end = store ? store->traj_tend[k] : 0.0;
  for (int i = 0; i < 2; ++i) {
    plots[i] = plot_of(c, slots[i], n, range);
    plot_axes(c, plots[i], titles[i], t_end, range);
    if (!store || !(plots[i].ys > 0.0)) continue;
    const double half = 0.5 * (plots[i].box.y1 - plots[i].box.y0);
    double traj_rec::*field = i == 0 ? &traj_rec::x : &traj_rec::y;
    const Plot& p = plots[i];
    chart_line(c, n, p.origin, p.xs, p.ys, half, store->agv_traj[k], field, agv_look(c));
    chart_line(c, n, p.origin, p.xs, p.ys, half, store->err_traj[k], field, err_look(c));
    chart_line(c, n, p.origin, p.xs, 5.0 * p.ys, half, store->err_dev[k], field, dev_look(c));
  }
}

void chart_dots(const Ctx& c, const Plot (&plots)[2]) {
  const TrajectoryStore* store = c.in.scene.store;
  if (!store) return;
  const int k = type_index(c.in.scene.type);
  const int s = std::clamp(c.in.scene.step, 0, plots[0].n);
  const double r = c.u.px(0.9 * c.sizes.trail_px);
  for (int i = 0; i < 2; ++i) {
    const Plot& p = plots[i];
    if (!(p.ys > 0.0)) continue;
    const double half = 0.5 * (p.box.y1 - p.box.y0);
    for (const traj_rec* records : {store->agv_traj[k], store->err_traj[k]}) {
      const double v = p.ys * (i == 0 ? records[s].x : records[s].y);
      if (std::fabs(v) <= half) fill_disc(c.list, {p.origin.x + s * p.xs, p.origin.y + v}, r, ink);
    }
  }
}

void top_view(const Ctx& c) {
  const SceneInput& s = c.in.scene;
  const View& view = s.view;
  const double sc = view.view_scale;
  const point2d o{sc * view.world_off_x + view.view_dx, sc * view.world_off_y + view.view_dy};
  c.list.begin_part(PartId::grid, Retain::none, 0);
  fill_rect(c.list, {c.lay.top_view.x0, -1.0}, c.lay.top_view.x1 - c.lay.top_view.x0, 2.0, 0.0,
            paper);
  if (drawable(o) && drawable({sc, sc})) {
    draw_grid(c.list, o, 0.0, grid_lines, sc, sc, grid_grey, 2.0f, 1.0f);
  }
  c.list.end_part();
  if (!s.store) return;
  const TrajectoryStore& store = *s.store;
  const int k = type_index(s.type);
  const int last = std::clamp(store.traj_last[k], 0, MAX - 1);
  const int n = std::clamp(s.step, 0, last);
  const float outline_px = std::max(1.5f, 0.5f * c.sizes.trail_px);
  if (s.ghost) {  // the faulty motion of the setting before, faint, under the others
    const int ghost_last = std::clamp(s.ghost->traj_last[k], 0, MAX - 1);
    c.list.begin_part(PartId::ghost, Retain::none, 0);
    draw_trail_line(c.list, view, s.ghost->err_traj[k], std::min(n, ghost_last), ghost_look(c));
    c.list.end_part();
  }
  c.list.begin_part(PartId::red_trail, Retain::none, 0);
  draw_trail_line(c.list, view, store.agv_traj[k], n, agv_look(c));
  c.list.end_part();
  c.list.begin_part(PartId::red_vehicle, Retain::none, 0);
  const traj_rec& a = store.agv_traj[k][n];
  draw_vehicle_outlined(c.list, view, s.type, {a.x, a.y}, a.theta, store.wheel_traj[k][n].delta,
                        vermilion_body, vermilion, outline_px);
  c.list.end_part();
  c.list.begin_part(PartId::blue_trail, Retain::none, 0);
  draw_trail_line(c.list, view, store.err_traj[k], n, err_look(c));
  c.list.end_part();
  c.list.begin_part(PartId::blue_vehicle, Retain::none, 0);
  const traj_rec& e = store.err_traj[k][n];
  draw_vehicle_outlined(c.list, view, s.type, {e.x, e.y}, e.theta, e.delta, blue_body, sky_blue,
                        outline_px);
  c.list.end_part();
}

// The status line's lines, no wider than the top view: broken where they would be too wide
// (the deviation after "now"), and smaller, down to the least size, where that is not
// enough.
struct StatusBox {
  Wrapped parts[3];  // motion, deviation, note
  int lines = 0;
  FontId font;
  double width = 0.0;   // of the longest line
  double height = 0.0;  // of the box
};

void status_box(const Ctx& c, const StatusText& text, StatusBox* box) {
  FontId f = c.status;
  const double room =
      (c.lay.top_view.x1 - c.lay.top_view.x0) - 2.0 * c.lay.pad - c.u.px(0.7 * f.px);
  double w = 0.0;
  for (int i = 0; i < 3; ++i) {
    const char* s = i == 0 ? text.motion : i == 1 ? text.deviation : text.note;
    if (i == 2 && !s[0]) break;
    wrap(c, f, c.sizes.least_status_px, s, room, 0.0, &box->parts[i]);
    box->lines += box->parts[i].count;
    for (int j = 0; j < box->parts[i].count; ++j) {
      w = std::max(w, c.width(f, box->parts[i].line[j]));
    }
  }
  if (w > room && room > 0.0) {
    f = FontId::scalable(std::max(c.sizes.least_status_px, static_cast<float>(f.px * room / w)));
    w = w * f.px / c.status.px;
  }
  box->font = f;
  box->width = w;
  box->height = box->lines * c.line(f) + c.u.px(0.35 * f.px);
}

void status_line(const Ctx& c) {
  if (!c.in.status.shown) return;
  StatusText text;
  compose_status(c.in.status, &text);
  StatusBox box;
  status_box(c, text, &box);
  const FontId f = box.font;
  const double lf = c.line(f);
  const double gap = c.u.px(0.35 * f.px);
  const double x = c.lay.top_view.x0 + c.lay.pad;
  const double bottom = -1.0 + c.lay.pad;
  backing_box(c, {x, bottom, x + box.width + 2.0 * gap, bottom + box.height});
  double y = bottom + gap + 0.25 * lf + (box.lines - 1) * lf;
  for (const Wrapped& part : box.parts) {
    for (int j = 0; j < part.count; ++j, y -= lf) write(c, x + gap, y, f, part.line[j]);
  }
}

Ctx context(DrawList& list, const FrameInput& in) {
  const int h = std::max(in.height_px, 1);
  const ProjectorSizes sizes = projector_sizes(h);
  TextStyle style{FontId::scalable(sizes.caption_px), FontId::scalable(sizes.caption_px), h / 2.0,
                  false};
  return {list,
          in,
          in.language,
          sizes,
          {2.0 / h},
          layout_of(in.width_px, h),
          style,
          FontId::scalable(sizes.caption_px),
          FontId::scalable(sizes.status_px)};
}

}  // namespace

ProjectorSizes projector_sizes(int height_px) {
  const double h = std::max(height_px, 1);
  ProjectorSizes s{};
  s.caption_px = static_cast<float>(std::max(11.0, 0.028 * h));
  s.status_px = static_cast<float>(std::max(12.0, 0.034 * h));
  // Made smaller to fit, a text stays legible from the back of the room: 2.2 % of the
  // height (20 pixels from 720 on), the status line 3 %.
  s.least_caption_px =
      std::min(s.caption_px, static_cast<float>(std::max(0.022 * h, h >= 720 ? 20.0 : 11.0)));
  s.least_status_px = std::min(s.status_px, static_cast<float>(std::max(12.0, 0.03 * h)));
  s.trail_px = static_cast<float>(std::max(2.0, 0.0042 * h));
  s.thin_px = static_cast<float>(std::max(1.0, 0.0018 * h));
  s.dash_factor = static_cast<std::uint8_t>(std::clamp(std::lround(h / 360.0), 1L, 8L));
  return s;
}

Box projector_top_view(int width_px, int height_px) {
  return layout_of(width_px, height_px).top_view;
}

Box projector_fit_area(int width_px, int height_px) {
  const Layout l = layout_of(width_px, height_px);
  const double h = std::max(height_px, 1);
  const double status_band = 2.0 * 1.25 * projector_sizes(height_px).status_px * 2.0 / h;
  const double m = 0.03;
  return {l.top_view.x0 + m, -1.0 + l.pad + status_band + m, l.top_view.x1 - m, 1.0 - m};
}

void compose_projector_frame(DrawList& list, const FrameInput& in) {
  list.clear(in.width_px, in.height_px);
  const Ctx c = context(list, in);
  top_view(c);
  Plot plots[2]{};
  list.begin_part(PartId::upper, Retain::none, 0);
  if (in.scene.store) {
    const int k = type_index(in.scene.type);
    draw_trail_line(list, in.scene.view, in.scene.store->cp_traj[k],
                    std::clamp(in.scene.store->traj_last[k], 0, MAX - 1), path_look(c));
  }
  mark_point(list, in.scene.view, in.scene.path_start, ink);
  mark_point(list, in.scene.view, in.scene.path_end, ink);
  charts(c, plots);
  list.end_part();
  list.begin_part(PartId::status, Retain::none, 0);
  status_line(c);
  list.end_part();
  list.begin_part(PartId::chart_dots, Retain::none, 0);
  chart_dots(c, plots);
  list.end_part();
}

point2d projector_bar_corner(const FrameInput& in) {
  DrawList unused;
  const Ctx c = context(unused, in);
  double box = 0.0;
  if (in.status.shown) {
    StatusText text;
    compose_status(in.status, &text);
    StatusBox status;
    status_box(c, text, &status);
    box = status.height;
  }
  return {c.lay.top_view.x0 + c.lay.pad, -1.0 + c.lay.pad + box + 0.01};
}
