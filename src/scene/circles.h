#pragma once

#include "model/point2d.h"
#include "scene/draw_list.h"
#include "scene/rgba.h"

// Discs, half discs and circles of 120 segments. Coordinates and radii in window units;
// angles in radians, counter-clockwise from +x.

// Filled 120-gon.
void fill_disc(DrawList& list, const point2d& centre, double radius, const rgba& colour);

// Filled half disc, clockwise from the start angle over 119 of its 120 steps.
void fill_half_disc(DrawList& list, const point2d& centre, double radius, double start,
                    const rgba& colour);

// Closed 120-segment circle, rest_line_width wide.
void outline_circle(DrawList& list, const point2d& centre, double radius, const rgba& colour);

// Open arc over the same angles as fill_half_disc.
void outline_half_circle(DrawList& list, const point2d& centre, double radius, double start,
                         const rgba& colour);
