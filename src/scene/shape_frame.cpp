#include "scene/shape_frame.h"

#include <GL/gl.h>

#include "scene/draw_constants.h"

namespace {

void move_to(const point2d& origin) {
  glDisable(GL_LIGHTING);
  glPushMatrix();
  glTranslated(origin.x, origin.y, 0.0);
}

}  // namespace

void shape_begin(const point2d& origin, const rgba& colour) {
  move_to(origin);
  glColor4f(colour.r, colour.g, colour.b, colour.a);
}

void shape_begin_turned(const point2d& origin, double angle, const rgba& colour) {
  move_to(origin);
  glRotated(angle / rad_per_deg, 0.0, 0.0, 1.0);
  glColor4f(colour.r, colour.g, colour.b, colour.a);
}

void shape_end() {
  glEnd();
  glPopMatrix();
  glEnable(GL_LIGHTING);
}
