#pragma once

#include "model/point2d.h"
#include "scene/rgba.h"

// Runs of identical primitives (trail dots, CP line and chart curve segments), drawn either
// one primitive at a time or gathered into few GL draws. Both give the same pixels: only
// lighting toggles and line width resets between primitives are dropped, which have no
// visible effect on unlit flat shapes, and dot vertices are placed exactly as the
// translated model-view matrix would place them.
//
// Use: begin_..., any number of add_..., end_... . Nothing is allocated; one run at a time.

// True (the default) to gather runs; false draws every primitive on its own.
extern bool batch_runs;

// Wide line segments of one width (window units) and colour, as draw_wide_line draws them.
void begin_wide_lines(double width, const rgba& colour);
void add_wide_line(const point2d& p, const point2d& q);
void end_wide_lines();

// Discs of one radius and colour, as fill_disc draws them. Discs lying wholly right of
// `covered_from` (window units) are covered by something drawn later in the frame and need
// not be sent.
void begin_discs(double radius, const rgba& colour, double covered_from);
void add_disc(const point2d& centre);
void end_discs();
