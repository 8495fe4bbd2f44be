// Rectangles turned about a corner.
#include <GL/gl.h>

#include "scene/draw_constants.h"
#include "scene/primitives.h"

namespace {

void rect(GLenum mode, const point2d& corner, double a, double b, double angle,
          const rgba& colour) {
  glDisable(GL_LIGHTING);
  glPushMatrix();
  glTranslated(corner.x, corner.y, 0.0);
  glRotated(angle / rad_per_deg, 0.0, 0.0, 1.0);
  glColor4f(colour.r, colour.g, colour.b, colour.a);
  glBegin(mode);
  glVertex2d(0.0, 0.0);
  glVertex2d(a, 0.0);
  glVertex2d(a, b);
  glVertex2d(0.0, b);
  glEnd();
  glPopMatrix();
  glEnable(GL_LIGHTING);
}

}  // namespace

void fill_rect(const point2d& corner, double a, double b, double angle, const rgba& colour) {
  rect(GL_POLYGON, corner, a, b, angle, colour);
}

void outline_rect(const point2d& corner, double a, double b, double angle, const rgba& colour) {
  rect(GL_LINE_LOOP, corner, a, b, angle, colour);
}
