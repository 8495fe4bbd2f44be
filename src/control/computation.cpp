#include "control/computation.h"

#include <cmath>

#include "control/settings.h"
#include "sim/trajectory_store.h"

namespace {

constexpr double percent = 0.01;              // entered percent -> stored ratio
constexpr double rad_per_deg = 0.0174532925;  // entered degrees -> stored radians

}  // namespace

void set_error(char kind, int count, const double* values) {
  Settings& st = settings;
  st.error_kind = kind;
  reset_errors();
  double v[2] = {0.0, 0.0};
  for (int i = 0; i < count && i < 2; ++i) {
    if (std::isfinite(values[i])) v[i] = values[i];
  }
  switch (kind) {
    case '1':
      st.RearWHeelerr_L = v[0] * percent;
      st.RearWHeelerr_R = v[1] * percent;
      break;
    case '2':
      st.FronWHeelerr = v[0] * percent;
      break;
    case '3':
      st.steer_drift = v[0] * rad_per_deg;
      break;
    case '4':
      st.WBerr = v[0] * percent;
      st.TRerr = v[1] * percent;
      st.tread_err = (1.0 + st.TRerr) * st.tread;
      st.wheel_base_err = (1.0 + st.WBerr) * st.wheel_base;
      break;
    case '5':
      st.SLIP = v[0] * percent;
      break;
    default:  // '0': every error stays 0
      break;
  }
}

void set_chart_ranges() {
  static double points[MAX][2];
  for (int k = 1; k <= agv_type_count; ++k) {
    const int i = k - 1;
    const int n = store.traj_last[i];
    for (int j = 0; j <= n; ++j) {
      points[j][0] = store.cp_traj[i][j].x;
      points[j][1] = store.cp_traj[i][j].y;
    }
    trajectory_range(n, points, &store.chart_range[i]);
  }
}

void trajectory_range(int n, const double (*points)[2], double* out) {
  double hi = -1000.0;
  double lo = 1000.0;
  for (int i = 0; i <= n; ++i) {
    const double x = points[i][0], y = points[i][1];
    if (x > hi) hi = x;
    if (y > hi) hi = y;
    if (x < lo) lo = x;
    if (y < lo) lo = y;
  }
  *out = std::fabs(hi) > std::fabs(lo) ? std::fabs(hi) : std::fabs(lo);
}
