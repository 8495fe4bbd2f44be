#pragma once

#include <cstdint>

#include "sim/normal_tables.h"

// Normally distributed random numbers from the uniform generator and the conversion
// tables.

// The generator's state and the tables it converts with.
struct RandomSource {
  uint32_t state;
  const NormalTables* tables;
};

// One draw: r = uniform_rand(), z = (r - 16384) / 32768, converted by normal_from_uniform.
double normal_rand(RandomSource& source);

// Converts a centred uniform number z in [-0.5, 0.5] to a normal value with the sign of z.
// |z| below 0.001 gives 0.4 * z; otherwise the table of the band of |z| is interpolated
// linearly, and a |z| outside the table's keys takes the value of the nearest end row.
double normal_from_uniform(double z, const NormalTables& tables);
