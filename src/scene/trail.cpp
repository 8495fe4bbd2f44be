#include "scene/trail.h"

#include "scene/batches.h"
#include "scene/marks.h"

void draw_trail(DrawList& list, const View& view, const traj_rec* records, int n,
                const rgba& colour, double covered_from) {
  list.begin_discs(mark_radius, colour, covered_from);
  for (int i = 0; i <= n; ++i) {
    const point2d c = world_to_view(view, {records[i].x, records[i].y});
    if (drawable(c)) list.add_disc(c);
  }
  list.end_discs();
}

void draw_path_line(DrawList& list, const View& view, const traj_rec* records, int last,
                    const rgba& colour) {
  begin_wide_lines(list, 0.04 * view_scale0, colour);
  point2d p = world_to_view(view, {records[0].x, records[0].y});
  for (int i = 1; i <= last; ++i) {
    const point2d q = world_to_view(view, {records[i].x, records[i].y});
    if (drawable(p) && drawable(q)) add_wide_line(list, p, q);
    p = q;
  }
  end_wide_lines(list);
}

void draw_trail_line(DrawList& list, const View& view, const traj_rec* records, int n,
                     const LineLook& look) {
  bool open = false;
  for (int i = 0; i <= n; ++i) {
    const point2d c = world_to_view(view, {records[i].x, records[i].y});
    if (!drawable(c)) {
      if (open) list.end_shape();
      open = false;
      continue;
    }
    if (!open) {
      list.begin_shape(DrawKind::line_strip, look.colour, look.width_px, {0.0, 0.0});
      if (look.stipple != 0) list.stipple(look.stipple, look.stipple_factor);
      open = true;
    }
    list.vertex(c.x, c.y);
  }
  if (open) list.end_shape();
}
