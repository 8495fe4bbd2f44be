#include "display/frame.h"

#include <algorithm>

#include "display/help_overlay.h"
#include "display/projector_frame.h"
#include "display/time_charts.h"
#include "platform/catalogue.h"
#include "scene/circles.h"
#include "scene/part_key.h"

namespace {

// What lies over the vehicles and changes only with the view, the type, the computation
// and the fonts: the CP line, the path markers, the chart panel and the charts but for
// the dots of the step.
std::uint64_t upper_key(const FrameInput& in, const TextStyle& style) {
  PartKey key;
  key.add(scene_above_key(in.scene));
  if (in.scene.store) key.add(chart_lines_key(*in.scene.store, in.scene.type, style));
  return key.value();
}

// A red dot and "REC" in the bottom right corner of the chart panel, which the charts
// leave white.
void draw_recording_marker(DrawList& list, const TextStyle& style, Language language,
                           double right) {
  const char* rec = text(language, Msg::status_recording);
  const double px = 1.0 / style.px_per_unit;
  const double radius = 0.4 * style.font.px * px;
  const point2d dot{right - 0.02 - 2.0 * radius - text_width(style, style.font, rec) - 6.0 * px,
                    -0.98 + radius};
  fill_disc(list, dot, radius, color_red);
  draw_text(list, dot.x + radius + 5.0 * px, dot.y - radius, style.font, rec);
}

// The texts beyond the classic frame's own (status line, key list, recording marker) are in
// the frame's language, in the scalable font, sized from the picture.
TextStyle language_style(const FrameInput& in) {
  if (in.style == FrameStyle::projector) {
    const int h = std::max(in.height_px, 1);
    const FontId f = FontId::scalable(projector_sizes(h).caption_px);
    return {f, f, h / 2.0, false};
  }
  const TextStyle fixed = text_style(in.picture_px);
  const FontId f = FontId::scalable(static_cast<float>(std::max(13.0, 0.0175 * in.picture_px)));
  return {f, f, fixed.px_per_unit, fixed.specified};
}

}  // namespace

// The status line lies left of the chart panel and below the charts' labels there, so it
// may come after the upper layer without covering any of it.
void compose_frame(DrawList& list, const FrameInput& in) {
  // The three types side by side keep their square frame in both styles.
  if (in.style == FrameStyle::projector && !in.compare_shown) {
    compose_projector_frame(list, in);
    return;
  }
  const TextStyle style = text_style(in.picture_px);
  list.clear(in.picture_px);
  list.begin_part(PartId::title, Retain::none, 0);
  draw_title(list, style);
  draw_legend(list, in.legend, style);
  list.end_part();
  if (in.compare_shown) {
    list.begin_part(PartId::compare, Retain::none, 0);
    // The panels' texts are in the frame's language, in the scalable font.
    TextStyle panel_style = language_style(in);
    panel_style.font = FontId::scalable(static_cast<float>(1.2 * panel_style.font.px));
    compose_compare(list, in.compare, panel_style);
    list.end_part();
  } else {
    compose_scene_below(list, in.scene);
    list.begin_part(PartId::upper, Retain::stays, upper_key(in, style));
    compose_scene_above(list, in.scene);
    if (in.scene.store) draw_chart_lines(list, *in.scene.store, in.scene.type, style);
    list.end_part();
  }
  list.begin_part(PartId::status, Retain::none, 0);
  draw_status_line(list, in.status, language_style(in));
  list.end_part();
  if (in.compare_shown) return;
  list.begin_part(PartId::chart_dots, Retain::none, 0);
  if (in.scene.store) draw_chart_dots(list, *in.scene.store, in.scene.type, in.scene.step);
  list.end_part();
}

void compose_overlays(DrawList& list, const FrameInput& in) {
  const TextStyle style = language_style(in);
  const double right = in.style == FrameStyle::projector ? list.half_width() : 1.0;
  list.begin_part(PartId::overlays, Retain::none, 0);
  if (in.style == FrameStyle::projector && !in.compare_shown) {
    const point2d corner = projector_bar_corner(in);
    draw_settings_bar(list, in.settings, status_line_count(in.status), style, &corner);
  } else {
    draw_settings_bar(list, in.settings, status_line_count(in.status), style);
  }
  if (in.recording) draw_recording_marker(list, style, in.language, right);
  if (in.help) draw_help_overlay(list, style, in.language);
  list.end_part();
}
