#pragma once

#include "model/error_kind.h"
#include "model/vehicle.h"

// The error as the user chose it: its kind and the values as entered, in percent or
// degrees. Values the kind does not take are ignored.
struct ErrorSetting {
  ErrorKind kind;
  double entered[2];
};

// The errors as the vehicle model uses them: ratios as fractions (5 % is 0.05), the drift
// in radians, and the geometry of the faulty vehicle. Exactly one kind is non-zero.
struct MechanismErrors {
  double RearWHeelerr_L;  // rear wheel radius error ratios, left and right
  double RearWHeelerr_R;
  double FronWHeelerr;    // front wheel radius error ratio
  double steer_drift;     // rad, added to the steering angle
  double WBerr;           // WheelBase error ratio
  double TRerr;           // Tread error ratio
  double SLIP;            // mean slowing of the slipping drive wheels
  double wheel_base_err;  // m, WheelBase of the faulty vehicle
  double tread_err;       // m, Tread of the faulty vehicle
};

// Every error 0 and the nominal geometry.
MechanismErrors no_errors(const VehicleConstants& vehicle);

// The entered values converted: percent to ratios, degrees to radians; the geometry error
// also sets the faulty geometry. A value that is not a finite number leaves its error at 0.
MechanismErrors mechanism_errors(const ErrorSetting& setting, const VehicleConstants& vehicle);

// What makes an error describe no vehicle that can exist. The rule is on the errors as the
// model uses them, so a value that rounds onto a limit is caught as well.
enum class ErrorFault {
  none,
  rear_wheel_radius,   // a rear wheel of radius zero or less (an error of -100 % or less)
  front_wheel_radius,  // the front wheel likewise
  wheel_base,          // a WheelBase of zero or less
  tread,               // a Tread of zero or less
  slip,                // slip above 100 %: the slipping wheels would on average drive the
                       // vehicle backwards, which slipping cannot do
};

// The first fault of the setting, or ErrorFault::none. Values that are not finite count as
// 0, as in mechanism_errors.
ErrorFault error_fault(const ErrorSetting& setting, const VehicleConstants& vehicle);

// The wheel errors of one step of random slip: each drive wheel slower by SLIP on average,
// varying by SLIP with the standardised slip values nL and nR of the step. The front wheel
// slips as the left one does.
MechanismErrors slip_step_errors(const MechanismErrors& errors, double nL, double nR);
