#pragma once

#include <cstdint>

#include "display/captions.h"
#include "display/compare_view.h"
#include "display/settings_bar.h"
#include "display/status_line.h"
#include "platform/messages.h"
#include "scene/draw_list.h"
#include "scene/scene_layers.h"

// How a frame is laid out: the classic frame, a square of fixed fonts, or the projector
// style, which fills the window and sizes its texts and lines from its height.
enum class FrameStyle : std::uint8_t { classic, projector };

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
  int picture_px;  // classic: side of the square the frame is drawn in (800 at start)
  FrameStyle style;
  Language language;  // of the status line, the key list and the projector style's texts
  int width_px;       // projector: the whole window
  int height_px;
};

// Composes the picture of one frame into `list` (emptied first): title, legend, scene,
// status line, time charts of the shown type at the shown step, in the frame's style; or,
// side by side, the three types in place of the scene and the charts. This is what saved
// pictures hold.
void compose_frame(DrawList& list, const FrameInput& in);

// Adds the part drawn over a composed picture, in the window only: the settings bar, the
// recording marker and the key list, when asked for.
void compose_overlays(DrawList& list, const FrameInput& in);
