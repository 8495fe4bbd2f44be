// Stadiums (wheels): two straight sides joined by half circles.
#include <GL/gl.h>

#include <cmath>

#include "scene/draw_constants.h"
#include "scene/shape_frame.h"
#include "scene/stadium.h"

namespace {

// The outline in the stadium's own frame: the top left corner, the left half circle from
// top to bottom, the bottom side, the right half circle from bottom to top, the top right
// corner.
void stadium_vertices(double length, double width) {
  const double l = length / 2.0;
  const double r = width / 2.0;
  const double step = circle_pi / circle_segments;
  glVertex2d(-l, r);
  for (int i = 1; i < circle_segments; ++i) {
    const double a = circle_pi / 2.0 + i * step;
    glVertex2d(-l + r * std::cos(a), r * std::sin(a));
  }
  glVertex2d(-l, -r);
  glVertex2d(l, -r);
  for (int i = 1; i < circle_segments; ++i) {
    const double a = -circle_pi / 2.0 + i * step;
    glVertex2d(l + r * std::cos(a), r * std::sin(a));
  }
  glVertex2d(l, r);
}

void stadium(GLenum mode, const point2d& centre, double length, double width, double angle,
             const rgba& colour) {
  shape_begin_turned(centre, angle, colour);
  glBegin(mode);
  stadium_vertices(length, width);
  shape_end();
}

}  // namespace

void fill_stadium(const point2d& centre, double length, double width, double angle,
                  const rgba& colour) {
  stadium(GL_POLYGON, centre, length, width, angle, colour);
}

void outline_stadium(const point2d& centre, double length, double width, double angle,
                     const rgba& colour) {
  stadium(GL_LINE_LOOP, centre, length, width, angle, colour);
}
