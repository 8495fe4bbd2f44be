// The body outline shared by the three figures.
#include <GL/gl.h>

#include <cmath>

#include "scene/draw_constants.h"
#include "scene/vehicle_figure.h"

void fill_body(const point2d& pd, double l, double w, double c, double alpha, double theta,
               const rgba& colour) {
  glDisable(GL_LIGHTING);
  glPushMatrix();
  glTranslated(pd.x, pd.y, 0.0);
  glRotated(theta / rad_per_deg, 0.0, 0.0, 1.0);
  glColor4f(colour.r, colour.g, colour.b, colour.a);
  glBegin(GL_POLYGON);
  glVertex2d(-c, -w / 2.0);
  glVertex2d(l - c, -w / 2.0);
  glVertex2d(l - c + std::tan(alpha) * w / 2.0, 0.0);
  glVertex2d(l - c, w / 2.0);
  glVertex2d(-c, w / 2.0);
  glEnd();
  glPopMatrix();
  glEnable(GL_LIGHTING);
}
