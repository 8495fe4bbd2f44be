// Rectangles turned about a corner.
#include "scene/rect.h"

#include "scene/draw_constants.h"

namespace {

void rect(DrawList& list, DrawKind mode, const point2d& corner, double a, double b, double angle,
          const rgba& colour) {
  list.begin_shape(mode, colour, static_cast<float>(rest_line_width), corner, true, angle);
  list.vertex(0.0, 0.0);
  list.vertex(a, 0.0);
  list.vertex(a, b);
  list.vertex(0.0, b);
  list.end_shape();
}

}  // namespace

void fill_rect(DrawList& list, const point2d& corner, double a, double b, double angle,
               const rgba& colour) {
  rect(list, DrawKind::polygon, corner, a, b, angle, colour);
}

void outline_rect(DrawList& list, const point2d& corner, double a, double b, double angle,
                  const rgba& colour) {
  rect(list, DrawKind::line_loop, corner, a, b, angle, colour);
}
