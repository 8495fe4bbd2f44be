#pragma once

#include "model/point2d.h"
#include "scene/draw_list.h"

// Black grid of 2n + 1 lines each way around origin (window units), turned by angle; the
// lines through the origin are 2 pixels wide, the others 1.
void draw_grid(DrawList& list, const point2d& origin, double angle, int n, double spacing_x,
               double spacing_y);
