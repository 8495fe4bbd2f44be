#pragma once

#include <cstdint>

// Program-wide state of the random slip: the generator, the two slip sequences and the
// conversion tables from uniform to normally distributed numbers.

inline constexpr int slip_noise_len = 30001;  // values per slip sequence (5 * MAX + 1 sub-steps)
inline constexpr int normal_table_count = 5;
inline constexpr int normal_table_rows = 50;  // capacity of one table (row indices 0..49)

// What changes while the program runs. One instance, `random_state`.
struct RandomState {
  uint32_t lcg_state;  // state of the uniform generator; 1 at start, never reseeded
  double slip_noise_l[slip_noise_len];  // slip of the first (left) drive wheel per sub-step
  double slip_noise_r[slip_noise_len];  // slip of the second (right) drive wheel per sub-step
};

// One row of a conversion table: the normal value and the uniform key it belongs to.
struct normal_row {
  double value;
  double key;
};

// The conversion tables, read once at start and never changed. One instance, `normal_tables`.
// Table f serves the keys of [f/10, (f+1)/10); the last one also the key 0.5.
struct NormalTables {
  normal_row normal_tab[normal_table_count][normal_table_rows];  // keys strictly ascending
  int normal_tab_last[normal_table_count];  // index of the last valid row (at least 1)
};

extern RandomState random_state;
extern NormalTables normal_tables;

// Start-up values of `random_state`: generator state 1, both slip sequences zero.
// The tables are left alone.
void reset_random_state();
