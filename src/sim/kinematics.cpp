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
  n[err_p] = param_at_length(b[err_p] - 0.1, n[err_s], I);
  if (type == 1) {
    n[err_delta] = b[err_delta];
    n[err_kappa] = path_curvature(n[err_p], I) * (1.0 + st.RearWHeelerr_R - st.RearWHeelerr_L) /
                   (1.0 + st.WBerr);
  } else {
    n[err_kappa] = std::tan(n[err_delta] + st.steer_drift) / st.tread_err;
  }
}

}  // namespace

double sim_deriv(int i, double /*t*/, int I, int type, sim_state& y) {
  const Settings& st = settings;
  const Command cmd = commanded(y, I, type);
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
    switch (i) {
      case ref_s:
        return V;
      case ref_theta:
        return V * kappa;
      case ref_x:
        return V * std::cos(y[ref_theta]);
      case ref_y:
        return V * std::sin(y[ref_theta]);
      case agv_s:
        return V;
      case agv_theta:
        return V * kappa;
      case agv_x:
        return V * std::cos(y[agv_theta]);
      case agv_y:
        return V * std::sin(y[agv_theta]);
      case wheel_1:
        return vL;
      case wheel_2:
        return vR;
      case agv_delta:
        y[agv_delta] = y[ref_delta];
        return 0.0;
      case err_s:
        return ve;
      case err_theta:
        return ((1.0 + eR) * vR - (1.0 + eL) * vL) / st.wheel_base_err;
      case err_x:
        return ve * std::cos(y[err_theta]);
      case err_y:
        return ve * std::sin(y[err_theta]);
      case err_delta:
        y[err_delta] = std::atan(st.tread_err * kappa);
        return 0.0;
      default:
        return 0.0;
    }
  }

  const double dc = y[ref_delta];
  const double da = y[agv_delta];
  if (type == 2) {  // 1FDW1FS: the front wheel drives and steers
    const double ve = V * (1.0 + eF) * std::cos(de);
    switch (i) {
      case ref_s:
        return V * std::cos(dc);
      case ref_theta:
        return V * std::sin(dc) / st.tread;
      case ref_x:
        return V * std::cos(dc) * std::cos(y[ref_theta]);
      case ref_y:
        return V * std::cos(dc) * std::sin(y[ref_theta]);
      case agv_s:
        return V * std::cos(da);
      case agv_theta:
        return V * std::sin(da) / st.tread;
      case agv_x:
        return V * std::cos(da) * std::cos(y[agv_theta]);
      case agv_y:
        return V * std::cos(da) * std::sin(y[agv_theta]);
      case wheel_1:
        return V;
      case wheel_2:
        return V * std::cos(dc);
      case agv_delta:
        return cmd.w;
      case err_s:
        return ve;
      case err_theta:
        return V * (1.0 + eF) * std::sin(de) / st.tread_err;
      case err_x:
        return ve * std::cos(y[err_theta]);
      case err_y:
        return ve * std::sin(y[err_theta]);
      case err_delta:
        return cmd.w;
      default:
        return 0.0;
    }
  }

  // 1RDW1FS: one rear drive wheel, a steered front wheel
  const double ve = V * (1.0 + (eL + eR) / 2.0);
  switch (i) {
    case ref_s:
      return V;
    case ref_theta:
      return V * std::tan(dc) / st.tread;
    case ref_x:
      return V * std::cos(y[ref_theta]);
    case ref_y:
      return V * std::sin(y[ref_theta]);
    case agv_s:
      return V;
    case agv_theta:
      return V * std::tan(da) / st.tread;
    case agv_x:
      return V * std::cos(y[agv_theta]);
    case agv_y:
      return V * std::sin(y[agv_theta]);
    case wheel_1:
      return V;
    case wheel_2:
      return V;
    case agv_delta:
      return cmd.w;
    case err_s:
      return ve;
    case err_theta:
      return V * (1.0 + (eL + eR) / 2.0) * std::tan(de) / st.tread_err;
    case err_x:
      return ve * std::cos(y[err_theta]);
    case err_y:
      return ve * std::sin(y[err_theta]);
    case err_delta:
      return cmd.w;
    default:
      return 0.0;
  }
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

  for (int i : integrated) {
    const double k = h * sim_deriv(i, t, I, type, in);
    const double r = gill_c1 * k;
    y1[i] = in[i] + r;
    q[i] = 3.0 * r - gill_c1 * k;
  }
  algebraic_update(y1, in, I, type);

  for (int i : integrated) {
    const double k = h * sim_deriv(i, t + h / 2.0, I, type, y1);
    const double r = gill_c2 * (k - q[i]);
    y2[i] = y1[i] + r;
    q[i] = q[i] + 3.0 * r - gill_c2 * k;
  }
  algebraic_update(y2, y1, I, type);

  for (int i : integrated) {
    const double k = h * sim_deriv(i, t + h / 2.0, I, type, y2);
    const double r = gill_c3 * (k - q[i]);
    y3[i] = y2[i] + r;
    q[i] = q[i] + 3.0 * r - gill_c3 * k;
  }
  algebraic_update(y3, y2, I, type);

  for (int i : integrated) {
    const double k = h * sim_deriv(i, t + h, I, type, y3);
    const double r = gill_c4 * (k - 2.0 * q[i]);
    out[i] = y3[i] + r;
  }
  algebraic_update(out, y3, I, type);
}
