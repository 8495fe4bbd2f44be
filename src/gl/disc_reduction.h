#pragma once

#include "scene/draw_constants.h"

// Which pixels a small filled 120-gon covers is decided by the pixel centres near its
// outline, and a dot of a few pixels has only a dozen of those. reduce_disc picks the
// vertices that must stay so that the polygon through them covers exactly the same pixel
// centres: between two kept vertices the outline is replaced by a chord only where no pixel
// centre lies within 1/32 pixel of the part cut off (16 times as far as the rasteriser's
// sub-pixel snapping moves a vertex). Vertex 0, the pivot of GL's fan, always stays.
// A triangle of the original fan that snapping could turn over lies next to the pivot,
// inside such a cut-off part, and so covers no pixel centre either.

// Maps window units to pixels for a square viewport: px = (x + 1) * scale + x0.
struct PixelGrid {
  double x0;
  double y0;
  double scale;
};

// vertex: the 120 vertices (x, y pairs, window units) of a disc of the given radius around
// (cx, cy), counter-clockwise from angle 0, as GL receives them. Writes the indices of the
// kept vertices in ascending order to keep and returns their number; all 120 for a radius
// outside 1 to 8 pixels.
int reduce_disc(const float* vertex, float cx, float cy, double radius, const PixelGrid& grid,
                short* keep);
