#pragma once

#include "model/agv_type.h"
#include "sim/trajectory_store.h"

// How far the faulty vehicle is from the error-free one (err_traj - agv_traj): the figures
// the window's status line, the export's header lines and the sweep report.

struct Deviation {
  double dx;        // m
  double dy;        // m
  double distance;  // m, sqrt(dx^2 + dy^2)
  double dtheta;    // rad, heading of the faulty vehicle minus the error-free one's
};

struct DeviationSummary {
  Deviation final_dev;  // at the last record
  Deviation largest;    // at the record of the largest distance (the first one, on a tie)
  int largest_record;
  double largest_dtheta;  // rad, the largest |dtheta| over the motion
};

// The limits of the rules below: within these the faulty vehicle counts as the error-free
// one; beyond off_path_distance the error-free vehicle counts as off the CP path.
inline constexpr double negligible_distance = 1e-9;  // m
inline constexpr double negligible_angle = 1e-9;     // rad
inline constexpr double off_path_distance = 1e-3;    // m

// The deviation at record j of type t.
Deviation deviation_at(const TrajectoryStore& store, AgvType type, int j);

// Final and largest deviation over records 0..traj_last of type t.
DeviationSummary deviation_summary(const TrajectoryStore& store, AgvType type);

// True when the error leaves the type's motion as it is: the faulty vehicle stays within
// a nanometre and a nanoradian of the error-free one over the whole motion (the
// two-wheel type forms its turn rate another way, so exact zero is not to be expected).
bool deviation_negligible(const DeviationSummary& summary);

// How far the error-free vehicle gets from the reference on the CP path: the largest
// distance between the two at the same record (m). A few hundred nanometres of integration
// error, unless a Tread error changes the commands: the steering rate is formed with the
// real front-rear distance, and the error-free vehicle, of the nominal one, steers too far.
double free_vehicle_offset(const TrajectoryStore& store, AgvType type);

// True when the error-free vehicle leaves the CP path: an offset of more than a millimetre,
// the least the window's figures show.
bool free_vehicle_leaves_path(double offset);
