#pragma once

#include "model/point2d.h"
#include "scene/rgba.h"

// Stadium: straight sides of the given length, round ends of diameter width, turned by
// angle (radians). Window units.
void fill_stadium(const point2d& centre, double length, double width, double angle,
                  const rgba& colour);
void outline_stadium(const point2d& centre, double length, double width, double angle,
                     const rgba& colour);
