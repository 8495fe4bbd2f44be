#pragma once

#include "model/point2d.h"
#include "scene/rgba.h"

// The frame every filled or outlined shape is drawn in: lighting off, the matrix pushed and
// moved to the shape's origin (turned by angle, in radians, for the shapes that have one),
// then the colour. The caller sends glBegin, the vertices in the shape's own frame, and
// shape_end, which ends the primitive, pops the matrix and turns lighting back on.
void shape_begin(const point2d& origin, const rgba& colour);
void shape_begin_turned(const point2d& origin, double angle, const rgba& colour);
void shape_end();
