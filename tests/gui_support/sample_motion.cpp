#include "gui_support/sample_motion.h"

#include <algorithm>
#include <cmath>

#include "gui_support/gui_state.h"

void fill_sample_motion(int last) {
  for (int t = 0; t < agv_type_count; ++t) {
    double range = 0.0;
    for (int i = 0; i <= last; ++i) {
      const double time = 0.02 * i;
      const double a = time / 2.4 + 0.3 * t;  // 1 m/s around a 2.4 m loop
      const double r = 2.4 + 0.3 * std::sin(3.0 * a);
      traj_rec& cp = store.cp_traj[t][i];
      cp = {time, a + 1.5708, 1.5 + r * std::cos(a), 0.5 + r * std::sin(a), 0.0, 1.0 / r, a};
      traj_rec& agv = store.agv_traj[t][i];
      agv = cp;
      agv.x += 0.02 * std::sin(5.0 * a);
      traj_rec& err = store.err_traj[t][i];
      const double drift = 1.0 + 0.004 * time;
      err = cp;
      err.x = 1.5 + drift * r * std::cos(a);
      err.y = 0.5 + drift * r * std::sin(a);
      err.delta = 0.4 * std::sin(2.0 * a);
      store.err_dev[t][i] = {0.0, 0.0, err.x - cp.x, err.y - cp.y, 0.0, 0.0, 0.0};
      store.wheel_traj[t][i] = {0.0, 0.0, 0.35 * std::sin(2.0 * a), 0.0, 0.0};
      range = std::max({range, std::fabs(cp.x), std::fabs(cp.y)});
    }
    store.traj_last[t] = last;
    store.traj_tend[t] = 0.02 * last;
    store.chart_range[t] = range;
  }
  app.result.path.start_point = {store.cp_traj[0][0].x, store.cp_traj[0][0].y};
  app.result.path.end_point = {store.cp_traj[0][last].x, store.cp_traj[0][last].y};
}
