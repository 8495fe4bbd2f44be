#include "sim/normal_rand.h"

#include <cmath>

#include "sim/uniform_rand.h"

double normal_rand(RandomSource& source) {
  const int r = uniform_rand(source.state);
  const double z = (r - 16384) / 32768.0;
  return normal_from_uniform(z, *source.tables);
}

double normal_from_uniform(double z, const NormalTables& tables) {
  const double a = std::fabs(z);
  if (a < 0.001) return 0.4 * z;

  int f;
  if (a < 0.1) {
    f = 0;
  } else if (a < 0.2) {
    f = 1;
  } else if (a < 0.3) {
    f = 2;
  } else if (a < 0.4) {
    f = 3;
  } else {
    f = 4;
  }
  const normal_row* row = tables.normal_tab[f];
  const int last = tables.normal_tab_last[f];

  // The loader guarantees at least two rows; a key outside them (or NaN) is clamped.
  double v = a < row[0].key ? row[0].value : row[last].value;
  for (int i = 0; i < last; ++i) {
    if (row[i].key <= a && a <= row[i + 1].key) {
      v = row[i].value +
          (a - row[i].key) * (row[i + 1].value - row[i].value) / (row[i + 1].key - row[i].key);
      break;
    }
  }
  return v * z / a;
}
