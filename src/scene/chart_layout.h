#pragma once

#include "model/point2d.h"

// Where the time charts stand in the window (window units). The scene leaves the strip
// right of the charts' origin to them, covered by a white panel.
inline constexpr point2d xt_origin{0.4, 0.68};    // left end of the x(t) time axis
inline constexpr point2d yt_origin{0.4, 0.05};    // left end of the y(t) time axis
inline constexpr double chart_width = 0.5;        // the whole motion spans the time axis
inline constexpr double chart_half_height = 0.3;  // chart_range reaches this far
inline constexpr double chart_panel_left = yt_origin.x - 0.05;  // the panel's left edge
