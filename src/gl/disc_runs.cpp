#include "gl/disc_runs.h"

#include <GL/gl.h>

#include "platform/gl_functions.h"
#include "scene/circle_table.h"

void DiscRuns::flush() {
  if (count_ == 0) return;
  gl_multi_draw_arrays(GL_POLYGON, first_, size_, count_);
  count_ = 0;
  used_ = 0;
}

// True when a disc cannot colour a visible pixel: it lies wholly outside -1..1, where GL
// clips everything away, or wholly right of covered_from. The margin only has to cover
// rounding.
bool DiscRuns::hidden(float cx, float cy) const {
  const double reach = radius_ + 1.0e-4;
  return cx - reach > 1.0 || cx + reach < -1.0 || cy - reach > 1.0 || cy + reach < -1.0 ||
         cx - reach > covered_from_;
}

void DiscRuns::begin(double radius, const rgba& colour, double covered_from) {
  colour_ = colour;
  covered_from_ = covered_from;
  radius_ = radius;
  count_ = 0;
  used_ = 0;
  // Where the viewport lies, in window units and as a pixel grid for reduce_disc.
  GLint vp[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vp);
  reduce_ = vp[2] > 0 && vp[2] == vp[3];
  grid_ = {static_cast<double>(vp[0]), static_cast<double>(vp[1]), vp[2] / 2.0};
  const CircleTable& t = circle_table();
  for (int i = 0; i < circle_segments; ++i) {
    offset_x_[i] = static_cast<float>(radius * t.cos[i]);
    offset_y_[i] = static_cast<float>(radius * t.sin[i]);
  }
  glColor4f(colour.r, colour.g, colour.b, colour.a);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(2, GL_FLOAT, 0, vertex_);
}

void DiscRuns::add(const point2d& centre) {
  const float cx = static_cast<float>(centre.x);
  const float cy = static_cast<float>(centre.y);
  if (hidden(cx, cy)) return;
  for (int i = 0; i < circle_segments; ++i) {
    full_[2 * i] = offset_x_[i] + cx;
    full_[2 * i + 1] = offset_y_[i] + cy;
  }
  if (count_ == discs_per_draw) flush();
  int n = circle_segments;
  if (reduce_) {
    n = reduce_disc(full_, cx, cy, radius_, grid_, keep_);
  } else {
    for (int i = 0; i < n; ++i) keep_[i] = static_cast<short>(i);
  }
  float* v = vertex_ + 2 * used_;
  for (int k = 0; k < n; ++k) {
    v[2 * k] = full_[2 * keep_[k]];
    v[2 * k + 1] = full_[2 * keep_[k] + 1];
  }
  first_[count_] = used_;
  size_[count_] = n;
  used_ += n;
  ++count_;
}

void DiscRuns::end() {
  flush();
  glDisableClientState(GL_VERTEX_ARRAY);
  // Hands the dots to the rasteriser now, so that it works on them while the rest of the
  // frame is prepared; no visible effect.
  glFlush();
}
