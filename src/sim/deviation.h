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

// The deviation at record j of type t.
Deviation deviation_at(const TrajectoryStore& store, AgvType type, int j);

// Final and largest deviation over records 0..traj_last of type t.
DeviationSummary deviation_summary(const TrajectoryStore& store, AgvType type);

// True when the error leaves the type's motion as it is: the faulty vehicle stays within
// a nanometre and a nanoradian of the error-free one over the whole motion (the
// two-wheel type forms its turn rate another way, so exact zero is not to be expected).
bool deviation_negligible(const DeviationSummary& summary);
