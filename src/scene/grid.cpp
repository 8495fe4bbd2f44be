// The black grid of the scene.
#include <GL/gl.h>

#include "scene/draw_constants.h"
#include "scene/grid.h"

void draw_grid(const point2d& origin, double angle, int n, double spacing_x, double spacing_y) {
  const double w = n * spacing_x;
  const double h = n * spacing_y;
  glDisable(GL_LIGHTING);
  glColor4f(0.0f, 0.0f, 0.0f, 0.0f);
  glPushMatrix();
  glLineWidth(2.0f);
  glTranslated(origin.x, origin.y, 0.0);
  glRotated(angle / rad_per_deg, 0.0, 0.0, 1.0);
  for (int j = -n; j <= n; ++j) {
    glLineWidth(j == 0 ? 2.0f : 1.0f);
    glBegin(GL_LINES);
    glVertex2d(j * spacing_x, -h);
    glVertex2d(j * spacing_x, h);
    glEnd();
  }
  for (int i = -n; i <= n; ++i) {
    glLineWidth(i == 0 ? 2.0f : 1.0f);
    glBegin(GL_LINES);
    glVertex2d(-w, i * spacing_y);
    glVertex2d(w, i * spacing_y);
    glEnd();
  }
  glPopMatrix();
  glEnable(GL_LIGHTING);
}
