#pragma once

#include "control/point2d.h"

// Program-wide settings: vehicle and time-step constants, values derived from them, the
// mechanism-error parameters and the dialogue state. One instance, `settings`.
struct Settings {
  // Vehicle and time-step constants (never changed while the program runs).
  double Vmax;         // m/s, travel speed of every vehicle
  double steer_speed;  // rad/s, steering speed of types 2 and 3
  double dt;           // s, printed in the report only
  double dt_sim;       // s, time step of the simulation
  double Ra;           // m, minimum turning radius, printed only
  double wheel_base;   // m, distance between the two rear wheels ("WheelBase")
  double tread;        // m, distance between front and rear wheels ("Tread")

  // Derived values.
  double ds;              // m, travel per time step; the path limit is 3000 * ds
  double steer_step_max;  // rad, largest steering change in one time step
  double wheel_base_err;  // m, wheel_base of the erroneous vehicle
  double tread_err;       // m, tread of the erroneous vehicle

  // Mechanism-error parameters (ratios as fractions, angles in radians).
  char error_kind;  // '0'..'5'; 0 (no character) until the first dialogue
  double RearWHeelerr_L;
  double RearWHeelerr_R;
  double FronWHeelerr;
  double steer_drift;
  double WBerr;
  double TRerr;
  double SLIP;

  // Dialogue state.
  int path_no;    // CP path number I: 1..4 or 11..16
  int agv_type;   // 1 2DW1C, 2 1FDW1FS, 3 1RDW1FS
  int step;       // record shown, 0..traj_last of the shown type
  char last_key;  // last key pressed in the window
  int run_count;  // completed computations since start
};

// View state of the scene and the chart origins. One instance, `view`.
struct View {
  double view_scale;     // window units per metre; 0 until the first computation
  double view_dx;        // horizontal shift in window units
  double view_dy;        // vertical shift in window units
  double world_off_x;    // m, added to every scene x before scaling
  double world_off_y;    // m, added to every scene y before scaling
  point2d xt_chart_org;  // origin of the x(t) chart
  point2d yt_chart_org;  // origin of the y(t) chart
};

inline constexpr double view_scale0 = 0.2;  // scale after every computation

extern Settings settings;
extern View view;

// Start-up values of `settings` (before the first dialogue): the constants, ds, nominal
// geometry, no error but SLIP = 0.05, path 1, type 2, last_key '0', run_count 0.
void reset_settings();

// Every mechanism error to 0 and the geometry to nominal (SLIP included).
void reset_errors();

// Start-up values of `view`: scale 0, then init_view().
void reset_view();

// View shifts to 0, world offsets to (-1.5, -0.5), chart origins to their start values.
// Leaves view_scale alone.
void init_view();
