#include "sim/slip_noise.h"

#include <cmath>

#include "sim/gill.h"
#include "sim/normal_rand.h"

double lag_step(double x, double w, double h) {
  double k = h * (w - x / slip_tc);
  double r = gill_c1 * k;
  const double y1 = x + r;
  double q = gill_factor * r - gill_c1 * k;

  k = h * (w - y1 / slip_tc);
  r = gill_c2 * (k - q);
  const double y2 = y1 + r;
  q = q + gill_factor * r - gill_c2 * k;

  k = h * (w - y2 / slip_tc);
  r = gill_c3 * (k - q);
  const double y3 = y2 + r;
  q = q + gill_factor * r - gill_c3 * k;

  k = h * (w - y3 / slip_tc);
  return y3 + gill_c4 * (k - 2.0 * q);
}

void slip_noise_gen(int n, double* out, RandomSource& source, double dt_sim, double* w) {
  if (n < 1) return;
  if (n > slip_noise_len) n = slip_noise_len;
  // w[0] is drawn but unused.

  // Skip 1..417 draws so that each sequence starts at a random place of the generator.
  const double z0 = normal_rand(source);
  const int skip = static_cast<int>(std::fabs(z0) * 100.0) + 1;
  for (int i = 0; i < skip; ++i) normal_rand(source);

  for (int i = 0; i < n; ++i) w[i] = normal_rand(source);

  const double hh = dt_sim / sub_steps;
  double x = 0.0;
  out[0] = 0.0;
  for (int i = 1; i < n; ++i) {
    x = lag_step(x, w[i], hh);
    out[i] = x;
  }

  double sum = 0.0;
  double sum_sq = 0.0;
  for (int j = 0; j < n; ++j) {
    sum += out[j];
    sum_sq += out[j] * out[j];
  }
  const double m = sum / n;
  const double var = sum_sq / n - m * m;
  // Only a sequence without spread (n = 1) cannot be standardised; it stays all zero.
  if (!(var > 0.0)) return;
  const double sd = std::sqrt(var);
  for (int j = 0; j < n; ++j) out[j] = (out[j] - m) / sd;
}
