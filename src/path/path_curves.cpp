#include "path/path_curves.h"

#include <cmath>

#include "path/path_constants.h"

namespace {

// y, dy/dx and d2y/dx2 of a curve y = f(x), or r, dr/dbeta and d2r/dbeta2 of a polar curve.
// path_point, path_tangent and path_second return these very values, so every caller that
// needs one of them gets the same bits from one evaluation.
struct Derivs {
  double f;
  double f1;
  double f2;
};

Derivs cartesian(double x, int I) {
  const PathConstants& c = paths;
  switch (I) {
    case 1: {
      const double A = c.cosine_A, k = c.cosine_k;
      return {A * (1.0 - std::cos(k * x)), A * k * std::sin(k * x), A * k * k * std::cos(k * x)};
    }
    case 2: {
      const double A = c.cycloid_A, L = c.cycloid_L, k = c.cycloid_k;
      return {A * (x / L - std::sin(k * x) / path_two_pi), A * (1.0 - std::cos(k * x)) / L,
              A * k * std::sin(k * x) / L};
    }
    case 3: {
      const double A = c.quad_A, L = c.quad_L;
      return {A * (x / L) * (x / L), 2.0 * A / L * (x / L), 2.0 * A / (L * L)};
    }
    default: {  // 4
      const double A = c.cubic_A, L = c.cubic_L;
      return {A * (x / L) * (x / L) * (x / L), 3.0 * A / L * (x / L) * (x / L),
              6.0 * A / (L * L) * (x / L)};
    }
  }
}

Derivs polar(double b, int I) {
  const PathConstants& c = paths;
  switch (I) {
    case 11: {
      const double s = std::sin(b), co = std::cos(b);
      const double q = c.ellipse_AA * s * s + c.ellipse_BB * co * co;
      const double qq = q * std::sqrt(q);
      const double r = c.ellipse_AB / std::sqrt(q);
      const double r1 = -c.ellipse_AB * c.ellipse_AA_BB * s * co / qq;
      const double r2 = c.ellipse_AB * c.ellipse_AA_BB / qq *
                        ((s * s - co * co) + 3.0 * c.ellipse_AA_BB * s * s * co * co / q);
      return {r, r1, r2};
    }
    case 12:
      return {c.spiral_a * b, c.spiral_a, 0.0};
    case 13:
      return {c.cardioid_A * (c.cardioid_B - std::cos(b)), c.cardioid_A * std::sin(b),
              c.cardioid_A * std::cos(b)};
    case 14: {
      const double A = c.rose_A, n = c.rose_n;
      return {A * std::sin(n * b), A * n * std::cos(n * b), -n * n * A * std::sin(n * b)};
    }
    case 15:
      return {c.arc_R, 0.0, 0.0};
    default: {  // 16
      const double A = c.wavy_A, n = c.wavy_n;
      return {c.wavy_R + A * std::cos(n * b), -A * n * std::sin(n * b),
              -A * n * n * std::cos(n * b)};
    }
  }
}

Derivs derivs(double p, int I) {
  return is_polar_path(I) ? polar(p, I) : cartesian(p, I);
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

double path_point(double p, int I, double out[2]) {
  const Derivs d = derivs(p, I);
  if (!is_polar_path(I)) {
    out[0] = p;
    out[1] = d.f;
  } else {
    out[0] = d.f * std::cos(p);
    out[1] = d.f * std::sin(p);
  }
  return d.f;
}

double path_tangent(double p, int I, double out[3]) {
  const Derivs d = derivs(p, I);
  if (!is_polar_path(I)) {
    out[0] = 1.0;
    out[1] = d.f1;
  } else {
    const double s = std::sin(p), c = std::cos(p);
    out[0] = d.f1 * c - d.f * s;
    out[1] = d.f1 * s + d.f * c;
  }
  out[2] = std::atan2(out[1], out[0]);
  return d.f1;
}

double path_second(double p, int I, double out[2]) {
  const Derivs d = derivs(p, I);
  if (!is_polar_path(I)) {
    out[0] = 0.0;
    out[1] = d.f2;
  } else {
    const double s = std::sin(p), c = std::cos(p);
    out[0] = (d.f2 - d.f) * c - 2.0 * d.f1 * s;
    out[1] = (d.f2 - d.f) * s + 2.0 * d.f1 * c;
  }
  return d.f2;
}

double path_curvature(double p, int I) {
  if (!is_polar_path(I)) return cartesian_curvature(derivs(p, I));
  const Derivs d = polar(p, I);
  const double q = d.f * d.f + d.f1 * d.f1;
  if (q > 1e-8) return polar_curvature_formula(d);
  // r and r' both vanish here (a spiral's start, a rose's centre): take the curvature a
  // little further on and cap it, since it grows without bound toward such a point.
  const double k = polar_curvature_formula(polar(p + 0.001, I));
  return k > 50.0 ? 50.0 : k;
}

double path_speed(double p, int I) {
  const Derivs d = derivs(p, I);
  return is_polar_path(I) ? std::sqrt(d.f * d.f + d.f1 * d.f1) : std::sqrt(d.f1 * d.f1 + 1.0);
}

double path_curvature_rate(double p, int I) {
  const Derivs d = derivs(p, I);
  const double v =
      is_polar_path(I) ? std::sqrt(d.f * d.f + d.f1 * d.f1) : std::sqrt(1.0 + d.f1 * d.f1);
  const double k_minus = path_curvature(p - 5e-05, I);
  const double k_plus = path_curvature(p + 5e-05, I);
  return ((k_plus - k_minus) / 0.0001) / v;
}
