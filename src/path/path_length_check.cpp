#include <cmath>

#include "control/settings.h"
#include "path/arc_length.h"
#include "path/path_constants.h"
#include "platform/console.h"

namespace {

// Shorter than this the motion has no extent to show or to scale a chart by: a path of zero
// length (a spiral, arc or rose with n = 0, a zero L or A) is refused.
constexpr double min_path_length = 1e-6;

}  // namespace

int check_path_length(int I) {
  const double smax = 3000 * settings.ds;
  const double p_end = paths.path_end_param[I];
  if (std::isfinite(p_end) && p_end > max_end_param) {
    // Integrating such a path would take minutes and its table would not fit: refuse it
    // before anything is integrated.
    paths.path_length[I] = NAN;
    console_print(
        "\n経路番号I=%d 終点パラメータ=%.6g>%.0f=上限を超えている(細か過ぎて計算できない)．"
        "経路設定し直し",
        I, p_end, max_end_param);
    return 0;
  }
  // An end parameter that is not a finite non-negative number has no length to integrate.
  const double sf = (p_end >= 0.0 && std::isfinite(p_end)) ? arc_length(0.0, p_end, I)
                    : std::isnan(p_end)                    ? NAN
                                                           : INFINITY;
  paths.path_length[I] = sf;
  if (!(sf <= smax)) {  // also refuses a length that is not a number
    console_print("\n経路番号I=%d 経路長sf=%7.4f>%7.4f=smax限界を超えている．経路設定し直し", I, sf,
                  smax);
    return 0;
  }
  if (!(sf >= min_path_length)) {
    console_print("\n経路番号I=%d 経路長sf=%7.4f 経路長が短過ぎる．経路設定し直し", I, sf);
    return 0;
  }
  return 1;
}
