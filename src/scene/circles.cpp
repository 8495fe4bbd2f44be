// Discs, half discs, circles and arcs: 120-gons around a centre.
#include "scene/circles.h"

#include <cmath>

#include "scene/circle_table.h"
#include "scene/draw_constants.h"

namespace {

constexpr double half_step = circle_pi / circle_segments;
constexpr float thin = static_cast<float>(rest_line_width);

}  // namespace

void fill_disc(DrawList& list, const point2d& centre, double radius, const rgba& colour) {
  list.disc(centre, radius, colour);
}

void fill_half_disc(DrawList& list, const point2d& centre, double radius, double start,
                    const rgba& colour) {
  list.begin_shape(DrawKind::polygon, colour, thin, centre);
  for (int i = 0; i < circle_segments; ++i) {
    const double a = start - i * half_step;
    list.vertex(radius * std::cos(a), radius * std::sin(a));
  }
  list.end_shape();
}

// Each inner vertex goes out twice (the end of one step and the start of the next); the
// loop closes from the last vertex back to the first.
void outline_circle(DrawList& list, const point2d& centre, double radius, const rgba& colour) {
  const CircleTable& t = circle_table();
  list.begin_shape(DrawKind::line_loop, colour, thin, centre);
  double px = radius;
  double py = 0.0;
  for (int i = 1; i < circle_segments; ++i) {
    list.vertex(px, py);
    px = radius * t.cos[i];
    py = radius * t.sin[i];
    list.vertex(px, py);
  }
  list.end_shape();
}

void outline_half_circle(DrawList& list, const point2d& centre, double radius, double start,
                         const rgba& colour) {
  list.begin_shape(DrawKind::line_strip, colour, thin, centre);
  double px = radius * std::cos(start);
  double py = radius * std::sin(start);
  for (int i = 1; i < circle_segments; ++i) {
    list.vertex(px, py);
    const double a = start - i * half_step;
    px = radius * std::cos(a);
    py = radius * std::sin(a);
    list.vertex(px, py);
  }
  list.end_shape();
}
