#pragma once

// The vehicle and time-step constants every computation runs with. Lengths in metres,
// times in seconds, angles in radians.
struct VehicleConstants {
  double Vmax;         // m/s, travel speed of every vehicle
  double steer_speed;  // rad/s, steering speed of the steered types
  double dt;           // s, printed in the report only
  double dt_sim;       // s, time step of the simulation
  double Ra;           // m, minimum turning radius, printed only
  double wheel_base;   // m, distance between the two rear wheels ("WheelBase")
  double tread;        // m, distance between front and rear wheels ("Tread")
};

// Speed 1 m/s, steering 2 rad/s, steps of 0.02 s, Ra, WheelBase and Tread 1 m.
VehicleConstants default_vehicle();

// m, travel in one time step; a path may be 3000 of them long.
inline double travel_per_step(const VehicleConstants& v) {
  return v.Vmax * v.dt_sim;
}

// rad, the largest change of the steering angle in one time step.
inline double steer_step_max(const VehicleConstants& v) {
  return v.steer_speed * v.dt_sim;
}
