#include "sim/deviation.h"

#include <algorithm>
#include <cmath>

Deviation deviation_at(const TrajectoryStore& store, AgvType type, int j) {
  const int i = type_index(type);
  const traj_rec& e = store.err_traj[i][j];
  const traj_rec& a = store.agv_traj[i][j];
  Deviation d;
  d.dx = e.x - a.x;
  d.dy = e.y - a.y;
  d.distance = std::hypot(d.dx, d.dy);
  d.dtheta = e.theta - a.theta;
  return d;
}

DeviationSummary deviation_summary(const TrajectoryStore& store, AgvType type) {
  const int n = store.traj_last[type_index(type)];
  DeviationSummary s{};
  s.final_dev = deviation_at(store, type, n);
  s.largest = deviation_at(store, type, 0);
  s.largest_record = 0;
  s.largest_dtheta = std::fabs(s.largest.dtheta);
  for (int j = 1; j <= n; ++j) {
    const Deviation d = deviation_at(store, type, j);
    // A motion that is not a number anywhere has no largest distance but that.
    if (!(d.distance <= s.largest.distance) && !std::isnan(s.largest.distance)) {
      s.largest = d;
      s.largest_record = j;
    }
    const double a = std::fabs(d.dtheta);
    if (!(a <= s.largest_dtheta) && !std::isnan(s.largest_dtheta)) s.largest_dtheta = a;
  }
  return s;
}

bool deviation_negligible(const DeviationSummary& summary) {
  return summary.largest.distance <= negligible_distance &&
         summary.largest_dtheta <= negligible_angle;
}

double free_vehicle_offset(const TrajectoryStore& store, AgvType type) {
  const int k = type_index(type);
  double largest = 0.0;
  for (int j = 0; j <= store.traj_last[k]; ++j) {
    const traj_rec& a = store.agv_traj[k][j];
    const traj_rec& c = store.cp_traj[k][j];
    largest = std::max(largest, std::hypot(a.x - c.x, a.y - c.y));
  }
  return largest;
}

bool free_vehicle_leaves_path(double offset) {
  return offset > off_path_distance;
}
