#pragma once

#include <cstdint>

#include "model/mechanism_errors.h"
#include "model/vehicle.h"

// Everything a computation depends on. A computation reads nothing else and two equal
// scenarios give the same bits.

inline constexpr int max_path_constants = 3;

// The CP path: its number I (1..4 or 11..16) and its constants in the order of the
// path's table entry (the entered ones and the fixed ones).
struct PathChoice {
  int number;
  double constants[max_path_constants];
};

struct Scenario {
  PathChoice path;
  ErrorSetting error;
  VehicleConstants vehicle;
  // State of the slip generator when the computation starts: 1 in a fresh program. Runs
  // with random slip continue it; the result says where it stopped.
  uint32_t random_state;
};
