#pragma once

#include "control/point2d.h"

// Window position of a world point in metres, from the view state:
// ((x + world_off_x) * view_scale + view_dx, (y + world_off_y) * view_scale + view_dy).
point2d world_to_view(const point2d& world);

// True when a window position can be handed to GL: finite and within a million window
// units (beyond that single-precision vertices lose the picture anyway).
bool drawable(const point2d& p);
