#pragma once

#include "display/captions.h"
#include "display/status_line.h"
#include "scene/scene_layers.h"

// Everything one frame shows.
struct FrameInput {
  SceneInput scene;
  LegendInput legend;
  StatusInput status;
  bool help;       // the key list over everything
  int picture_px;  // side of the square the frame is drawn in (800 at start)
};

// Composes one frame: clear, title, legend, scene, status line, time charts of the shown
// type at the shown step, the key list when asked for, and shows it.
void draw_frame(const FrameInput& in);
