#pragma once

#include <string_view>

#include "path/path_constants.h"

// The path constants by the names the code gives them. The enterable ones of a path stand
// in the order its prompt reads them; the selection dialog stores through this table, and
// the command line and the CSV comment lines of the exporter name them by it.
struct NamedConstant {
  const char* name;
  int path;                       // the path number the constant belongs to
  double PathConstants::*member;  // where it lives in `paths`
  bool enterable;                 // false for cardioid_B and wavy_R, which are fixed
};

inline constexpr NamedConstant named_constants[] = {
    {"cosine_A", 1, &PathConstants::cosine_A, true},
    {"cosine_L", 1, &PathConstants::cosine_L, true},
    {"cosine_n", 1, &PathConstants::cosine_n, true},
    {"cycloid_A", 2, &PathConstants::cycloid_A, true},
    {"cycloid_L", 2, &PathConstants::cycloid_L, true},
    {"quad_A", 3, &PathConstants::quad_A, true},
    {"quad_L", 3, &PathConstants::quad_L, true},
    {"cubic_A", 4, &PathConstants::cubic_A, true},
    {"cubic_L", 4, &PathConstants::cubic_L, true},
    {"ellipse_A", 11, &PathConstants::ellipse_A, true},
    {"ellipse_B", 11, &PathConstants::ellipse_B, true},
    {"spiral_A", 12, &PathConstants::spiral_A, true},
    {"spiral_n", 12, &PathConstants::spiral_n, true},
    {"cardioid_A", 13, &PathConstants::cardioid_A, true},
    {"cardioid_B", 13, &PathConstants::cardioid_B, false},
    {"rose_A", 14, &PathConstants::rose_A, true},
    {"rose_n", 14, &PathConstants::rose_n, true},
    {"arc_R", 15, &PathConstants::arc_R, true},
    {"arc_n", 15, &PathConstants::arc_n, true},
    {"wavy_R", 16, &PathConstants::wavy_R, false},
    {"wavy_A", 16, &PathConstants::wavy_A, true},
    {"wavy_n", 16, &PathConstants::wavy_n, true},
};

// The constant a user may set under this name, or nullptr.
inline const NamedConstant* find_enterable_constant(std::string_view name) {
  for (const NamedConstant& c : named_constants) {
    if (c.enterable && name == c.name) return &c;
  }
  return nullptr;
}
