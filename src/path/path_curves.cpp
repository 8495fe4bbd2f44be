#include "path/path_curves.h"

#include <cmath>

#include "path/path_table.h"
#include "platform/sin_cos.h"

namespace {

// path_point, path_tangent and path_second return the scalars of one evaluation, so every
// caller that needs one of them gets the same bits.
Derivs derivs(double p, const Path& path) {
  return path.desc->derivs(p, path);
}

// Curvature from the scalars of one evaluation.
double cartesian_curvature(const Derivs& d) {
  const double q = 1.0 + d.f1 * d.f1;
  return d.f2 / (std::sqrt(q) * q);
}

double polar_curvature_formula(const Derivs& d) {
  const double q = d.f * d.f + d.f1 * d.f1;
  return (d.f * d.f + 2.0 * d.f1 * d.f1 - d.f * d.f2) / (std::sqrt(q) * q);
}

}  // namespace

double path_point(double p, const Path& path, double out[2]) {
  const Derivs d = derivs(p, path);
  if (!is_polar(path)) {
    out[0] = p;
    out[1] = d.f;
  } else {
    double s, c;
    sin_cos(p, &s, &c);
    out[0] = d.f * c;
    out[1] = d.f * s;
  }
  return d.f;
}

double path_tangent(double p, const Path& path, double out[3]) {
  const Derivs d = derivs(p, path);
  if (!is_polar(path)) {
    out[0] = 1.0;
    out[1] = d.f1;
  } else {
    double s, c;
    sin_cos(p, &s, &c);
    out[0] = d.f1 * c - d.f * s;
    out[1] = d.f1 * s + d.f * c;
  }
  out[2] = std::atan2(out[1], out[0]);
  return d.f1;
}

double path_second(double p, const Path& path, double out[2]) {
  const Derivs d = derivs(p, path);
  if (!is_polar(path)) {
    out[0] = 0.0;
    out[1] = d.f2;
  } else {
    double s, c;
    sin_cos(p, &s, &c);
    out[0] = (d.f2 - d.f) * c - 2.0 * d.f1 * s;
    out[1] = (d.f2 - d.f) * s + 2.0 * d.f1 * c;
  }
  return d.f2;
}

double path_curvature(double p, const Path& path) {
  if (!is_polar(path)) return cartesian_curvature(derivs(p, path));
  const Derivs d = derivs(p, path);
  const double q = d.f * d.f + d.f1 * d.f1;
  if (q > 1e-8) return polar_curvature_formula(d);
  // r and r' both vanish here (a spiral's start, a rose's centre): take the curvature a
  // little further on and cap it, since it grows without bound toward such a point.
  const double k = polar_curvature_formula(derivs(p + 0.001, path));
  return k > 50.0 ? 50.0 : k;
}

double path_speed(double p, const Path& path) {
  if (!is_polar(path) && path.desc->slope) {
    const double f1 = path.desc->slope(p, path);
    return std::sqrt(f1 * f1 + 1.0);
  }
  const Derivs d = derivs(p, path);
  return is_polar(path) ? std::sqrt(d.f * d.f + d.f1 * d.f1) : std::sqrt(d.f1 * d.f1 + 1.0);
}

double path_curvature_rate(double p, const Path& path) {
  const Derivs d = derivs(p, path);
  const double v =
      is_polar(path) ? std::sqrt(d.f * d.f + d.f1 * d.f1) : std::sqrt(1.0 + d.f1 * d.f1);
  const double k_minus = path_curvature(p - 5e-05, path);
  const double k_plus = path_curvature(p + 5e-05, path);
  return ((k_plus - k_minus) / 0.0001) / v;
}
