#pragma once

#include "model/point2d.h"
#include "scene/draw_list.h"
#include "scene/rgba.h"

// Runs of wide line segments (CP line and chart curves) as one command each: a backend may
// draw them one at a time or gathered. Runs of dots are DrawList::begin_discs.
//
// Use: begin_wide_lines, any number of add_wide_line, end_wide_lines.

// Wide line segments of one width (window units) and colour, as draw_wide_line draws them.
void begin_wide_lines(DrawList& list, double width, const rgba& colour);
inline void add_wide_line(DrawList& list, const point2d& p, const point2d& q) {
  list.vertex(p.x, p.y);
  list.vertex(q.x, q.y);
}
inline void end_wide_lines(DrawList& list) {
  list.end_shape();
}
