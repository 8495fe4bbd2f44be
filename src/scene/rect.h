#pragma once

#include "model/point2d.h"
#include "scene/draw_list.h"
#include "scene/rgba.h"

// a x b rectangle with one corner at `corner`, side a along the x axis turned by angle
// (radians). Window units.
void fill_rect(DrawList& list, const point2d& corner, double a, double b, double angle,
               const rgba& colour);
void outline_rect(DrawList& list, const point2d& corner, double a, double b, double angle,
                  const rgba& colour);
