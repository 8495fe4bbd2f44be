#pragma once

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

struct ArcTables {
  arc_entry table[10][arc_table_capacity];  // one table per path, see arc_table_slot
  // piece[slot][k]: the integral from entry k - 1 to entry k that was added to form entry
  // k, kept so that a search stepping over the same interval need not integrate it again.
  double piece[10][arc_table_capacity];
  int last[10];  // index of the last entry filled
};

extern ArcTables arc_tables;

// Slot 0..9 of a path number's table.
int arc_table_slot(int I);

// Every table back to entry 0 only.
void reset_arc_tables();

// Divides len into *n pieces of width *h (h keeps the sign of len).
void split_interval(double len, double step, double* h, int* n);

// Signed arc length from p0 to p1 by the composite Simpson rule (panels of about 0.002).
double arc_length(double p0, double p1, int I);

// Samples path I into its table: entries every 0.01 up to the end parameter, the end entry,
// and the continuation up to 1.5 times the end parameter.
void build_arc_table(int I);

// The parameter at arc length s, searched forward from p_guess through the table.
double param_at_length(double p_guess, double s, int I);

// Integrates the whole length into paths.path_length[I] and compares it with
// smax = 3000 * ds. Returns 1 if the path fits; otherwise prints why and returns 0.
int check_path_length(int I);
