#pragma once

#include <string>

#include "sim/random_state.h"

// The five conversion table files, in the order of the tables they fill.
inline constexpr const char* normal_table_files[normal_table_count] = {
    "normal01.data", "normal12.data", "normal23.data", "normal34.data", "normal45.data"};

// Reads one table file into normal_tables table f (0..4). The file holds the index L of its
// last row (1..49), then L + 1 rows "value key" with strictly ascending keys, numbers
// separated by any white space. On any fault returns false, leaves table f unchanged and
// puts a short reason (Japanese and English) into *error when error is not nullptr.
bool read_normal_table(const char* path, int f, std::string* error);

// Where to open a table file: the name as given when it exists in the working directory,
// else the data folder of the installation beside the running executable, else the data
// folder of the source tree. When no candidate exists the name is returned as given.
// After set_normal_table_dir(dir) only dir is used.
std::string find_normal_table(const char* name);

// Forces every table to be read from dir; nullptr or "" restores the search above.
void set_normal_table_dir(const char* dir);

// Start-up: finds and reads the five tables in order. On a fault prints which file and why
// and ends the process with status 1; afterwards prints the completion message.
void load_normal_tables();
