#pragma once

#include "model/point2d.h"
#include "model/scenario.h"

// A CP path ready to be evaluated: its table entry, its constants, the constants derived
// from them, where it starts and ends and, once measured, its length. Built from a
// PathChoice by make_path; the curve operations (path_curves.h) read nothing else.

struct PathDescriptor;

inline constexpr int max_derived_constants = 4;

struct Path {
  const PathDescriptor* desc;
  double c[max_path_constants];     // the constants, in the order of the table entry
  double k[max_derived_constants];  // derived constants (cosine_k, ellipse_AA, ...)
  double end_param;                 // parameter at the end of the path
  point2d start_point;              // markers drawn by the scene
  point2d end_point;
  double length;  // m, set by check_path_length
};

// The path of a choice, derived (derive_path). False for a number that is no path.
bool make_path(const PathChoice& choice, Path* path);

// Recomputes the derived constants, the end parameter and the start and end points from
// the constants.
void derive_path(Path& path);

// The path number I.
int path_number(const Path& path);

// True for the polar curves r = r(beta); false for the curves y = f(x).
bool is_polar(const Path& path);
