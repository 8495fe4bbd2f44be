#pragma once

// The random slip sequences: filtered, standardised normal random numbers, one per
// integration sub-step.

inline constexpr int sub_steps = 5;     // integration sub-steps per time step
inline constexpr double slip_tc = 1.0;  // s, time constant of the slip filter

// Fills out[0 .. n-1] with a sequence of mean 0 and standard deviation 1, low-pass filtered
// over about slip_tc. n is limited to 1..slip_noise_len; n < 1 writes nothing. Continues the
// generator: two calls in a row give different sequences.
void slip_noise_gen(int n, double* out);

// One Runge-Kutta-Gill step of length h of dx/dt = w - x / slip_tc, w held constant.
double lag_step(double x, double w, double h);
