#pragma once

#include "display/captions.h"
#include "display/compare_view.h"
#include "display/settings_bar.h"
#include "display/status_line.h"
#include "scene/draw_list.h"
#include "scene/scene_layers.h"

// Everything one frame shows.
struct FrameInput {
  SceneInput scene;
  LegendInput legend;
  StatusInput status;
  SettingsBarInput settings;
  bool compare_shown;  // the three mechanisms side by side instead of the scene and charts
  CompareInput compare;
  bool help;       // the key list over everything
  bool recording;  // the marker of a GIF recording, over everything
  int picture_px;  // side of the square the frame is drawn in (800 at start)
};

// Composes the picture of one frame into `list` (emptied first): title, legend, scene,
// status line, time charts of the shown type at the shown step; or, side by
// side, the three types in place of the scene and the charts. This is what saved
// pictures hold.
void compose_frame(DrawList& list, const FrameInput& in);

// Adds the part drawn over a composed picture, in the window only: the settings bar, the
// recording marker and the key list, when asked for.
void compose_overlays(DrawList& list, const FrameInput& in);
