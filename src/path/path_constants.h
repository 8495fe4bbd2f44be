#pragma once

#include "control/point2d.h"

// Path numbers: 1..4 are y = f(x) with parameter x, 11..16 polar r(beta) with parameter beta.
inline constexpr int path_numbers[10] = {1, 2, 3, 4, 11, 12, 13, 14, 15, 16};
inline constexpr int path_index_size = 17;  // arrays indexed by the path number itself

// True for the ten valid path numbers.
inline bool is_path_number(int I) {
  return (I >= 1 && I <= 4) || (I >= 11 && I <= 16);
}
inline bool is_polar_path(int I) {
  return I >= 11;
}

// The constants of all ten curves (entered and derived), and per path number the end
// parameter, the start and end points and the length. One instance, `paths`.
struct PathConstants {
  double cosine_A, cosine_L, cosine_n, cosine_k;  // I = 1
  double cycloid_A, cycloid_L, cycloid_k;         // I = 2
  double quad_A, quad_L;                          // I = 3
  double cubic_A, cubic_L;                        // I = 4
  double ellipse_A, ellipse_B;                    // I = 11
  double ellipse_AA, ellipse_BB, ellipse_AB, ellipse_AA_BB;
  double spiral_A, spiral_n, spiral_a;  // I = 12
  double cardioid_A, cardioid_B;        // I = 13 (B fixed)
  double rose_A, rose_n;                // I = 14
  double arc_R, arc_n;                  // I = 15
  double wavy_A, wavy_n, wavy_R;        // I = 16 (R fixed)

  double path_end_param[path_index_size];     // parameter at the end of the path
  point2d path_start_point[path_index_size];  // markers drawn by the scene
  point2d path_end_point[path_index_size];
  double path_length[path_index_size];  // m, from the latest check_path_length
};

extern PathConstants paths;

// Default constants of every path, the derived constants of paths 11 and 12 to match;
// end parameters, markers and lengths zero.
void reset_path_constants();

// The pi of the path and motion computations, and twice it.
inline constexpr double path_pi = 3.14159265358979;
inline constexpr double path_two_pi = 2.0 * path_pi;
