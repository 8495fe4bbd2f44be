#pragma once

#include "sim/normal_rand.h"

// The random slip sequences: filtered, standardised normal random numbers, one per
// integration sub-step.

inline constexpr int sub_steps = 5;           // integration sub-steps per time step
inline constexpr double slip_tc = 1.0;        // s, time constant of the slip filter
inline constexpr int slip_noise_len = 30001;  // values per sequence (5 * MAX + 1 sub-steps)

// The two sequences of a computation (left and right drive wheel) and the filter's input.
struct SlipSequences {
  double slip_noise_l[slip_noise_len];
  double slip_noise_r[slip_noise_len];
  double work[slip_noise_len];  // drawn inputs of the filter
};

// Fills out[0 .. n-1] with a sequence of mean 0 and standard deviation 1, low-pass filtered
// over about slip_tc, integrated in sub-steps of dt_sim / sub_steps. n is limited to
// 1..slip_noise_len; n < 1 writes nothing. work holds n values. Continues the generator:
// two calls in a row give different sequences.
void slip_noise_gen(int n, double* out, RandomSource& source, double dt_sim, double* work);

// One Runge-Kutta-Gill step of length h of dx/dt = w - x / slip_tc, w held constant.
double lag_step(double x, double w, double h);
