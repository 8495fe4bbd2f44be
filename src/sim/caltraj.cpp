#include "sim/caltraj.h"

#include <cmath>

#include "path/path_curves.h"

namespace {

constexpr int sub_steps_per_record = 5;

void store_record(TrajectoryStore& store, const SimContext& ctx, int i, int j, const sim_state& y) {
  store.cp_traj[i][j] = {y[ref_s],     y[ref_theta], y[ref_x], y[ref_y],
                         y[ref_delta], y[ref_kappa], y[ref_p]};
  traj_rec& a = store.agv_traj[i][j];
  a.s = y[agv_s];
  a.theta = y[agv_theta];
  a.x = y[agv_x];
  a.y = y[agv_y];
  a.delta = y[agv_delta];
  a.kappa = std::tan(y[agv_delta]) / ctx.vehicle.tread;
  wheel_rec& w = store.wheel_traj[i][j];
  w.travel_1 = y[wheel_1];
  w.travel_2 = y[wheel_2];
  w.delta = y[agv_delta];
  traj_rec& e = store.err_traj[i][j];
  e.s = y[err_s];
  e.theta = y[err_theta];
  e.x = y[err_x];
  e.y = y[err_y];
  e.delta = y[err_delta] + ctx.errors.steer_drift;
  e.kappa = y[err_kappa];
}

int overflow(AgvType type, CaltrajInfo* info) {
  if (info) info->failed_type = type;
  return MAX;
}

}  // namespace

int caltraj(const SimContext& ctx, RandomSource& random, SlipSequences& slip,
            TrajectoryStore& store, CaltrajInfo* info) {
  const VehicleConstants& st = ctx.vehicle;
  const MechanismErrors& err = ctx.errors;
  const Path& path = *ctx.path;
  const double h = st.dt_sim / 5;
  if (ctx.kind == ErrorKind::slip) {  // the order decides which sequence is which wheel's
    slip_noise_gen(slip_noise_len, slip.slip_noise_l, random, st.dt_sim, slip.work);
    slip_noise_gen(slip_noise_len, slip.slip_noise_r, random, st.dt_sim, slip.work);
  }
  const double* slip_l_seq = slip.slip_noise_l;
  const double* slip_r_seq = slip.slip_noise_r;
  const double sf = path.length;

  for (AgvType type : agv_types) {
    const int i = type_index(type);
    if (ctx.memo) memo_begin_type(*ctx.memo, i, err.tread_err);
    double pt[2], tg[3];
    path_point(0.0, path, pt);
    path_tangent(0.0, path, tg);
    const double x0 = pt[0], y0 = pt[1], th0 = tg[2];
    const double k0 = path_curvature(0.0, path);
    const double d0 = std::atan(st.tread * k0);
    const double err_k0 = std::tan(d0 + err.steer_drift) / err.tread_err;

    store.cp_traj[i][0] = {0.0, th0, x0, y0, d0, k0, 0.0};
    traj_rec& a0 = store.agv_traj[i][0];
    a0.s = 0.0, a0.theta = th0, a0.x = x0, a0.y = y0, a0.delta = d0, a0.kappa = k0;
    wheel_rec& w0 = store.wheel_traj[i][0];
    w0.travel_1 = 0.0, w0.travel_2 = 0.0, w0.delta = d0;
    traj_rec& e0 = store.err_traj[i][0];
    e0.s = 0.0, e0.theta = th0, e0.x = x0, e0.y = y0, e0.delta = d0 + err.steer_drift;
    e0.kappa = err_k0;

    sim_state cur{};
    cur[ref_s] = cur[agv_s] = cur[err_s] = 0.0;
    cur[ref_theta] = cur[agv_theta] = cur[err_theta] = th0;
    cur[ref_x] = cur[agv_x] = cur[err_x] = x0;
    cur[ref_y] = cur[agv_y] = cur[err_y] = y0;
    cur[wheel_1] = cur[wheel_2] = 0.0;
    cur[agv_delta] = cur[ref_delta] = cur[err_delta] = d0;
    cur[ref_kappa] = k0;
    cur[ref_p] = 0.0;
    cur[err_kappa] = err_k0;
    cur[err_p] = 0.0;
    cur[reserved] = st.Vmax;
    cur[slip_l] = slip_l_seq[0];
    cur[slip_r] = slip_r_seq[0];

    int k = 0;
    int NN = 0;
    double t = 0.0;
    double s_prev = 0.0;
    double s_new;
    sim_state next;
    for (;;) {
      ++k;
      // At most 5 * MAX sub-steps come here before the record limit stops the loop, so k
      // stays inside the slip sequences.
      cur[slip_l] = slip_l_seq[k];
      cur[slip_r] = slip_r_seq[k];
      sim_step(t, h, ctx, type, cur, next);
      if (info) info->last_slip_l = cur[slip_l], info->last_slip_r = cur[slip_r];
      // The stop test uses Vmax, not the possibly slowed speed, so the fitted last step can
      // be longer than h.
      if (next[ref_s] > sf - st.Vmax * h) {
        s_new = next[ref_s];
        break;
      }
      t = t + h;
      if (k % sub_steps_per_record == 0) {
        ++NN;
        if (NN >= MAX) return overflow(type, info);
        store_record(store, ctx, i, NN, next);
      }
      s_prev = next[ref_s];
      cur = next;
    }

    // The last step is fitted linearly so that the reference ends at the path's length.
    const double h_last = h * (sf - s_prev) / (s_new - s_prev);
    sim_state final_state;
    sim_step(t, h_last, ctx, type, cur, final_state);
    // A motion that filled record MAX - 1 inside the loop has no room for its end; the
    // failing type keeps the last and end time of the previous run.
    if (NN + 1 >= MAX) return overflow(type, info);
    store.traj_tend[i] = (k - 1) * h + h_last;
    store.traj_last[i] = NN + 1;
    store_record(store, ctx, i, NN + 1, final_state);

    for (int j = 0; j <= store.traj_last[i]; ++j) {
      const traj_rec& e = store.err_traj[i][j];
      const traj_rec& c = store.cp_traj[i][j];
      traj_rec& d = store.err_dev[i][j];
      d.s = e.s - c.s;
      d.theta = e.theta - c.theta;
      d.x = e.x - c.x;
      d.y = e.y - c.y;
      d.delta = e.delta - c.delta;
      d.kappa = e.kappa - c.kappa;
    }
  }
  return store.traj_last[2];
}
