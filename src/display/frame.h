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
  bool recording;  // the marker of a GIF recording, over everything
  int picture_px;  // side of the square the frame is drawn in (800 at start)
};

// Composes the picture of one frame into the buffer being drawn, without showing it: clear,
// title, legend, scene, status line, time charts of the shown type at the shown step. This
// is what saved pictures hold.
void compose_frame(const FrameInput& in);

// Over a composed picture, in the window only: the key list and the recording marker, when
// asked for.
void draw_overlays(const FrameInput& in);

// One frame of the window: compose_frame, draw_overlays, then shows it (frame_end).
void draw_frame(const FrameInput& in);
