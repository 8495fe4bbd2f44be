#pragma once

#include "control/point2d.h"
#include "scene/rgba.h"

// Top view of the shown AGV type (settings.agv_type) to scale at a pose: world reference
// point (midway between the rear wheels), heading theta and steering angle phi relative to
// the body, in radians. Body and rear wheels in `colour`, the drive and steering parts white
// with black outlines, a white dot on the reference point. A pose that is not finite draws
// nothing.
void draw_vehicle(const point2d& world, double theta, double phi, const rgba& colour);

// The body at drawing point pd: length l, width w and rear overhang c in window units, a
// nose of angle alpha (radians) ahead of the front edge, turned by theta.
void fill_body(const point2d& pd, double l, double w, double c, double alpha, double theta,
               const rgba& colour);
