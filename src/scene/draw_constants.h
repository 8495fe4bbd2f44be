#pragma once

// Fixed numbers of the drawing layer. Angles are held in radians; window units run from
// -1 to 1 across the 800-pixel window.
inline constexpr double circle_pi = 3.1415926536;  // the pi of every circular shape
inline constexpr int circle_segments = 120;        // vertices of a full circle
inline constexpr double rad_per_deg = 0.01745329252;
inline constexpr double px_per_unit = 400.0;    // pixels per window unit
inline constexpr double rest_line_width = 2.0;  // pixels; what draw_wide_line leaves behind
