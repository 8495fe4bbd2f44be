// Discs, half discs, circles and arcs: 120-gons around a centre.
#include <GL/gl.h>

#include <cmath>

#include "scene/circle_table.h"
#include "scene/circles.h"
#include "scene/draw_constants.h"
#include "scene/shape_frame.h"

namespace {

constexpr double half_step = circle_pi / circle_segments;

}  // namespace

void fill_disc(const point2d& centre, double radius, const rgba& colour) {
  const CircleTable& t = circle_table();
  shape_begin(centre, colour);
  glBegin(GL_POLYGON);
  for (int i = 0; i < circle_segments; ++i) glVertex2d(radius * t.cos[i], radius * t.sin[i]);
  shape_end();
}

void fill_half_disc(const point2d& centre, double radius, double start, const rgba& colour) {
  shape_begin(centre, colour);
  glBegin(GL_POLYGON);
  for (int i = 0; i < circle_segments; ++i) {
    const double a = start - i * half_step;
    glVertex2d(radius * std::cos(a), radius * std::sin(a));
  }
  shape_end();
}

// Each inner vertex goes out twice (the end of one step and the start of the next); the
// loop closes from the last vertex back to the first.
void outline_circle(const point2d& centre, double radius, const rgba& colour) {
  const CircleTable& t = circle_table();
  shape_begin(centre, colour);
  glBegin(GL_LINE_LOOP);
  double px = radius;
  double py = 0.0;
  for (int i = 1; i < circle_segments; ++i) {
    glVertex2d(px, py);
    px = radius * t.cos[i];
    py = radius * t.sin[i];
    glVertex2d(px, py);
  }
  shape_end();
}

void outline_half_circle(const point2d& centre, double radius, double start, const rgba& colour) {
  shape_begin(centre, colour);
  glBegin(GL_LINE_STRIP);
  double px = radius * std::cos(start);
  double py = radius * std::sin(start);
  for (int i = 1; i < circle_segments; ++i) {
    glVertex2d(px, py);
    const double a = start - i * half_step;
    px = radius * std::cos(a);
    py = radius * std::sin(a);
    glVertex2d(px, py);
  }
  shape_end();
}
