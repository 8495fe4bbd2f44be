#pragma once

#include "path/path.h"

// Whether a path can be computed: its length against the limit of the trajectory store,
// and the paths that have no length to integrate.

enum class PathRefusal {
  none,
  end_param_too_large,  // end parameter beyond max_end_param: too fine to compute
  too_long,             // longer than smax, or a length that is not a number
  too_short,            // shorter than a micrometre: nothing to show or scale by
};

struct PathCheck {
  PathRefusal refusal;
  double length;     // m, the path length sf (not a number when it has none)
  double smax;       // m, 3000 steps of travel
  double end_param;  // the path's end parameter
};

// Integrates the whole length into path.length and compares it with smax = 3000 * ds, ds
// the travel of one time step.
PathCheck check_path_length(Path& path, double ds);
