// The shared command-line parser on any arguments (the bytes split at NUL). What it accepts
// is a scenario that can be computed: a path that exists, constants of that path that are
// not negative, an error that describes a vehicle, a sweep of 1 to 10000 sizes. The output
// files it accepts are then checked against the file system (names only looked at, nothing
// written): accepted ones never share a name.
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
  if (line.help || line.version) return 0;
  if (!find_path(line.path_no)) std::abort();
  for (const auto& [name, value] : line.constants) {
    const PathDescriptor* path = nullptr;
    if (find_enterable_constant(name, &path) < 0 || value < 0.0) std::abort();
    if (path->number != line.path_no) std::abort();
  }
  const std::string* files[] = {&line.out_file, &line.wheels_file, &line.picture.png_file,
                                &line.picture.gif_file};
  if (check_output_files(line, &error)) {
    for (int a = 0; a < 4; ++a) {
      for (int b = a + 1; b < 4; ++b) {
        if (!files[a]->empty() && *files[a] == *files[b]) std::abort();
      }
    }
  } else if (error.empty()) {
    std::abort();
  }
  const Scenario s = command_line_scenario(line);
  if (s.path.number != line.path_no) std::abort();
  if (error_fault(s.error, s.vehicle) != ErrorFault::none) std::abort();
  if (line.sweep) {
    const std::vector<double> sizes = sweep_sizes(line.sweep_range);
    if (sizes.empty() || sizes.size() > 10000) std::abort();
    bool some_vehicle = false;
    for (double v : sizes) {
      const ErrorSetting e{line.sweep_range.kind, {v, line.sweep_range.second}};
      some_vehicle = some_vehicle || error_fault(e, s.vehicle) == ErrorFault::none;
    }
    if (!some_vehicle) std::abort();
  }
  return 0;
}
