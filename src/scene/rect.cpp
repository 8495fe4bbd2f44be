// Rectangles turned about a corner.
#include <GL/gl.h>

#include "scene/rect.h"
#include "scene/shape_frame.h"

namespace {

void rect(GLenum mode, const point2d& corner, double a, double b, double angle,
          const rgba& colour) {
  shape_begin_turned(corner, angle, colour);
  glBegin(mode);
  glVertex2d(0.0, 0.0);
  glVertex2d(a, 0.0);
  glVertex2d(a, b);
  glVertex2d(0.0, b);
  shape_end();
}

}  // namespace

void fill_rect(const point2d& corner, double a, double b, double angle, const rgba& colour) {
  rect(GL_POLYGON, corner, a, b, angle, colour);
}

void outline_rect(const point2d& corner, double a, double b, double angle, const rgba& colour) {
  rect(GL_LINE_LOOP, corner, a, b, angle, colour);
}
