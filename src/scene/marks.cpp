// Dots at world points: trail dots and path markers of fixed size, reference dots to scale.
#include "scene/marks.h"

#include "scene/circles.h"

void mark_point(DrawList& list, const View& view, const point2d& world, const rgba& colour) {
  const point2d c = world_to_view(view, world);
  if (drawable(c)) fill_disc(list, c, mark_radius, colour);
}

void mark_point_r(DrawList& list, const View& view, const point2d& world, double radius_m,
                  const rgba& colour) {
  const point2d c = world_to_view(view, world);
  if (drawable(c)) fill_disc(list, c, radius_m * view.view_scale, colour);
}
