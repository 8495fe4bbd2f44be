#pragma once

#include "display/frame.h"
#include "scene/view_fit.h"

// The projector style: the frame fills a window of any shape, the top view on the left and
// the two time charts in a column on the right, every text in the frame's language and
// sized from the window's height, lines that differ in style as well as colour.

// Sizes of the style in pixels, from the window's height.
struct ProjectorSizes {
  float caption_px;          // legend, chart labels, key list
  float status_px;           // status line and title
  float least_caption_px;    // the smallest a caption is made to fit its room
  float least_status_px;     // the same for the status line
  float trail_px;            // trails and chart curves
  float thin_px;             // CP path line, 5 x error
  std::uint8_t dash_factor;  // pixels per bit of the dash patterns
};
ProjectorSizes projector_sizes(int height_px);

// Where the top view lies in a width x height frame (window units), and the part of it the
// motion is fitted into: all of it but a margin and the status line's band.
Box projector_top_view(int width_px, int height_px);
Box projector_fit_area(int width_px, int height_px);

// Where the settings bar's bottom left corner goes: above the status line.
point2d projector_bar_corner(const FrameInput& in);

// Composes the frame into `list` (emptied first) in width_px x height_px.
void compose_projector_frame(DrawList& list, const FrameInput& in);
