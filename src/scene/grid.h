#pragma once

#include "model/point2d.h"

// Black grid of 2n + 1 lines each way around origin (window units), turned by angle; the
// lines through the origin are 2 pixels wide, the others 1. Leaves the line width at 1 (2
// when n is 0).
void draw_grid(const point2d& origin, double angle, int n, double spacing_x, double spacing_y);
