// Thin and wide line segments.
#include "scene/lines.h"

#include "scene/draw_constants.h"

void draw_line(DrawList& list, const point2d& p, const point2d& q, const rgba& colour) {
  list.begin_shape(DrawKind::lines, colour, static_cast<float>(rest_line_width), {0.0, 0.0});
  list.vertex(p.x, p.y);
  list.vertex(q.x, q.y);
  list.end_shape();
}

void draw_wide_line(DrawList& list, const point2d& p, const point2d& q, double width,
                    const rgba& colour) {
  list.begin_shape(DrawKind::lines, colour, static_cast<float>(width * px_per_unit), {0.0, 0.0});
  list.vertex(p.x, p.y);
  list.vertex(q.x, q.y);
  list.end_shape();
}
