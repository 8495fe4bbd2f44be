#include "gl/disc_reduction.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double margin = 1.0 / 32.0;  // pixels: 16 times the 1/512 that snapping moves a vertex
constexpr int max_span = 24;           // steps one chord may replace (72 degrees)
constexpr int wedge_slack = 2;         // steps checked beyond a chord's ends
constexpr double step = 2.0 * circle_pi / circle_segments;
// Lattice points near the outline for a radius up to 8 pixels, and their copies a turn
// away for the chords that end at vertex 0.
constexpr int max_points = 400;

// Angle of (dx, dy) in 0..2 pi, within 1e-5 rad: plenty, since points are only sorted
// into wedges with two steps (0.1 rad) of slack.
double angle_of(double dx, double dy) {
  const double ax = std::fabs(dx);
  const double ay = std::fabs(dy);
  const double lo = std::min(ax, ay);
  const double hi = std::max(ax, ay);
  if (hi == 0.0) return 0.0;
  const double z = lo / hi;
  const double z2 = z * z;
  double a =
      z * (0.99997726 +
           z2 * (-0.33262347 +
                 z2 * (0.19354346 + z2 * (-0.11643287 + z2 * (0.05265332 - z2 * 0.01172120)))));
  if (ay > ax) a = circle_pi / 2.0 - a;
  if (dx < 0.0) a = circle_pi - a;
  if (dy < 0.0) a = 2.0 * circle_pi - a;
  return a;
}

// Pixel centres near the outline, in ascending angle (in steps from vertex 0).
struct Ring {
  double x[max_points];
  double y[max_points];
  double t[max_points];
  int count;

  void add(double px, double py, double pt) {
    if (count == max_points) return;
    int k = count++;
    for (; k > 0 && t[k - 1] > pt; --k) {
      x[k] = x[k - 1];
      y[k] = y[k - 1];
      t[k] = t[k - 1];
    }
    x[k] = px;
    y[k] = py;
    t[k] = pt;
  }
};

// The disc's vertices in pixel coordinates, pixel centres on whole numbers; vertex 120 is
// vertex 0 again.
struct Outline {
  const float* vertex;
  PixelGrid grid;
  double x(int i) const {
    return (static_cast<double>(vertex[2 * (i % circle_segments)]) + 1.0) * grid.scale + grid.x0 -
           0.5;
  }
  double y(int i) const {
    return (static_cast<double>(vertex[2 * (i % circle_segments) + 1]) + 1.0) * grid.scale +
           grid.y0 - 0.5;
  }
};

// Pixel centres that could lie near a part cut off by a chord of at most max_span steps:
// within the radius plus the margin, and no deeper inside than such a chord's sagitta.
// Those near vertex 0 also appear a turn earlier or later, so that the chords from and to
// vertex 0 (120) see them.
void ring_points(double ox, double oy, double r, Ring& ring) {
  const double depth = r * (1.0 - std::cos(max_span * step / 2.0)) + margin + 1e-3;
  const double outer = r + margin;
  const double inner = std::max(r - depth, 0.0);
  ring.count = 0;
  for (int j = static_cast<int>(std::ceil(oy - outer)); j <= std::floor(oy + outer); ++j) {
    for (int i = static_cast<int>(std::ceil(ox - outer)); i <= std::floor(ox + outer); ++i) {
      const double dx = i - ox;
      const double dy = j - oy;
      const double rho2 = dx * dx + dy * dy;
      if (rho2 > outer * outer || rho2 < inner * inner) continue;
      const double t = angle_of(dx, dy) / step;
      ring.add(i, j, t);
      if (t < wedge_slack + 1) ring.add(i, j, t + circle_segments);
      if (t > circle_segments - wedge_slack - 1) ring.add(i, j, t - circle_segments);
    }
  }
}

// True when no ring point lies on the cut-off side of chord a-b or within the margin of it.
// Points more than wedge_slack steps outside the chord's angles are farther than the
// margin from the cut-off part (which lies within those angles) and are not looked at.
// `from` is the first ring point at or after angle a - wedge_slack.
bool chord_clear(const Outline& o, const Ring& ring, int from, int a, int b) {
  const double ax = o.x(a);
  const double ay = o.y(a);
  const double ex = o.x(b) - ax;
  const double ey = o.y(b) - ay;
  // Distance inside the chord <= margin, compared squared: cross <= margin * |e|.
  const double reach2 = margin * margin * (ex * ex + ey * ey);
  const double hi = b + wedge_slack;
  for (int k = from; k < ring.count && ring.t[k] <= hi; ++k) {
    const double cross = ex * (ring.y[k] - ay) - ey * (ring.x[k] - ax);
    if (cross <= 0.0 || cross * cross <= reach2) return false;
  }
  return true;
}

}  // namespace

int reduce_disc(const float* vertex, float cx, float cy, double radius, const PixelGrid& grid,
                short* keep) {
  const double r = radius * grid.scale;
  if (!(r >= 1.0 && r <= 8.0)) {
    for (int i = 0; i < circle_segments; ++i) keep[i] = static_cast<short>(i);
    return circle_segments;
  }
  const Outline o{vertex, grid};
  Ring ring;
  ring_points((static_cast<double>(cx) + 1.0) * grid.scale + grid.x0 - 0.5,
              (static_cast<double>(cy) + 1.0) * grid.scale + grid.y0 - 0.5, r, ring);

  // Vertex 0 stays: GL fans the polygon out from it. From each kept vertex a, the
  // farthest clear chord end (a + 1, the outline itself, always is); only chords that
  // passed the test are kept, up to vertex 120, which is vertex 0 again.
  int n = 0;
  keep[n++] = 0;
  int a = 0;
  int from = 0;
  while (a < circle_segments) {
    while (from < ring.count && ring.t[from] < a - wedge_slack) ++from;
    int lo = a + 1;
    int hi = std::min(a + max_span, circle_segments);
    while (lo < hi) {
      const int mid = (lo + hi + 1) / 2;
      if (chord_clear(o, ring, from, a, mid))
        lo = mid;
      else
        hi = mid - 1;
    }
    if (lo < circle_segments) keep[n++] = static_cast<short>(lo);
    a = lo;
  }
  return n;
}
