#pragma once

#include <array>

// The three motions of one AGV type during integration, 24 components:
// the reference along the CP path, the vehicle without error, the vehicle with the error.
using sim_state = std::array<double, 24>;

enum SimComponent : int {
  ref_s = 0,       // arc length of the reference                     (integrated)
  ref_theta = 1,   // heading of the reference                        (integrated)
  ref_x = 2,       //                                                 (integrated)
  ref_y = 3,       //                                                 (integrated)
  agv_s = 4,       // arc length of the error-free vehicle            (integrated)
  agv_theta = 5,   //                                                 (integrated)
  agv_x = 6,       //                                                 (integrated)
  agv_y = 7,       //                                                 (integrated)
  wheel_1 = 8,     // travel of the first drive wheel, error-free     (integrated)
  wheel_2 = 9,     // travel of the second wheel, error-free          (integrated)
  agv_delta = 10,  // steering angle of the error-free vehicle        (integrated; type 1 set)
  ref_delta = 11,  // atan(tread * kappa) of the reference            (from the path)
  ref_kappa = 12,  // path curvature at ref_p                         (from the path)
  ref_p = 13,      // path parameter at ref_s                         (from the path)
  err_s = 14,      // arc length of the erroneous vehicle             (integrated)
  err_theta = 15,  //                                                 (integrated)
  err_x = 16,      //                                                 (integrated)
  err_y = 17,      //                                                 (integrated)
  err_delta = 18,  // its steering angle without the drift            (integrated; type 1 set)
  err_kappa = 19,  // its curvature                                   (from the path)
  err_p = 20,      // path parameter at err_s               (from the path; type 1 only)
  reserved = 21,   // Vmax at the start, never read
  slip_l = 22,     // slip value of the first (left) drive wheel for this step
  slip_r = 23,     // slip value of the second (right) drive wheel for this step
};
