#pragma once

#include "model/point2d.h"
#include "scene/draw_list.h"
#include "scene/rgba.h"

// Line segments. Coordinates in window units.

// Segment p-q, rest_line_width pixels wide: the width every thin line of the frame is
// drawn at.
void draw_line(DrawList& list, const point2d& p, const point2d& q, const rgba& colour);

// Segment p-q, width * 400 pixels wide.
void draw_wide_line(DrawList& list, const point2d& p, const point2d& q, double width,
                    const rgba& colour);
