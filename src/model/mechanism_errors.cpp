#include "model/mechanism_errors.h"

#include <cmath>

namespace {

constexpr double percent = 0.01;              // entered percent -> stored ratio
constexpr double rad_per_deg = 0.0174532925;  // entered degrees -> stored radians

}  // namespace

MechanismErrors no_errors(const VehicleConstants& vehicle) {
  MechanismErrors e{};
  e.tread_err = vehicle.tread;
  e.wheel_base_err = vehicle.wheel_base;
  return e;
}

MechanismErrors mechanism_errors(const ErrorSetting& setting, const VehicleConstants& vehicle) {
  MechanismErrors e = no_errors(vehicle);
  double v[2] = {0.0, 0.0};
  for (int i = 0; i < error_value_count(setting.kind); ++i) {
    if (std::isfinite(setting.entered[i])) v[i] = setting.entered[i];
  }
  switch (setting.kind) {
    case ErrorKind::none:
      break;
    case ErrorKind::rear_wheels:
      e.RearWHeelerr_L = v[0] * percent;
      e.RearWHeelerr_R = v[1] * percent;
      break;
    case ErrorKind::front_wheel:
      e.FronWHeelerr = v[0] * percent;
      break;
    case ErrorKind::steering_drift:
      e.steer_drift = v[0] * rad_per_deg;
      break;
    case ErrorKind::geometry:
      e.WBerr = v[0] * percent;
      e.TRerr = v[1] * percent;
      e.tread_err = (1.0 + e.TRerr) * vehicle.tread;
      e.wheel_base_err = (1.0 + e.WBerr) * vehicle.wheel_base;
      break;
    case ErrorKind::slip:
      e.SLIP = v[0] * percent;
      break;
  }
  return e;
}

ErrorFault error_fault(const ErrorSetting& setting, const VehicleConstants& vehicle) {
  const MechanismErrors e = mechanism_errors(setting, vehicle);
  // Written so that a comparison that fails (a NaN made from finite values) is a fault too.
  if (!(1.0 + e.RearWHeelerr_L > 0.0) || !(1.0 + e.RearWHeelerr_R > 0.0)) {
    return ErrorFault::rear_wheel_radius;
  }
  if (!(1.0 + e.FronWHeelerr > 0.0)) return ErrorFault::front_wheel_radius;
  if (!(e.wheel_base_err > 0.0)) return ErrorFault::wheel_base;
  if (!(e.tread_err > 0.0)) return ErrorFault::tread;
  if (!(e.SLIP <= 1.0)) return ErrorFault::slip;
  return ErrorFault::none;
}

MechanismErrors slip_step_errors(const MechanismErrors& errors, double nL, double nR) {
  MechanismErrors e = errors;
  e.RearWHeelerr_L = -e.SLIP * (1.0 - nL);
  e.FronWHeelerr = e.RearWHeelerr_L;
  e.RearWHeelerr_R = -e.SLIP * (1.0 - nR);
  return e;
}
