// Stadiums (wheels): two straight sides joined by half circles.
#include "scene/stadium.h"

#include <cmath>

#include "scene/draw_constants.h"

namespace {

// The outline in the stadium's own frame: the top left corner, the left half circle from
// top to bottom, the bottom side, the right half circle from bottom to top, the top right
// corner.
void stadium_vertices(DrawList& list, double length, double width) {
  const double l = length / 2.0;
  const double r = width / 2.0;
  const double step = circle_pi / circle_segments;
  list.vertex(-l, r);
  for (int i = 1; i < circle_segments; ++i) {
    const double a = circle_pi / 2.0 + i * step;
    list.vertex(-l + r * std::cos(a), r * std::sin(a));
  }
  list.vertex(-l, -r);
  list.vertex(l, -r);
  for (int i = 1; i < circle_segments; ++i) {
    const double a = -circle_pi / 2.0 + i * step;
    list.vertex(l + r * std::cos(a), r * std::sin(a));
  }
  list.vertex(l, r);
}

void stadium(DrawList& list, DrawKind mode, const point2d& centre, double length, double width,
             double angle, const rgba& colour) {
  list.begin_shape(mode, colour, static_cast<float>(rest_line_width), centre, true, angle);
  stadium_vertices(list, length, width);
  list.end_shape();
}

}  // namespace

void fill_stadium(DrawList& list, const point2d& centre, double length, double width, double angle,
                  const rgba& colour) {
  stadium(list, DrawKind::polygon, centre, length, width, angle, colour);
}

void outline_stadium(DrawList& list, const point2d& centre, double length, double width,
                     double angle, const rgba& colour) {
  stadium(list, DrawKind::line_loop, centre, length, width, angle, colour);
}
