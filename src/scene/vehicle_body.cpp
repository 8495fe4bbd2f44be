// The body outline shared by the three figures.
#include "scene/vehicle_body.h"

#include <cmath>

#include "scene/draw_constants.h"

namespace {

void body_shape(DrawList& list, DrawKind kind, const point2d& pd, double l, double w, double c,
                double alpha, double theta, const rgba& colour, float width) {
  list.begin_shape(kind, colour, width, pd, true, theta);
  list.vertex(-c, -w / 2.0);
  list.vertex(l - c, -w / 2.0);
  list.vertex(l - c + std::tan(alpha) * w / 2.0, 0.0);
  list.vertex(l - c, w / 2.0);
  list.vertex(-c, w / 2.0);
  list.end_shape();
}

}  // namespace

void fill_body(DrawList& list, const point2d& pd, double l, double w, double c, double alpha,
               double theta, const rgba& colour) {
  body_shape(list, DrawKind::polygon, pd, l, w, c, alpha, theta, colour,
             static_cast<float>(rest_line_width));
}

void outline_body(DrawList& list, const point2d& pd, double l, double w, double c, double alpha,
                  double theta, const rgba& colour, float width_px) {
  body_shape(list, DrawKind::line_loop, pd, l, w, c, alpha, theta, colour, width_px);
}
