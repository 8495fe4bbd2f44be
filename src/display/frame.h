#pragma once

#include "display/captions.h"
#include "scene/scene_layers.h"

// Everything one frame shows.
struct FrameInput {
  SceneInput scene;
  LegendInput legend;
};

// Composes one frame: clear, title, legend, scene, time charts of the shown type at the
// shown step, and shows it.
void draw_frame(const FrameInput& in);
