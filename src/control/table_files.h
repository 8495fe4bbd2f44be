#pragma once

#include <string>

#include "sim/normal_tables.h"

// Where the five random tables are found, and reading all of them.

// Where to open a table file: with `dir` given, only there; otherwise the name as given
// when it exists in the working directory, else the data folder of the installation beside
// the running program, else the data folder of the source tree. When no candidate exists
// the name is returned as given.
std::string find_normal_table(const char* name, const std::string& dir);

// Finds and reads the five tables in order. On a fault returns false and puts into
// *message which file could not be read and why (Japanese and English, UTF-8).
bool read_normal_tables(NormalTables* tables, const std::string& dir, std::string* message);

// True when `file` is one of the five table files the search with `dir` finds: the same
// file, compared by its identity (through any other spelling, link or symbolic link), not
// by its name. *table receives the table's path then.
bool is_normal_table_file(const std::string& file, const std::string& dir, std::string* table);
