#pragma once

#include "model/point2d.h"
#include "scene/rgba.h"

// Line segments. Coordinates in window units. Each primitive turns lighting off for its
// own drawing and back on when it is done, so between primitives lighting is on (bitmap
// text then takes the lit near-black).

// Segment p-q at the current line width.
void draw_line(const point2d& p, const point2d& q, const rgba& colour);

// Segment p-q, width * 400 pixels wide; leaves the line width at 2 pixels.
void draw_wide_line(const point2d& p, const point2d& q, double width, const rgba& colour);
