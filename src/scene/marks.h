#pragma once

#include "model/point2d.h"
#include "scene/draw_list.h"
#include "scene/rgba.h"
#include "scene/view_transform.h"

// Dots at world points. A point that cannot be placed in the window draws nothing.

// Radius of the trail and marker dots in window units: 3.2 pixels at any zoom.
inline constexpr double mark_radius = 0.04 * view_scale0;

// Dot of radius mark_radius at a world point.
void mark_point(DrawList& list, const View& view, const point2d& world, const rgba& colour);

// Dot of the given radius in metres at a world point; it scales with the zoom.
void mark_point_r(DrawList& list, const View& view, const point2d& world, double radius_m,
                  const rgba& colour);
