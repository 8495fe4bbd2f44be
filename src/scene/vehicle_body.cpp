// The body outline shared by the three figures.
#include <GL/gl.h>

#include <cmath>

#include "scene/shape_frame.h"
#include "scene/vehicle_body.h"

void fill_body(const point2d& pd, double l, double w, double c, double alpha, double theta,
               const rgba& colour) {
  shape_begin_turned(pd, theta, colour);
  glBegin(GL_POLYGON);
  glVertex2d(-c, -w / 2.0);
  glVertex2d(l - c, -w / 2.0);
  glVertex2d(l - c + std::tan(alpha) * w / 2.0, 0.0);
  glVertex2d(l - c, w / 2.0);
  glVertex2d(-c, w / 2.0);
  shape_end();
}
