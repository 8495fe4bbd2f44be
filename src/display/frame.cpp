#include "display/frame.h"

#include "display/help_overlay.h"
#include "display/time_charts.h"
#include "display/window.h"
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

std::uint64_t upper_layer_key(const FrameInput& in, const TextStyle& style) {
  PartKey key;
  key.add(scene_above_key(in.scene));
  if (in.scene.store) key.add(chart_lines_key(*in.scene.store, in.scene.type, style));
  return key.value();
}

}  // namespace

// The status line lies left of the chart panel and below the charts' labels there, so it
// may come after the upper layer without covering any of it.
void draw_frame(const FrameInput& in) {
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
  if (in.help) draw_help_overlay(style);
  frame_end();
}
