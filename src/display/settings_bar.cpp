#include "display/settings_bar.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "display/path_name.h"
#include "path/path_table.h"
#include "platform/catalogue.h"
#include "scene/rect.h"
#include "scene/rgba.h"

namespace {

constexpr double left = -0.98;  // as the status line
constexpr double margin_px = 4.0;
constexpr int max_pieces = 16;
constexpr rgba refusal_rgba{0.8f, 0.0f, 0.0f, 1.0f};

// One line as pieces of text, the marked one in blue.
struct Line {
  char text[max_pieces][256];  // room for UTF-8 texts (three bytes a character)
  bool marked[max_pieces];
  int count = 0;
  void add(bool mark, const char* format, ...) __attribute__((format(printf, 3, 4)));
};

void Line::add(bool mark, const char* format, ...) {
  if (count >= max_pieces) return;
  va_list args;
  va_start(args, format);
  std::vsnprintf(text[count], sizeof text[count], format, args);
  va_end(args);
  marked[count++] = mark;
}

double line_width(const Line& line, const TextStyle& style, FontId font) {
  double w = 0.0;
  for (int i = 0; i < line.count; ++i) w += text_width(style, font, line.text[i]);
  return w;
}

void draw_line(DrawList& list, const Line& line, double x, double y, const TextStyle& style,
               FontId font) {
  for (int i = 0; i < line.count; ++i) {
    const char* t = line.text[i];
    list.text(x, y, font, {t, std::strlen(t)}, line.marked[i] ? color_blue : text_rgba);
    x += text_width(style, font, t);
  }
}

// The value of a piece: brackets around the marked one.
void add_value(Line& line, bool mark, const char* name, double v) {
  if (name)
    line.add(false, "  %s = ", name);
  else
    line.add(false, "  ");
  if (mark)
    line.add(true, "[%.10g]", v);
  else
    line.add(false, "%.10g", v);
}

Msg kind_text(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::none:
      return Msg::bar_error_kind0;
    case ErrorKind::rear_wheels:
      return Msg::bar_error_kind1;
    case ErrorKind::front_wheel:
      return Msg::bar_error_kind2;
    case ErrorKind::steering_drift:
      return Msg::bar_error_kind3;
    case ErrorKind::geometry:
      return Msg::bar_error_kind4;
    case ErrorKind::slip:
      return Msg::bar_error_kind5;
  }
  return Msg::bar_error_kind0;
}

// "ellipse" of "ellipse_A", "A" of it: the code names of the command line.
void split_name(const char* code, char* curve, std::size_t size, const char** constant) {
  const char* bar = std::strchr(code, '_');
  const std::size_t n = bar ? static_cast<std::size_t>(bar - code) : std::strlen(code);
  std::snprintf(curve, size, "%.*s", static_cast<int>(n), code);
  *constant = bar ? bar + 1 : code;
}

}  // namespace

void draw_settings_bar(DrawList& list, const SettingsBarInput& in, int status_lines,
                       const TextStyle& style, const point2d* corner) {
  if (!in.shown) return;
  const PathDescriptor* path = find_path(in.path.number);
  if (!path) return;
  Line error, route, refusal, keys;
  const int values = error_value_count(in.error.kind);
  error.add(false, "(%c) %s", error_kind_char(in.error.kind),
            text(in.language, kind_text(in.error.kind)));
  for (int i = 0; i < values; ++i) add_value(error, in.selected == i, nullptr, in.error.entered[i]);
  char curve[32];
  const char* constant = nullptr;
  split_name(path->constants[0].name, curve, sizeof curve, &constant);
  Msg name{};
  route.add(false, text(in.language, Msg::bar_path), path->number,
            path_name_msg(path->number, &name) ? text(in.language, name) : curve);
  for (int i = 0; i < path->entered_count; ++i) {
    split_name(path->constants[i].name, curve, sizeof curve, &constant);
    add_value(route, in.selected == values + i, constant, in.path.constants[i]);
  }
  if (in.refused) refusal.add(false, text(in.language, Msg::live_refused), in.refused);
  keys.add(false, "%s", text(in.language, Msg::bar_keys));

  const FontId font = style.small_font;
  const double px = 1.0 / style.px_per_unit;
  const double lh = line_height(style, font);
  const int lines = in.refused ? 4 : 3;
  const double bottom =
      corner ? corner->y
             : -1.0 + (status_lines > 0 ? status_lines * lh + 2.0 * margin_px * px : 0.0);
  const double box_left = corner ? corner->x : -1.0;
  const double x = corner ? corner->x + margin_px * px : left;
  const double width = std::max({line_width(error, style, font), line_width(route, style, font),
                                 line_width(refusal, style, font), line_width(keys, style, font)});
  fill_rect(list, {box_left, bottom}, x - box_left + width + margin_px * px,
            lines * lh + margin_px * px, 0.0, color_white);
  double y = bottom + margin_px * px + 0.25 * lh;
  draw_line(list, keys, x, y, style, font);
  if (in.refused) {
    y += lh;
    list.text(x, y, font, {refusal.text[0], std::strlen(refusal.text[0])}, refusal_rgba);
  }
  draw_line(list, route, x, y + lh, style, font);
  draw_line(list, error, x, y + 2.0 * lh, style, font);
}
