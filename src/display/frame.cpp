#include "display/frame.h"

#include "display/help_overlay.h"
#include "display/time_charts.h"
#include "display/window.h"
#include "scene/circles.h"
#include "scene/layer_image.h"
#include "scene/retained_list.h"

namespace {

// What lies over the vehicles and changes only with the view, the type, the computation
// and the fonts: the CP line, the path markers, the chart panel and the charts but for
// the dots of the step. Kept as an image from frame to frame.
LayerImage upper_layer;

void draw_upper_layer(const FrameInput& in, const TextStyle& style) {
  draw_scene_above(in.scene);
  if (in.scene.store) draw_chart_lines(*in.scene.store, in.scene.type, style);
}

// A red dot and "REC" in the bottom right corner of the chart panel, which the charts
// leave white.
void draw_recording_marker(const TextStyle& style) {
  const double px = 1.0 / style.px_per_unit;
  const double radius = 6.0 * px;
  const point2d dot{0.98 - 2.0 * radius - text_width(style, style.font, "REC") - 6.0 * px,
                    -0.98 + radius};
  fill_disc(dot, radius, color_red);
  draw_text(dot.x + radius + 5.0 * px, dot.y - radius, style.font, "REC");
}

std::uint64_t upper_layer_key(const FrameInput& in, const TextStyle& style) {
  PartKey key;
  key.add(scene_above_key(in.scene));
  if (in.scene.store) key.add(chart_lines_key(*in.scene.store, in.scene.type, style));
  return key.value();
}

}  // namespace

// The status line lies left of the chart panel and below the charts' labels there, so it
// may come after the upper layer without covering any of it.
void compose_frame(const FrameInput& in) {
  const TextStyle style = text_style(in.picture_px);
  const bool kept =
      upper_layer.prepare(upper_layer_key(in, style), [&] { draw_upper_layer(in, style); });
  prepare_scene(in.scene);
  frame_begin();
  draw_title(style);
  draw_legend(in.legend, style);
  draw_scene_below(in.scene);
  if (kept) {
    upper_layer.draw();
  } else {
    draw_upper_layer(in, style);
  }
  draw_status_line(in.status, style);
  if (in.scene.store) draw_chart_dots(*in.scene.store, in.scene.type, in.scene.step);
}

void draw_overlays(const FrameInput& in) {
  const TextStyle style = text_style(in.picture_px);
  if (in.recording) draw_recording_marker(style);
  if (in.help) draw_help_overlay(style);
}

void draw_frame(const FrameInput& in) {
  compose_frame(in);
  draw_overlays(in);
  frame_end();
}
