#include "scene/batches.h"

#include <GL/gl.h>

#include <algorithm>

#include "platform/gl_functions.h"
#include "scene/circle_table.h"
#include "scene/circles.h"
#include "scene/disc_reduction.h"
#include "scene/draw_constants.h"
#include "scene/lines.h"

bool batch_runs = true;

namespace {

struct LineRun {
  double width;
  rgba colour;
};
LineRun line_run;

// Disc vertices go out in single precision already moved to their centre. GL would store
// the vertex offset and the translation each as a float and add them in float; the same
// sum is formed here, so the vertices land on the same bits. In a square viewport only the
// vertices that decide the covered pixels are sent (reduce_disc); a disc wholly outside the
// viewport is not sent at all.
constexpr int discs_per_draw = 512;
struct DiscRun {
  rgba colour;
  double radius;
  bool reduce;
  PixelGrid grid;
  double covered_from;  // discs right of this are hidden later
  float offset_x[circle_segments];
  float offset_y[circle_segments];
  GLfloat full[circle_segments * 2];
  short keep[circle_segments];
  int count;
  int used;  // vertices in `vertex`
  GLint first[discs_per_draw];
  GLsizei size[discs_per_draw];
  GLfloat vertex[discs_per_draw * circle_segments * 2];
};
DiscRun disc_run;

void flush_discs() {
  if (disc_run.count == 0) return;
  gl_multi_draw_arrays(GL_POLYGON, disc_run.first, disc_run.size, disc_run.count);
  disc_run.count = 0;
  disc_run.used = 0;
}

// Where the viewport lies, in window units and as a pixel grid for reduce_disc.
void take_viewport() {
  GLint vp[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vp);
  DiscRun& d = disc_run;
  d.reduce = vp[2] > 0 && vp[2] == vp[3];
  d.grid = {static_cast<double>(vp[0]), static_cast<double>(vp[1]), vp[2] / 2.0};
}

// True when a disc cannot colour a visible pixel: it lies wholly outside -1..1, where GL
// clips everything away, or wholly right of covered_from. The margin only has to cover
// rounding.
bool hidden(float cx, float cy) {
  const DiscRun& d = disc_run;
  const double reach = d.radius + 1.0e-4;
  return cx - reach > 1.0 || cx + reach < -1.0 || cy - reach > 1.0 || cy + reach < -1.0 ||
         cx - reach > d.covered_from;
}

}  // namespace

void begin_wide_lines(double width, const rgba& colour) {
  line_run = {width, colour};
  if (!batch_runs) return;
  glDisable(GL_LIGHTING);
  glColor4f(colour.r, colour.g, colour.b, colour.a);
  glLineWidth(static_cast<float>(width * px_per_unit));
  glBegin(GL_LINES);
}

void add_wide_line(const point2d& p, const point2d& q) {
  if (!batch_runs) {
    draw_wide_line(p, q, line_run.width, line_run.colour);
    return;
  }
  glVertex2d(p.x, p.y);
  glVertex2d(q.x, q.y);
}

void end_wide_lines() {
  if (!batch_runs) return;
  glEnd();
  glLineWidth(static_cast<float>(rest_line_width));
  glEnable(GL_LIGHTING);
}

void begin_discs(double radius, const rgba& colour, double covered_from) {
  disc_run.colour = colour;
  disc_run.covered_from = covered_from;
  disc_run.radius = radius;
  disc_run.count = 0;
  disc_run.used = 0;
  if (!batch_runs) return;
  take_viewport();
  const CircleTable& t = circle_table();
  for (int i = 0; i < circle_segments; ++i) {
    disc_run.offset_x[i] = static_cast<float>(radius * t.cos[i]);
    disc_run.offset_y[i] = static_cast<float>(radius * t.sin[i]);
  }
  glDisable(GL_LIGHTING);
  glColor4f(colour.r, colour.g, colour.b, colour.a);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(2, GL_FLOAT, 0, disc_run.vertex);
}

void add_disc(const point2d& centre) {
  if (!batch_runs) {
    fill_disc(centre, disc_run.radius, disc_run.colour);
    return;
  }
  DiscRun& d = disc_run;
  const float cx = static_cast<float>(centre.x);
  const float cy = static_cast<float>(centre.y);
  if (hidden(cx, cy)) return;
  for (int i = 0; i < circle_segments; ++i) {
    d.full[2 * i] = d.offset_x[i] + cx;
    d.full[2 * i + 1] = d.offset_y[i] + cy;
  }
  if (d.count == discs_per_draw) flush_discs();
  int n = circle_segments;
  if (d.reduce) {
    n = reduce_disc(d.full, cx, cy, d.radius, d.grid, d.keep);
  } else {
    for (int i = 0; i < n; ++i) d.keep[i] = static_cast<short>(i);
  }
  GLfloat* v = d.vertex + 2 * d.used;
  for (int k = 0; k < n; ++k) {
    v[2 * k] = d.full[2 * d.keep[k]];
    v[2 * k + 1] = d.full[2 * d.keep[k] + 1];
  }
  d.first[d.count] = d.used;
  d.size[d.count] = n;
  d.used += n;
  ++d.count;
}

void end_discs() {
  if (!batch_runs) return;
  flush_discs();
  glDisableClientState(GL_VERTEX_ARRAY);
  // Hands the dots to the rasteriser now, so that it works on them while the rest of the
  // frame is prepared; no visible effect.
  glFlush();
  glEnable(GL_LIGHTING);
}
