#pragma once

#include "model/point2d.h"
#include "scene/draw_list.h"
#include "scene/rgba.h"

// The body of a vehicle at drawing point pd: length l, width w and rear overhang c in
// window units, a nose of angle alpha (radians) ahead of the front edge, turned by theta.
void fill_body(DrawList& list, const point2d& pd, double l, double w, double c, double alpha,
               double theta, const rgba& colour);

// Its outline, `width_px` pixels wide.
void outline_body(DrawList& list, const point2d& pd, double l, double w, double c, double alpha,
                  double theta, const rgba& colour, float width_px);
