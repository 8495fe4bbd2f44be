#include "sim/kinematics.h"

#include <cmath>

#include "path/arc_length.h"
#include "path/path_curves.h"
#include "platform/sin_cos.h"
#include "sim/gill.h"

namespace {

// The velocity of a point moving at `speed` along the heading theta.
void move_along(double speed, double theta, double* dx, double* dy) {
  double s, c;
  sin_cos(theta, &s, &c);
  *dx = speed * c;
  *dy = speed * s;
}

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
  ReferenceMemo* const memo = st.ctx.memo;
  if (const ReferenceLookup* known = memo ? memo_find(*memo, b[ref_p], n[ref_s]) : nullptr) {
    n[ref_p] = known->p;
    n[ref_kappa] = known->kappa;
    n[ref_delta] = known->delta;
  } else {
    n[ref_p] = param_at_length(b[ref_p] - 0.1, n[ref_s], path, arc);
    n[ref_kappa] = path_curvature(n[ref_p], path);
    n[ref_delta] = std::atan(st.ctx.vehicle.tread * n[ref_kappa]);
    if (memo) memo_keep(*memo, {b[ref_p], n[ref_s], n[ref_p], n[ref_kappa], n[ref_delta]});
  }
  switch (type) {
    case AgvType::t2DW1C: {
      // Where the erroneous vehicle has travelled exactly as far as the reference (no error,
      // or one that does not change the travel), the same search gives the same parameter.
      const bool same_travel = n[err_s] == n[ref_s] && b[err_p] == b[ref_p];
      n[err_p] = same_travel ? n[ref_p] : param_at_length(b[err_p] - 0.1, n[err_s], path, arc);
      n[err_delta] = b[err_delta];
      const double kappa = n[err_p] == n[ref_p] ? n[ref_kappa] : path_curvature(n[err_p], path);
      n[err_kappa] = kappa * (1.0 + e.RearWHeelerr_R - e.RearWHeelerr_L) / (1.0 + e.WBerr);
      break;
    }
    case AgvType::t1FDW1FS:
    case AgvType::t1RDW1FS:
      // The steered vehicles' curvature follows from their steering angle: nothing of them
      // reads the path parameter at their travel, so it is not searched (err_p stays).
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

// Each type's derivatives in two parts: the reference and the error-free vehicle, which
// read only the command, the vehicle and their own components, and the faulty vehicle.

// 2DW1C: two driven rear wheels, front caster.
void ref_derivs_2dw1c(const DerivInputs& in, double d[24], double* set_agv_delta) {
  const sim_state& y = in.y;
  const VehicleConstants& st = in.st;
  const double V = in.cmd.V;
  const double kappa = y[ref_kappa];
  const double vL = V * (1.0 - kappa * st.wheel_base / 2.0);
  const double vR = V * (1.0 + kappa * st.wheel_base / 2.0);
  d[ref_s] = V;
  d[ref_theta] = V * kappa;
  move_along(V, y[ref_theta], &d[ref_x], &d[ref_y]);
  d[agv_s] = V;
  d[agv_theta] = V * kappa;
  move_along(V, y[agv_theta], &d[agv_x], &d[agv_y]);
  d[wheel_1] = vL;
  d[wheel_2] = vR;
  d[agv_delta] = 0.0;
  *set_agv_delta = y[ref_delta];
}

void err_derivs_2dw1c(const DerivInputs& in, double d[24], double* set_err_delta) {
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
  d[err_s] = ve;
  d[err_theta] = ((1.0 + eR) * vR - (1.0 + eL) * vL) / e.wheel_base_err;
  move_along(ve, y[err_theta], &d[err_x], &d[err_y]);
  d[err_delta] = 0.0;
  *set_err_delta = std::atan(e.tread_err * kappa);
}

// 1FDW1FS: the front wheel drives and steers.
void ref_derivs_1fdw1fs(const DerivInputs& in, double d[24]) {
  const sim_state& y = in.y;
  const VehicleConstants& st = in.st;
  const double V = in.cmd.V;
  const double dc = y[ref_delta];
  const double da = y[agv_delta];
  double sin_dc, cos_dc, sin_da, cos_da;
  sin_cos(dc, &sin_dc, &cos_dc);
  sin_cos(da, &sin_da, &cos_da);
  const double v_ref = V * cos_dc;  // speed of the rear axle's midpoint
  const double v_agv = V * cos_da;
  d[ref_s] = v_ref;
  d[ref_theta] = V * sin_dc / st.tread;
  move_along(v_ref, y[ref_theta], &d[ref_x], &d[ref_y]);
  d[agv_s] = v_agv;
  d[agv_theta] = V * sin_da / st.tread;
  move_along(v_agv, y[agv_theta], &d[agv_x], &d[agv_y]);
  d[wheel_1] = V;
  d[wheel_2] = v_ref;
  d[agv_delta] = in.cmd.w;
}

void err_derivs_1fdw1fs(const DerivInputs& in, double d[24]) {
  const sim_state& y = in.y;
  const MechanismErrors& e = in.e;
  const double V = in.cmd.V;
  const double de = y[err_delta] + e.steer_drift;
  const double v_wheel = V * (1.0 + e.FronWHeelerr);  // the erroneous front wheel's speed
  double sin_de, cos_de;
  sin_cos(de, &sin_de, &cos_de);
  const double ve = v_wheel * cos_de;
  d[err_s] = ve;
  d[err_theta] = v_wheel * sin_de / e.tread_err;
  move_along(ve, y[err_theta], &d[err_x], &d[err_y]);
  d[err_delta] = in.cmd.w;
}

// 1RDW1FS: one rear drive wheel, a steered front wheel.
void ref_derivs_1rdw1fs(const DerivInputs& in, double d[24]) {
  const sim_state& y = in.y;
  const VehicleConstants& st = in.st;
  const double V = in.cmd.V;
  const double dc = y[ref_delta];
  const double da = y[agv_delta];
  d[ref_s] = V;
  d[ref_theta] = V * std::tan(dc) / st.tread;
  move_along(V, y[ref_theta], &d[ref_x], &d[ref_y]);
  d[agv_s] = V;
  d[agv_theta] = V * std::tan(da) / st.tread;
  move_along(V, y[agv_theta], &d[agv_x], &d[agv_y]);
  d[wheel_1] = V;
  d[wheel_2] = V;
  d[agv_delta] = in.cmd.w;
}

void err_derivs_1rdw1fs(const DerivInputs& in, double d[24]) {
  const sim_state& y = in.y;
  const MechanismErrors& e = in.e;
  const double V = in.cmd.V;
  const double de = y[err_delta] + e.steer_drift;
  const double ve = V * (1.0 + (e.RearWHeelerr_L + e.RearWHeelerr_R) / 2.0);
  d[err_s] = ve;
  d[err_theta] = ve * std::tan(de) / e.tread_err;
  move_along(ve, y[err_theta], &d[err_x], &d[err_y]);
  d[err_delta] = in.cmd.w;
}

// The reference's and the error-free vehicle's derivatives (components 0..10).
void ref_derivs(const DerivInputs& in, AgvType type, double d[24], double* set_agv_delta) {
  switch (type) {
    case AgvType::t2DW1C:
      ref_derivs_2dw1c(in, d, set_agv_delta);
      break;
    case AgvType::t1FDW1FS:
      ref_derivs_1fdw1fs(in, d);
      break;
    case AgvType::t1RDW1FS:
      ref_derivs_1rdw1fs(in, d);
      break;
  }
}

// The faulty vehicle's derivatives (components 14..18).
void err_derivs(const DerivInputs& in, AgvType type, double d[24], double* set_err_delta) {
  switch (type) {
    case AgvType::t2DW1C:
      err_derivs_2dw1c(in, d, set_err_delta);
      break;
    case AgvType::t1FDW1FS:
      err_derivs_1fdw1fs(in, d);
      break;
    case AgvType::t1RDW1FS:
      err_derivs_1rdw1fs(in, d);
      break;
  }
}

void all_derivs(const sim_state& y, const Command& cmd, const Stage& stage, AgvType type,
                double d[24], double* set_agv_delta, double* set_err_delta) {
  const DerivInputs in{y, cmd, stage.ctx.vehicle, stage.e};
  ref_derivs(in, type, d, set_agv_delta);
  err_derivs(in, type, d, set_err_delta);
}

// One stage's derivatives, h times, with the type-1 steering components set in y.
// While the motion runs as in the memo's computation, the command and the reference's
// and error-free vehicle's derivatives of each stage are taken from there.
void stage_increments(sim_state& y, double h, const Stage& st, AgvType type, double k[24]) {
  double d[24];
  double set_agv = 0.0, set_err = 0.0;
  ReferenceMemo* const memo = st.ctx.memo;
  const ReferenceStage* known = memo ? memo_stage(*memo) : nullptr;
  const Command cmd = known ? Command{known->V, known->w} : commanded(y, st, type);
  const DerivInputs in{y, cmd, st.ctx.vehicle, st.e};
  if (known) {
    for (int i = 0; i < reference_derivs; ++i) d[i] = known->d[i];
    set_agv = known->set_agv;
  } else {
    ref_derivs(in, type, d, &set_agv);
    if (memo) {
      ReferenceStage kept{cmd.V, cmd.w, {}, set_agv};
      for (int i = 0; i < reference_derivs; ++i) kept.d[i] = d[i];
      memo_keep_stage(*memo, kept);
    }
  }
  err_derivs(in, type, d, &set_err);
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
