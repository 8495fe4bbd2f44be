#pragma once

#include "model/point2d.h"
#include "scene/draw_list.h"
#include "scene/rgba.h"

// Grid of 2n + 1 lines each way around origin (window units), turned by angle; the lines
// through the origin `axis_px` pixels wide, the others `line_px` (black, 2 and 1 in the
// classic frame).
void draw_grid(DrawList& list, const point2d& origin, double angle, int n, double spacing_x,
               double spacing_y, const rgba& colour = color_black, float axis_px = 2.0f,
               float line_px = 1.0f);
