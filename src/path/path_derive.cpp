#include <cmath>

#include "path/path_constants.h"
#include "path/path_select.h"

namespace {

// End parameter of the rose r = A sin(n beta): the curve closes after pi or 2 pi for n >= 1
// and after a multiple of pi / n for n = 1/2, 1/3, ... The whole-number tests run in double
// precision, so any n, however small or large, stays defined (n = 0 gives an infinite end,
// which the length check refuses).
double rose_end_param(double n) {
  if (n >= 1.0) {
    const bool even = 2.0 * std::trunc(n / 2.0 + 0.001) == n;
    return (n == 1.0 || even) ? path_two_pi : path_pi;
  }
  if (n < 1.0) {
    const double m = std::trunc(1.01 / n);
    return std::fmod(m, 2.0) == 0.0 ? path_two_pi / n : path_pi / n;
  }
  return NAN;  // n is not a number
}

}  // namespace

void derive_path(int I) {
  PathConstants& c = paths;
  double& end = c.path_end_param[I];
  point2d& start = c.path_start_point[I];
  point2d& stop = c.path_end_point[I];
  switch (I) {
    case 1:
      c.cosine_k = path_two_pi / c.cosine_L;
      end = c.cosine_n * c.cosine_L;
      start = {0.0, 0.0};
      stop = {c.cosine_n * c.cosine_L, 0.0};
      break;
    case 2:
      c.cycloid_k = path_two_pi / c.cycloid_L;
      end = c.cycloid_L;
      start = {0.0, 0.0};
      stop = {c.cycloid_L, c.cycloid_A};
      break;
    case 3:
      end = c.quad_L;
      start = {0.0, 0.0};
      stop = {c.quad_L, c.quad_A};
      break;
    case 4:
      end = c.cubic_L;
      start = {0.0, 0.0};
      stop = {c.cubic_L, c.cubic_A};
      break;
    case 11:
      c.ellipse_AA = c.ellipse_A * c.ellipse_A;
      c.ellipse_BB = c.ellipse_B * c.ellipse_B;
      c.ellipse_AB = c.ellipse_A * c.ellipse_B;
      c.ellipse_AA_BB = c.ellipse_A * c.ellipse_A - c.ellipse_B * c.ellipse_B;
      end = path_two_pi;
      start = {c.ellipse_A, 0.0};
      stop = {c.ellipse_A, 0.0};
      break;
    case 12: {
      c.spiral_a = c.spiral_A / path_two_pi;
      const double be = path_two_pi * c.spiral_n;
      end = be;
      start = {0.0, 0.0};
      stop = {c.spiral_a * be * std::cos(be), c.spiral_a * be * std::sin(be)};
      break;
    }
    case 13:
      end = path_two_pi;
      start = {(c.cardioid_B - 1.0) * c.cardioid_A, 0.0};
      stop = start;
      break;
    case 14:
      end = rose_end_param(c.rose_n);
      start = {0.0, 0.0};
      stop = {0.0, 0.0};
      break;
    case 15:
      end = path_two_pi * c.arc_n;
      start = {c.arc_R, 0.0};
      stop = {c.arc_R * std::cos(path_two_pi * c.arc_n), c.arc_R * std::sin(path_two_pi * c.arc_n)};
      break;
    case 16:
      end = path_two_pi;
      start = {c.wavy_R + c.wavy_A, 0.0};
      stop = {c.wavy_R + c.wavy_A * std::cos(path_two_pi * c.wavy_n), 0.0};
      break;
    default:
      break;
  }
}
