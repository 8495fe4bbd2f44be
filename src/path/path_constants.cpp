#include "path/path_constants.h"

PathConstants paths;

void reset_path_constants() {
  paths = PathConstants{};
  paths.cosine_A = 0.5;
  paths.cosine_L = 2.0;
  paths.cosine_n = 1.0;
  paths.cycloid_A = 2.0;
  paths.cycloid_L = 2.0;
  paths.quad_A = 2.0;
  paths.quad_L = 2.0;
  paths.cubic_A = 1.0;
  paths.cubic_L = 2.0;
  paths.ellipse_A = 2.0;
  paths.ellipse_B = 1.0;
  paths.spiral_A = 1.0;
  paths.spiral_n = 2.0;
  paths.cardioid_A = 1.0;
  paths.cardioid_B = 1.2;
  paths.rose_A = 1.0;
  paths.rose_n = 2.0;
  paths.arc_R = 1.0;
  paths.arc_n = 2.0;
  paths.wavy_A = 0.2;
  paths.wavy_n = 4.0;
  paths.wavy_R = 2.0;

  // Derived constants of curves 11 and 12 agree with the defaults from the start.
  paths.ellipse_AA = 4.0;
  paths.ellipse_BB = 1.0;
  paths.spiral_a = paths.spiral_A / path_two_pi;
}
