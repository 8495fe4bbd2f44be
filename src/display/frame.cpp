#include "display/frame.h"

#include "display/time_charts.h"
#include "display/window.h"

void draw_frame(const FrameInput& in) {
  frame_begin();
  draw_title();
  draw_legend(in.legend);
  draw_scene(in.scene);
  if (in.scene.store) draw_charts(*in.scene.store, in.scene.type, in.scene.step);
  frame_end();
}
