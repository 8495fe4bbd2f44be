#include "path/path_length_check.h"

#include <cmath>

#include "path/arc_length.h"

namespace {

// Shorter than this the motion has no extent to show or to scale a chart by: a path of zero
// length (a spiral, arc or rose with n = 0, a zero L or A) is refused.
constexpr double min_path_length = 1e-6;

}  // namespace

PathCheck check_path_length(Path& path, double ds) {
  PathCheck check{PathRefusal::none, 0.0, 3000 * ds, path.end_param};
  const double p_end = path.end_param;
  if (std::isfinite(p_end) && p_end > max_end_param) {
    // Integrating such a path would take minutes and its table would not fit: refuse it
    // before anything is integrated.
    path.length = NAN;
    check.length = NAN;
    check.refusal = PathRefusal::end_param_too_large;
    return check;
  }
  // An end parameter that is not a finite non-negative number has no length to integrate.
  const double sf = (p_end >= 0.0 && std::isfinite(p_end)) ? arc_length(0.0, p_end, path)
                    : std::isnan(p_end)                    ? NAN
                                                           : INFINITY;
  path.length = sf;
  check.length = sf;
  if (!(sf <= check.smax)) {  // also refuses a length that is not a number
    check.refusal = PathRefusal::too_long;
  } else if (!(sf >= min_path_length)) {
    check.refusal = PathRefusal::too_short;
  }
  return check;
}
