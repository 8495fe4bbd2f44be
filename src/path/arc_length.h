#pragma once

#include "path/path.h"

// Arc length of a path, its sampling table and the inversion s -> p.

struct arc_entry {
  double p;  // parameter
  double s;  // arc length from parameter 0 to p
};

// The table steps by 0.01 in the parameter and runs on to 1.5 times the end parameter.
// Its capacity follows from the largest end parameter a path may have; a path beyond it is
// refused by check_path_length before anything is integrated.
inline constexpr double max_end_param = 2000.0;
inline constexpr int arc_table_capacity = 300002;  // 1.5 * max_end_param / 0.01, plus two

// The sampling of one path (several megabytes: keep it in long-lived storage).
struct ArcTable {
  arc_entry entry[arc_table_capacity];
  // piece[k]: the integral from entry k - 1 to entry k that was added to form entry k,
  // kept so that a search stepping over the same interval need not integrate it again.
  double piece[arc_table_capacity];
  int last;  // index of the last entry filled
};

// Divides len into *n pieces of width *h (h keeps the sign of len).
void split_interval(double len, double step, double* h, int* n);

// Signed arc length from p0 to p1 by the composite Simpson rule (panels of about 0.002).
double arc_length(double p0, double p1, const Path& path);

// Samples the path into its table: entries every 0.01 up to the end parameter, the end
// entry, and the continuation up to 1.5 times the end parameter.
void build_arc_table(const Path& path, ArcTable& table);

// The parameter at arc length s, searched forward from p_guess through the table built for
// the path (path.length measured). A length of 0 or less gives the start, parameter 0; one
// at or beyond the path length the end parameter (the circle arc continues its closed form
// on both sides).
double param_at_length(double p_guess, double s, const Path& path, const ArcTable& table);
