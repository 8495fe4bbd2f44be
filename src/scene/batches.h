#pragma once

#include "model/point2d.h"
#include "scene/draw_list.h"
#include "scene/rgba.h"

// Runs of identical primitives (trail dots, CP line and chart curve segments) as one
// command each: a backend may draw them one at a time or gathered.
//
// Use: begin_..., any number of add_..., end_... .

// Wide line segments of one width (window units) and colour, as draw_wide_line draws them.
void begin_wide_lines(DrawList& list, double width, const rgba& colour);
inline void add_wide_line(DrawList& list, const point2d& p, const point2d& q) {
  list.vertex(p.x, p.y);
  list.vertex(q.x, q.y);
}
inline void end_wide_lines(DrawList& list) {
  list.end_shape();
}

// Discs of one radius and colour, as fill_disc draws them. Discs lying wholly right of
// `covered_from` (window units) are covered by something drawn later in the frame and need
// not be drawn.
inline void begin_discs(DrawList& list, double radius, const rgba& colour, double covered_from) {
  list.begin_discs(radius, colour, covered_from);
}
inline void add_disc(DrawList& list, const point2d& centre) {
  list.add_disc(centre);
}
inline void end_discs(DrawList& list) {
  list.end_discs();
}
