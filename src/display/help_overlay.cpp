#include "display/help_overlay.h"

#include <algorithm>
#include <string_view>

#include "platform/catalogue.h"
#include "scene/rect.h"

namespace {

constexpr rgba ink{0.04f, 0.04f, 0.04f, 1.0f};
constexpr rgba border{0.45f, 0.45f, 0.45f, 1.0f};

// Calls f(key, what) for each line after the first of the list; the first is the heading.
template <class F>
void each_line(std::string_view list, F&& f) {
  bool heading = true;
  while (!list.empty()) {
    const std::size_t end = std::min(list.find('\n'), list.size());
    const std::string_view line = list.substr(0, end);
    list.remove_prefix(std::min(end + 1, list.size()));
    const std::size_t tab = line.find('\t');
    if (heading) {
      f(line, std::string_view{}, true);
      heading = false;
    } else if (tab != std::string_view::npos) {
      f(line.substr(0, tab), line.substr(tab + 1), false);
    } else {
      f(line, std::string_view{}, false);
    }
  }
}

}  // namespace

void draw_help_overlay(DrawList& list, const TextStyle& style, Language language) {
  const std::string_view keys = text(language, Msg::key_list);
  const FontId f = style.font;
  const double lh = line_height(style, f);
  const double px = 1.0 / style.px_per_unit;
  const double gap = 0.6 * lh;
  // Text widths are measured on copies that end in a 0, kept in a buffer on the stack.
  char buffer[256];
  const auto width = [&](std::string_view s) {
    const std::size_t n = std::min(s.size(), sizeof buffer - 1);
    s.copy(buffer, n);
    buffer[n] = '\0';
    return text_width(style, f, buffer);
  };
  double key_w = 0.0;
  double what_w = 0.0;
  double heading_w = 0.0;
  int lines = 0;
  each_line(keys, [&](std::string_view key, std::string_view what, bool heading) {
    ++lines;
    if (heading) {
      heading_w = width(key);
    } else {
      key_w = std::max(key_w, width(key));
      what_w = std::max(what_w, width(what));
    }
  });
  const double w = std::max(heading_w, key_w + gap + what_w) + 2.0 * gap;
  const double h = lines * lh + 2.0 * gap;
  const double x0 = -0.5 * w;
  const double y1 = std::min(0.5 * h, 1.0 - 4.0 * px);
  fill_rect(list, {x0, y1 - h}, w, h, 0.0, {1.0f, 1.0f, 1.0f, 0.95f});
  list.begin_shape(DrawKind::line_loop, border, 1.0f, {0.0, 0.0});
  list.vertex(x0, y1 - h);
  list.vertex(x0 + w, y1 - h);
  list.vertex(x0 + w, y1);
  list.vertex(x0, y1);
  list.end_shape();
  double y = y1 - gap - 0.8 * lh;
  each_line(keys, [&](std::string_view key, std::string_view what, bool) {
    list.text(x0 + gap, y, f, key, ink);
    if (!what.empty()) list.text(x0 + gap + key_w + gap, y, f, what, ink);
    y -= lh;
  });
}
