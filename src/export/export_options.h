#pragma once

#include <string>
#include <utility>
#include <vector>

// What the command line asks for: the same answers the console dialogue would get.
struct ExportOptions {
  int path_no = 1;
  std::vector<std::pair<std::string, double>> constants;  // NAME=VALUE, in the order given
  char error_kind = '0';
  int error_count = 0;                  // values given after the kind (missing ones are 0)
  double error_values[2] = {0.0, 0.0};  // as entered: percent or degrees
  std::string tables_dir;               // empty: the program's own search
  std::string out_file;                 // empty: standard output
  bool help = false;
};

// Fills *options from argv. Returns false with a one-line reason in *error on an unknown
// option, a missing argument, a number that is not wholly numeric, a path number outside
// the ten, an unknown or negative constant, or an error kind outside 0-5. Stops at --help.
bool parse_export_options(int argc, const char* const* argv, ExportOptions* options,
                          std::string* error);

// How many values the dialogue reads for an error kind '0'..'5'.
int error_value_count(char kind);

// The usage text, English and Japanese.
const char* export_usage();
