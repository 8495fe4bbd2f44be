#include "scene/batches.h"

#include "scene/draw_constants.h"

void begin_wide_lines(DrawList& list, double width, const rgba& colour) {
  list.begin_shape(DrawKind::lines, colour, static_cast<float>(width * px_per_unit), {0.0, 0.0});
}
