// Dots at world points: trail dots and path markers of fixed size, reference dots to scale.
// A point that cannot be placed in the window (not finite) draws nothing.
#include "control/settings.h"
#include "scene/primitives.h"
#include "scene/view_transform.h"

void mark_point(const point2d& world, const rgba& colour) {
  const point2d c = world_to_view(world);
  if (drawable(c)) fill_disc(c, mark_radius, colour);
}

void mark_point_r(const point2d& world, double radius_m, const rgba& colour) {
  const point2d c = world_to_view(world);
  if (drawable(c)) fill_disc(c, radius_m * view.view_scale, colour);
}
