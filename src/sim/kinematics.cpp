#include "sim/kinematics.h"

#include <cmath>

#include "path/arc_length.h"
#include "path/path_curves.h"
#include "sim/gill.h"

namespace {

// Drive speed V and steering rate w commanded from the reference components of a state.
struct Command {
  double V;
  double w;
};

// The vehicle, the errors of the step and the path, as one stage reads them.
struct Stage {
  const SimContext& ctx;
  const MechanismErrors& e;
};

Command commanded(const sim_state& y, const Stage& st, AgvType type) {
  const VehicleConstants& v = st.ctx.vehicle;
  double g = 0.0;
  switch (type) {
    case AgvType::t2DW1C:
      return {v.Vmax, 0.0};
    case AgvType::t1FDW1FS: {
      // g is the steering rate per unit drive speed that keeps the steering angle at
      // atan(tread * kappa) along the path; this type's reference moves at V cos(delta).
      const double c = std::cos(y[ref_delta]);
      const double rate = path_curvature_rate(y[ref_p], *st.ctx.path);
      g = c * c * c * st.e.tread_err * rate;
      break;
    }
    case AgvType::t1RDW1FS: {
      const double c = std::cos(y[ref_delta]);
      const double rate = path_curvature_rate(y[ref_p], *st.ctx.path);
      g = c * c * st.e.tread_err * rate;
      break;
    }
  }
  const double w = g * v.Vmax;
  if (std::fabs(w) <= v.steer_speed) return {v.Vmax, w};
  // The steering cannot follow: the whole vehicle slows down until it can.
  return {v.steer_speed / std::fabs(g), w > 0.0 ? v.steer_speed : -v.steer_speed};
}

// Integrated components, in the order every stage visits them.
constexpr int integrated[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, 16, 17, 18};

// Recomputes the components taken from the path for a new stage state n, searching each
// parameter forward from 0.1 below the previous stage's value.
void algebraic_update(sim_state& n, const sim_state& b, const Stage& st, AgvType type) {
  const Path& path = *st.ctx.path;
  const ArcTable& arc = *st.ctx.arc;
  const MechanismErrors& e = st.e;
  n[ref_p] = param_at_length(b[ref_p] - 0.1, n[ref_s], path, arc);
  n[ref_kappa] = path_curvature(n[ref_p], path);
  n[ref_delta] = std::atan(st.ctx.vehicle.tread * n[ref_kappa]);
  // Where the erroneous vehicle has travelled exactly as far as the reference (no error, or
  // one that does not change the travel), the same search gives the same parameter.
  const bool same_travel = n[err_s] == n[ref_s] && b[err_p] == b[ref_p];
  n[err_p] = same_travel ? n[ref_p] : param_at_length(b[err_p] - 0.1, n[err_s], path, arc);
  switch (type) {
    case AgvType::t2DW1C: {
      n[err_delta] = b[err_delta];
      const double kappa = n[err_p] == n[ref_p] ? n[ref_kappa] : path_curvature(n[err_p], path);
      n[err_kappa] = kappa * (1.0 + e.RearWHeelerr_R - e.RearWHeelerr_L) / (1.0 + e.WBerr);
      break;
    }
    case AgvType::t1FDW1FS:
    case AgvType::t1RDW1FS:
      n[err_kappa] = std::tan(n[err_delta] + e.steer_drift) / e.tread_err;
      break;
  }
}

// The derivatives of all integrated components of y at once, with the commanded motion of
// the stage. Each is formed with exactly the operations of its equation, so evaluating
// them together gives the same bits as one at a time; shared factors are computed once.
// For type 2DW1C the steering components are not integrated: *set_agv_delta and
// *set_err_delta receive the values they are set to, and their derivatives are 0.
struct DerivInputs {
  const sim_state& y;
  const Command& cmd;
  const VehicleConstants& st;
  const MechanismErrors& e;
};

// 2DW1C: two driven rear wheels, front caster.
void derivs_2dw1c(const DerivInputs& in, double d[24], double* set_agv_delta,
                  double* set_err_delta) {
  const sim_state& y = in.y;
  const VehicleConstants& st = in.st;
  const MechanismErrors& e = in.e;
  const double V = in.cmd.V;
  const double eL = e.RearWHeelerr_L;
  const double eR = e.RearWHeelerr_R;
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
  d[err_theta] = ((1.0 + eR) * vR - (1.0 + eL) * vL) / e.wheel_base_err;
  d[err_x] = ve * std::cos(y[err_theta]);
  d[err_y] = ve * std::sin(y[err_theta]);
  d[err_delta] = 0.0;
  *set_err_delta = std::atan(e.tread_err * kappa);
}

// 1FDW1FS: the front wheel drives and steers.
void derivs_1fdw1fs(const DerivInputs& in, double d[24]) {
  const sim_state& y = in.y;
  const VehicleConstants& st = in.st;
  const MechanismErrors& e = in.e;
  const double V = in.cmd.V;
  const double de = y[err_delta] + e.steer_drift;
  const double dc = y[ref_delta];
  const double da = y[agv_delta];
  const double v_ref = V * std::cos(dc);  // speed of the rear axle's midpoint
  const double v_agv = V * std::cos(da);
  const double v_wheel = V * (1.0 + e.FronWHeelerr);  // the erroneous front wheel's speed
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
  d[agv_delta] = in.cmd.w;
  d[err_s] = ve;
  d[err_theta] = v_wheel * std::sin(de) / e.tread_err;
  d[err_x] = ve * std::cos(y[err_theta]);
  d[err_y] = ve * std::sin(y[err_theta]);
  d[err_delta] = in.cmd.w;
}

// 1RDW1FS: one rear drive wheel, a steered front wheel.
void derivs_1rdw1fs(const DerivInputs& in, double d[24]) {
  const sim_state& y = in.y;
  const VehicleConstants& st = in.st;
  const MechanismErrors& e = in.e;
  const double V = in.cmd.V;
  const double de = y[err_delta] + e.steer_drift;
  const double dc = y[ref_delta];
  const double da = y[agv_delta];
  const double ve = V * (1.0 + (e.RearWHeelerr_L + e.RearWHeelerr_R) / 2.0);
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
  d[agv_delta] = in.cmd.w;
  d[err_s] = ve;
  d[err_theta] = ve * std::tan(de) / e.tread_err;
  d[err_x] = ve * std::cos(y[err_theta]);
  d[err_y] = ve * std::sin(y[err_theta]);
  d[err_delta] = in.cmd.w;
}

void all_derivs(const sim_state& y, const Command& cmd, const Stage& stage, AgvType type,
                double d[24], double* set_agv_delta, double* set_err_delta) {
  const DerivInputs in{y, cmd, stage.ctx.vehicle, stage.e};
  switch (type) {
    case AgvType::t2DW1C:
      derivs_2dw1c(in, d, set_agv_delta, set_err_delta);
      break;
    case AgvType::t1FDW1FS:
      derivs_1fdw1fs(in, d);
      break;
    case AgvType::t1RDW1FS:
      derivs_1rdw1fs(in, d);
      break;
  }
}

// One stage's derivatives, h times, with the type-1 steering components set in y.
void stage_increments(sim_state& y, double h, const Stage& st, AgvType type, double k[24]) {
  double d[24];
  double set_agv = 0.0, set_err = 0.0;
  all_derivs(y, commanded(y, st, type), st, type, d, &set_agv, &set_err);
  if (type == AgvType::t2DW1C) {
    y[agv_delta] = set_agv;
    y[err_delta] = set_err;
  }
  for (int i : integrated) k[i] = h * d[i];
}

}  // namespace

MechanismErrors step_errors(const SimContext& ctx, const sim_state& state) {
  // Under random slip each wheel is slower by SLIP on average, varying by SLIP.
  return ctx.kind == ErrorKind::slip ? slip_step_errors(ctx.errors, state[slip_l], state[slip_r])
                                     : ctx.errors;
}

double sim_deriv(int i, double /*t*/, const SimContext& ctx, AgvType type, sim_state& y) {
  const MechanismErrors e = step_errors(ctx, y);
  const Stage st{ctx, e};
  double d[24];
  double set_agv = 0.0, set_err = 0.0;
  all_derivs(y, commanded(y, st, type), st, type, d, &set_agv, &set_err);
  if (type == AgvType::t2DW1C && i == agv_delta) y[agv_delta] = set_agv;
  if (type == AgvType::t2DW1C && i == err_delta) y[err_delta] = set_err;
  return d[i];
}

void sim_step(double t, double h, const SimContext& ctx, AgvType type, sim_state& in,
              sim_state& out) {
  const MechanismErrors e = step_errors(ctx, in);
  const Stage st{ctx, e};
  sim_state y1 = in, y2 = in, y3 = in;
  out = in;
  double q[24];
  double k[24];

  // The derivatives do not depend on the time, so the stage times t, t + h/2 and t + h
  // need not be passed on.
  (void)t;
  stage_increments(in, h, st, type, k);
  for (int i : integrated) {
    const double r = gill_c1 * k[i];
    y1[i] = in[i] + r;
    q[i] = 3.0 * r - gill_c1 * k[i];
  }
  algebraic_update(y1, in, st, type);

  stage_increments(y1, h, st, type, k);
  for (int i : integrated) {
    const double r = gill_c2 * (k[i] - q[i]);
    y2[i] = y1[i] + r;
    q[i] = q[i] + 3.0 * r - gill_c2 * k[i];
  }
  algebraic_update(y2, y1, st, type);

  stage_increments(y2, h, st, type, k);
  for (int i : integrated) {
    const double r = gill_c3 * (k[i] - q[i]);
    y3[i] = y2[i] + r;
    q[i] = q[i] + 3.0 * r - gill_c3 * k[i];
  }
  algebraic_update(y3, y2, st, type);

  stage_increments(y3, h, st, type, k);
  for (int i : integrated) {
    const double r = gill_c4 * (k[i] - 2.0 * q[i]);
    out[i] = y3[i] + r;
  }
  algebraic_update(out, y3, st, type);
}
