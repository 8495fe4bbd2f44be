#include "model/vehicle.h"

VehicleConstants default_vehicle() {
  VehicleConstants v{};
  v.Vmax = 1.0;
  v.steer_speed = 2.0;
  v.dt = 0.02;
  v.dt_sim = 0.02;
  v.Ra = 1.0;
  v.wheel_base = 1.0;
  v.tread = 1.0;
  return v;
}
