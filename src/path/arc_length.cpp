#include "path/arc_length.h"

#include <climits>
#include <cmath>

#include "path/path_curves.h"
#include "path/path_table.h"

namespace {

constexpr double table_step = 0.01;    // parameter step of the table and of the march
constexpr double panel_width = 0.002;  // target width of one Simpson panel
constexpr double search_tol = 1e-7;    // on arc length and on parameter

// A search that has not converged by then is stopped with its best point. Regular calls
// need one or two march steps and a handful of secant steps; the limits only matter for
// paths whose arc length is not a number somewhere.
constexpr int march_limit = 1000;
constexpr int start_reach = 50;  // entries a search from parameter 0 may march over
constexpr int secant_limit = 100;
constexpr double secant_reach = 100 * table_step;

}  // namespace

void split_interval(double len, double step, double* h, int* n) {
  const double a = std::fabs(len);
  if (a < 0.0001) {
    *n = 0;
    *h = 0.0;
    return;
  }
  const double pieces = std::trunc((a + 0.0001) / step);
  // A count beyond int (or not a number) cannot be integrated; callers refuse such spans
  // before they get here, this only keeps the conversion defined.
  *n = pieces < static_cast<double>(INT_MAX) ? static_cast<int>(pieces) : INT_MAX;
  if (*n == 0) {
    *n = 1;
    *h = len;
  } else {
    *h = len / *n;
  }
}

double arc_length(double p0, double p1, const Path& path) {
  if (std::fabs(p1 - p0) < 1e-8) return 0.0;
  double h;
  int n;
  split_interval(p1 - p0, panel_width, &h, &n);
  if (n == 0) {
    n = 1;
    h = p1 - p0;
  }
  h = h / 2.0;
  double sum = 0.0;
  double t = p0;
  double f_t = path_speed(t, path);
  for (int i = 0; i < n; ++i) {
    const double mid = t + h;
    const double end = mid + h;
    const double f_end = path_speed(end, path);
    sum += f_t + 4.0 * path_speed(mid, path) + f_end;
    t = end;
    f_t = f_end;  // the next panel starts where this one ends
  }
  return sum * h / 3.0;
}

void build_arc_table(const Path& path, ArcTable& arc) {
  arc_entry* table = arc.entry;
  double* piece = arc.piece;
  const double p_end = path.end_param;
  table[0] = {0.0, 0.0};
  arc.last = 0;
  // check_path_length refuses such paths; the table stays at its start entry.
  if (!(p_end >= 0.0 && p_end <= max_end_param)) return;

  double p = 0.0;
  double S = 0.0;
  int k = 0;
  // Entry k at parameter pn: the integral from the previous entry added to the sum.
  const auto append = [&](double pn) {
    piece[k] = arc_length(p, pn, path);
    S += piece[k];
    table[k] = {pn, S};
    p = pn;
  };
  for (;;) {  // regular entries; the parameter accumulates by repeated addition of 0.01
    ++k;
    if (k >= arc_table_capacity) {
      arc.last = arc_table_capacity - 1;
      return;
    }
    const double pn = p + table_step;
    if (pn > p_end) break;
    append(pn);
  }
  append(p_end);  // the end entry, at exactly the end parameter
  // The continuation lets the forward search find an entry at or beyond any s below the
  // path length, whatever the difference between this piecewise sum and the one-piece
  // integral of check_path_length.
  const double p_stop = 1.5 * p_end;
  for (;;) {
    ++k;
    if (k >= arc_table_capacity) break;
    const double pn = p + table_step;
    if (pn > p_stop) break;
    append(pn);
  }
  arc.last = k - 1;
}

double param_at_length(double p_guess, double s, const Path& path, const ArcTable& arc) {
  if (path.desc->param_at_length) return path.desc->param_at_length(s, path);
  // A length before the start (a vehicle that has rolled backwards) has the start as its
  // nearest point of the path; a forward search would never find it.
  if (s <= 0.0) return 0.0;
  if (s >= path.length - 1e-7) return path.end_param;

  const arc_entry* table = arc.entry;
  const double* piece = arc.piece;
  const int last = arc.last;

  double p0 = 0.0;
  double s0 = 0.0;
  int entry = 0;  // the table entry whose parameter p0 is, while the march follows entries
  const double g = p_guess / table_step;
  // A guess below 0.01 (negative, or not a number) starts at parameter 0 and marches from
  // there, as the first steps of a motion do. An answer far beyond the start is found
  // through the table instead of a march over the whole path.
  const bool from_start = !(g >= 1.0) || last < 1;
  if (!from_start || (last > start_reach && s > table[start_reach].s)) {
    int k = from_start ? 1 : g < last ? static_cast<int>(g) : last;
    // The simulation's guesses lie below the answer; a guess above it would march away
    // from it for ever, so such a search restarts from the first entry.
    if (table[k - 1].s > s) k = 1;
    while (s > table[k].s && k < last) ++k;
    entry = k - 1;
    p0 = table[entry].p;
    s0 = table[entry].s;
  }
  if (std::fabs(s - s0) < search_tol) return p0;

  // Residuals: arc length at the point minus the target. Every new residual is the one of
  // p0 plus the integral from p0, so nothing is integrated from the start of the path.
  double f0 = s0 - s;
  if (!std::isfinite(f0)) return p0;
  double p1;
  double f1;
  for (int i = 0;; ++i) {
    p1 = p0 + table_step;
    // The table was built by the same steps of 0.01: where the next entry is this p1, its
    // piece is this very integral.
    const bool on_table = entry >= 0 && entry < last && table[entry + 1].p == p1;
    f1 = f0 + (on_table ? piece[entry + 1] : arc_length(p0, p1, path));
    entry = on_table ? entry + 1 : -1;
    if (std::fabs(f1) < search_tol) return p1;
    if (!std::isfinite(f1)) return p0;
    if (!(f0 * f1 > 0.0)) break;
    if (i >= march_limit) return p1;
    p0 = p1;
    f0 = f1;
  }
  // Secant steps; each keeps the point of smaller residual, not the change of sign.
  for (int i = 0;; ++i) {
    const double pm = p0 - f0 * (p1 - p0) / (f1 - f0);
    // A step that leaves the neighbourhood of the bracket (residuals that do not change,
    // where the speed vanishes) would integrate over a span of any size: stop instead.
    if (!(std::fabs(pm - p0) <= secant_reach)) return std::fabs(f0) <= std::fabs(f1) ? p0 : p1;
    const double fm = f0 + arc_length(p0, pm, path);
    if (std::fabs(fm) < search_tol || std::fabs(pm - p0) < search_tol ||
        std::fabs(pm - p1) < search_tol || !std::isfinite(fm) || i >= secant_limit) {
      return pm;
    }
    if (std::fabs(f1) > std::fabs(f0)) {
      p1 = pm;
      f1 = fm;
    } else {
      p0 = pm;
      f0 = fm;
    }
  }
}
