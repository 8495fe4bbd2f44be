#pragma once

#include <string>

// The five tables that convert uniform random numbers to normally distributed ones, read
// once from their files and never changed.

inline constexpr int normal_table_count = 5;
inline constexpr int normal_table_rows = 50;  // capacity of one table (row indices 0..49)

// The files, in the order of the tables they fill.
inline constexpr const char* normal_table_files[normal_table_count] = {
    "normal01.data", "normal12.data", "normal23.data", "normal34.data", "normal45.data"};

// One row of a table: the normal value and the uniform key it belongs to.
struct normal_row {
  double value;
  double key;
};

// Table f serves the keys of [f/10, (f+1)/10); the last one also the key 0.5.
struct NormalTables {
  normal_row normal_tab[normal_table_count][normal_table_rows];  // keys strictly ascending
  int normal_tab_last[normal_table_count];  // index of the last valid row (at least 1)
};

// Reads one table file into table f (0..4) of *tables. The file holds the index L of its
// last row (1..49), then L + 1 rows "value key" with strictly ascending keys, numbers
// separated by any white space. A name that is not a regular file (a directory, a named
// pipe, a device) is not read, and never waited on. On any fault returns false, leaves
// table f unchanged and puts a short reason (Japanese and English, saying what the name is
// when it is not a file) into *error when error is not nullptr.
bool read_normal_table(const char* path, int f, NormalTables* tables, std::string* error);
