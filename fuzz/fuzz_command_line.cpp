// The shared command-line parser on any arguments (the bytes split at NUL). What it accepts
// is a scenario that can be computed: a path that exists, constants of that path that are
// not negative, an error that describes a vehicle, a sweep of 1 to 10000 sizes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "control/command_line.h"
#include "control/sweep.h"
#include "path/path_table.h"
#include "sim/computation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> args{"agvsim-export"};
  std::string arg;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      args.push_back(arg);
      arg.clear();
    } else {
      arg += static_cast<char>(data[i]);
    }
  }
  args.push_back(arg);
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());

  CommandLine line;
  std::string error;
  if (!parse_command_line(static_cast<int>(argv.size()), argv.data(), &line, &error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  if (line.help) return 0;
  if (!find_path(line.path_no)) std::abort();
  for (const auto& [name, value] : line.constants) {
    if (find_enterable_constant(name, nullptr) < 0 || value < 0.0) std::abort();
  }
  const Scenario s = command_line_scenario(line);
  if (s.path.number != line.path_no) std::abort();
  if (error_fault(s.error, s.vehicle) != ErrorFault::none) std::abort();
  if (line.sweep) {
    const size_t n = sweep_sizes(line.sweep_range).size();
    if (n < 1 || n > 10000) std::abort();
  }
  return 0;
}
