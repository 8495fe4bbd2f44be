#pragma once

#include <string>
#include <vector>

#include "support/temp_dir.h"

// Runs the real program as a child process: standard input from a script (a pipe, not a
// terminal), standard output and error captured, no display, a UTF-8 locale. A child that
// does not end in time is killed. agvsim runs with --no-window: the dialogue and the
// computation only, ending where the window would open.

struct ProgramRun {
  std::string out;
  std::string err;
  int status = -1;         // wait status
  bool timed_out = false;  // killed after the time limit
  double seconds = 0;      // from start to exit

  bool exited() const;  // ended by itself, not by a signal
  int exit_code() const;
};

// The program of this build.
std::string agvsim_path();

// Runs program in workdir with input as its standard input (closed after the script);
// environment holds NAME=VALUE entries set after the defaults (LC_ALL, for instance);
// arguments go to the program.
ProgramRun run_program(const std::string& program, const std::string& input,
                       const std::string& workdir, double time_limit = 20,
                       const std::vector<std::string>& environment = {},
                       const std::vector<std::string>& arguments = {});

// The arguments of an agvsim that shows no window.
inline const std::vector<std::string> no_window = {"--no-window"};

// run_program with agvsim in a fresh empty directory.
ProgramRun run_agvsim(const std::string& input);
