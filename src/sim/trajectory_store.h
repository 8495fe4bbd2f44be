#pragma once

#include "model/agv_type.h"

// The trajectory store: what a computation leaves for the dialogue, the charts, the scene
// and the exports. First index: AGV type - 1; second index: record, 0..traj_last of that
// type. Several megabytes: keep it in long-lived storage, never on the stack.

inline constexpr int MAX = 3000;  // records per type and motion

struct traj_rec {
  double s;      // m, travelled arc length
  double theta;  // rad, heading (never wrapped)
  double x;      // m
  double y;      // m
  double delta;  // rad, steering angle
  double kappa;  // 1/m, curvature
  double p;      // path parameter (cp_traj only)
};

struct wheel_rec {
  double travel_1;  // first drive wheel
  double travel_2;  // second wheel
  double delta;     // steering angle of the error-free vehicle
  double spare_1;   // never written
  double spare_2;   // never written
};

struct TrajectoryStore {
  traj_rec cp_traj[agv_type_count][MAX];   // reference motion along the CP path
  traj_rec agv_traj[agv_type_count][MAX];  // vehicle without mechanism error
  traj_rec err_traj[agv_type_count][MAX];  // vehicle with the selected error
  traj_rec err_dev[agv_type_count][MAX];   // err_traj - cp_traj, fields s..kappa
  wheel_rec wheel_traj[agv_type_count][MAX];
  int traj_last[agv_type_count];     // index of the last valid record
  double traj_tend[agv_type_count];  // s, time of the last record
  // Largest absolute x or y of cp_traj per type; scales the time charts.
  double chart_range[agv_type_count];
};
