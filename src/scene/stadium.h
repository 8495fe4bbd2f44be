#pragma once

#include "model/point2d.h"
#include "scene/draw_list.h"
#include "scene/rgba.h"

// Stadium: straight sides of the given length, round ends of diameter width, turned by
// angle (radians). Window units.
void fill_stadium(DrawList& list, const point2d& centre, double length, double width, double angle,
                  const rgba& colour);
void outline_stadium(DrawList& list, const point2d& centre, double length, double width,
                     double angle, const rgba& colour);
