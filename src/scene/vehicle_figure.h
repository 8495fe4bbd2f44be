#pragma once

#include "model/agv_type.h"
#include "model/point2d.h"
#include "scene/draw_list.h"
#include "scene/rgba.h"
#include "scene/view_transform.h"

// Top view of an AGV of the given type to scale at a pose: world reference point (midway
// between the rear wheels), heading theta and steering angle phi relative to the body, in
// radians. Body and rear wheels in `colour`, the drive and steering parts white with black
// outlines, a white dot on the reference point. A pose that is not finite draws nothing.
void draw_vehicle(DrawList& list, const View& view, AgvType type, const point2d& world,
                  double theta, double phi, const rgba& colour);

// The same with the body's outline drawn over it, `outline_px` pixels wide in `outline`
// (a translucent `colour` then lets the other vehicle and the trails show through).
void draw_vehicle_outlined(DrawList& list, const View& view, AgvType type, const point2d& world,
                           double theta, double phi, const rgba& colour, const rgba& outline,
                           float outline_px);
