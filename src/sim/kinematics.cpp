#include "sim/kinematics.h"

#include <cmath>

#include "control/settings.h"
#include "path/arc_length.h"
#include "path/path_curves.h"
#include "sim/gill.h"

namespace {

// Drive speed V and steering rate w commanded from the reference components of a state.
struct Command {
  double V;
  double w;
};

Command commanded(const sim_state& y, int I, int type) {
  const Settings& st = settings;
  if (type == 1) return {st.Vmax, 0.0};
  // g is the steering rate per unit drive speed that keeps the steering angle at
  // atan(tread * kappa) along the path; the reference of type 2 moves at V cos(delta).
  const double c = std::cos(y[ref_delta]);
  const double rate = path_curvature_rate(y[ref_p], I);
  const double g = type == 2 ? c * c * c * st.tread_err * rate : c * c * st.tread_err * rate;
  const double w = g * st.Vmax;
  if (std::fabs(w) <= st.steer_speed) return {st.Vmax, w};
  // The steering cannot follow: the whole vehicle slows down until it can.
  return {st.steer_speed / std::fabs(g), w > 0.0 ? st.steer_speed : -st.steer_speed};
}

// Integrated components, in the order every stage visits them.
constexpr int integrated[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, 16, 17, 18};

// Recomputes the components taken from the path for a new stage state n, searching each
// parameter forward from 0.1 below the previous stage's value.
void algebraic_update(sim_state& n, const sim_state& b, int I, int type) {
  const Settings& st = settings;
  n[ref_p] = param_at_length(b[ref_p] - 0.1, n[ref_s], I);
  n[ref_kappa] = path_curvature(n[ref_p], I);
  n[ref_delta] = std::atan(st.tread * n[ref_kappa]);
  // Where the erroneous vehicle has travelled exactly as far as the reference (no error, or
  // one that does not change the travel), the same search gives the same parameter.
  const bool same_travel = n[err_s] == n[ref_s] && b[err_p] == b[ref_p];
  n[err_p] = same_travel ? n[ref_p] : param_at_length(b[err_p] - 0.1, n[err_s], I);
  if (type == 1) {
    n[err_delta] = b[err_delta];
    const double kappa = n[err_p] == n[ref_p] ? n[ref_kappa] : path_curvature(n[err_p], I);
    n[err_kappa] = kappa * (1.0 + st.RearWHeelerr_R - st.RearWHeelerr_L) / (1.0 + st.WBerr);
  } else {
    n[err_kappa] = std::tan(n[err_delta] + st.steer_drift) / st.tread_err;
  }
}

// The derivatives of all integrated components of y at once, with the commanded motion of
// the stage. Each is formed with exactly the operations of its equation, so evaluating
// them together gives the same bits as one at a time; shared factors are computed once.
// For type 1 the steering components are not integrated: *set_agv_delta and
// *set_err_delta receive the values they are set to, and their derivatives are 0.
void all_derivs(const sim_state& y, const Command& cmd, int type, double d[24],
                double* set_agv_delta, double* set_err_delta) {
  const Settings& st = settings;
  const double V = cmd.V;
  const double eL = st.RearWHeelerr_L;
  const double eR = st.RearWHeelerr_R;
  const double eF = st.FronWHeelerr;
  const double de = y[err_delta] + st.steer_drift;

  if (type == 1) {  // 2DW1C: two driven rear wheels, front caster
    const double kappa = y[ref_kappa];
    const double vL = V * (1.0 - kappa * st.wheel_base / 2.0);
    const double vR = V * (1.0 + kappa * st.wheel_base / 2.0);
    const double ve = V * (1.0 + (eL + eR) / 2.0);
    d[ref_s] = V;
    d[ref_theta] = V * kappa;
    d[ref_x] = V * std::cos(y[ref_theta]);
    d[ref_y] = V * std::sin(y[ref_theta]);
    d[agv_s] = V;
    d[agv_theta] = V * kappa;
    d[agv_x] = V * std::cos(y[agv_theta]);
    d[agv_y] = V * std::sin(y[agv_theta]);
    d[wheel_1] = vL;
    d[wheel_2] = vR;
    d[agv_delta] = 0.0;
    *set_agv_delta = y[ref_delta];
    d[err_s] = ve;
    d[err_theta] = ((1.0 + eR) * vR - (1.0 + eL) * vL) / st.wheel_base_err;
    d[err_x] = ve * std::cos(y[err_theta]);
    d[err_y] = ve * std::sin(y[err_theta]);
    d[err_delta] = 0.0;
    *set_err_delta = std::atan(st.tread_err * kappa);
    return;
  }

  const double dc = y[ref_delta];
  const double da = y[agv_delta];
  if (type == 2) {                          // 1FDW1FS: the front wheel drives and steers
    const double v_ref = V * std::cos(dc);  // speed of the rear axle's midpoint
    const double v_agv = V * std::cos(da);
    const double v_wheel = V * (1.0 + eF);  // the erroneous front wheel's speed
    const double ve = v_wheel * std::cos(de);
    d[ref_s] = v_ref;
    d[ref_theta] = V * std::sin(dc) / st.tread;
    d[ref_x] = v_ref * std::cos(y[ref_theta]);
    d[ref_y] = v_ref * std::sin(y[ref_theta]);
    d[agv_s] = v_agv;
    d[agv_theta] = V * std::sin(da) / st.tread;
    d[agv_x] = v_agv * std::cos(y[agv_theta]);
    d[agv_y] = v_agv * std::sin(y[agv_theta]);
    d[wheel_1] = V;
    d[wheel_2] = v_ref;
    d[agv_delta] = cmd.w;
    d[err_s] = ve;
    d[err_theta] = v_wheel * std::sin(de) / st.tread_err;
    d[err_x] = ve * std::cos(y[err_theta]);
    d[err_y] = ve * std::sin(y[err_theta]);
    d[err_delta] = cmd.w;
    return;
  }

  // 1RDW1FS: one rear drive wheel, a steered front wheel
  const double ve = V * (1.0 + (eL + eR) / 2.0);
  d[ref_s] = V;
  d[ref_theta] = V * std::tan(dc) / st.tread;
  d[ref_x] = V * std::cos(y[ref_theta]);
  d[ref_y] = V * std::sin(y[ref_theta]);
  d[agv_s] = V;
  d[agv_theta] = V * std::tan(da) / st.tread;
  d[agv_x] = V * std::cos(y[agv_theta]);
  d[agv_y] = V * std::sin(y[agv_theta]);
  d[wheel_1] = V;
  d[wheel_2] = V;
  d[agv_delta] = cmd.w;
  d[err_s] = ve;
  d[err_theta] = ve * std::tan(de) / st.tread_err;
  d[err_x] = ve * std::cos(y[err_theta]);
  d[err_y] = ve * std::sin(y[err_theta]);
  d[err_delta] = cmd.w;
}

// One stage's derivatives, h times, with the type-1 steering components set in y.
void stage_increments(sim_state& y, double h, int I, int type, double k[24]) {
  double d[24];
  double set_agv = 0.0, set_err = 0.0;
  all_derivs(y, commanded(y, I, type), type, d, &set_agv, &set_err);
  if (type == 1) {
    y[agv_delta] = set_agv;
    y[err_delta] = set_err;
  }
  for (int i : integrated) k[i] = h * d[i];
}

}  // namespace

double sim_deriv(int i, double /*t*/, int I, int type, sim_state& y) {
  double d[24];
  double set_agv = 0.0, set_err = 0.0;
  all_derivs(y, commanded(y, I, type), type, d, &set_agv, &set_err);
  if (type == 1 && i == agv_delta) y[agv_delta] = set_agv;
  if (type == 1 && i == err_delta) y[err_delta] = set_err;
  return d[i];
}

void sim_step(double t, double h, int I, int type, sim_state& in, sim_state& out) {
  Settings& st = settings;
  if (st.error_kind == '5') {
    // The slip of this step: each wheel is slower by SLIP on average, varying by SLIP.
    st.RearWHeelerr_L = -st.SLIP * (1.0 - in[slip_l]);
    st.FronWHeelerr = st.RearWHeelerr_L;
    st.RearWHeelerr_R = -st.SLIP * (1.0 - in[slip_r]);
  }
  sim_state y1 = in, y2 = in, y3 = in;
  out = in;
  double q[24];
  double k[24];

  // The derivatives do not depend on the time, so the stage times t, t + h/2 and t + h
  // need not be passed on.
  (void)t;
  stage_increments(in, h, I, type, k);
  for (int i : integrated) {
    const double r = gill_c1 * k[i];
    y1[i] = in[i] + r;
    q[i] = 3.0 * r - gill_c1 * k[i];
  }
  algebraic_update(y1, in, I, type);

  stage_increments(y1, h, I, type, k);
  for (int i : integrated) {
    const double r = gill_c2 * (k[i] - q[i]);
    y2[i] = y1[i] + r;
    q[i] = q[i] + 3.0 * r - gill_c2 * k[i];
  }
  algebraic_update(y2, y1, I, type);

  stage_increments(y2, h, I, type, k);
  for (int i : integrated) {
    const double r = gill_c3 * (k[i] - q[i]);
    y3[i] = y2[i] + r;
    q[i] = q[i] + 3.0 * r - gill_c3 * k[i];
  }
  algebraic_update(y3, y2, I, type);

  stage_increments(y3, h, I, type, k);
  for (int i : integrated) {
    const double r = gill_c4 * (k[i] - 2.0 * q[i]);
    out[i] = y3[i] + r;
  }
  algebraic_update(out, y3, I, type);
}
