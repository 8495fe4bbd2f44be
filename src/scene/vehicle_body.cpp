// The body outline shared by the three figures.
#include "scene/vehicle_body.h"

#include <cmath>

#include "scene/draw_constants.h"

void fill_body(DrawList& list, const point2d& pd, double l, double w, double c, double alpha,
               double theta, const rgba& colour) {
  list.begin_shape(DrawKind::polygon, colour, static_cast<float>(rest_line_width), pd, true, theta);
  list.vertex(-c, -w / 2.0);
  list.vertex(l - c, -w / 2.0);
  list.vertex(l - c + std::tan(alpha) * w / 2.0, 0.0);
  list.vertex(l - c, w / 2.0);
  list.vertex(-c, w / 2.0);
  list.end_shape();
}
