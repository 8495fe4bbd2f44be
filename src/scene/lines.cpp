// Thin and wide line segments.
#include <GL/gl.h>

#include "scene/draw_constants.h"
#include "scene/lines.h"

void draw_line(const point2d& p, const point2d& q, const rgba& colour) {
  glDisable(GL_LIGHTING);
  glColor4f(colour.r, colour.g, colour.b, colour.a);
  glBegin(GL_LINES);
  glVertex2d(p.x, p.y);
  glVertex2d(q.x, q.y);
  glEnd();
  glEnable(GL_LIGHTING);
}

void draw_wide_line(const point2d& p, const point2d& q, double width, const rgba& colour) {
  glDisable(GL_LIGHTING);
  glColor4f(colour.r, colour.g, colour.b, colour.a);
  glLineWidth(static_cast<float>(width * px_per_unit));
  glBegin(GL_LINES);
  glVertex2d(p.x, p.y);
  glVertex2d(q.x, q.y);
  glEnd();
  glLineWidth(static_cast<float>(rest_line_width));
  glEnable(GL_LIGHTING);
}
