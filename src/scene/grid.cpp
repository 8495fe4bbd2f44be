// The grid of the scene.
#include "scene/grid.h"

void draw_grid(DrawList& list, const point2d& origin, double angle, int n, double spacing_x,
               double spacing_y, const rgba& colour, float axis_px, float line_px) {
  const double w = n * spacing_x;
  const double h = n * spacing_y;
  for (int j = -n; j <= n; ++j) {
    list.begin_shape(DrawKind::lines, colour, j == 0 ? axis_px : line_px, origin, true, angle);
    list.vertex(j * spacing_x, -h);
    list.vertex(j * spacing_x, h);
    list.end_shape();
  }
  for (int i = -n; i <= n; ++i) {
    list.begin_shape(DrawKind::lines, colour, i == 0 ? axis_px : line_px, origin, true, angle);
    list.vertex(-w, i * spacing_y);
    list.vertex(w, i * spacing_y);
    list.end_shape();
  }
}
