// agvsim-export: the computation of agvsim from command-line answers, written as CSV; or a
// sweep of error sizes, one row per size and type.
// Exit status: 0 done, 1 table or output failure, 2 bad command line, 3 computation refused.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "agvsim_version.h"
#include "control/command_line.h"
#include "control/csv_export.h"
#include "control/refusal_text.h"
#include "control/sweep.h"
#include "control/table_files.h"
#include "platform/console.h"
#include "platform/standard_streams.h"
#include "sim/computation.h"

namespace {

// The output file, opened only when there is something to write, so that a refusal leaves
// it as it was.
std::FILE* open_output(const CommandLine& line) {
  if (line.out_file.empty()) return stdout;
  std::FILE* out = std::fopen(line.out_file.c_str(), "w");
  if (!out) {
    console_error("agvsim-export: cannot open %s: %s\n", line.out_file.c_str(),
                  std::strerror(errno));
  }
  return out;
}

int close_output(const CommandLine& line, std::FILE* out, bool ok) {
  if (!line.out_file.empty()) ok = std::fclose(out) == 0 && ok;
  if (!ok) {
    console_error("agvsim-export: write error on %s\n",
                  line.out_file.empty() ? "standard output" : line.out_file.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // First of all, so that no file opened later takes the number of a closed standard stream.
  const int closed_streams = open_closed_standard_streams();
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("agvsim-export %s\n", AGVSIM_VERSION);
    return 0;
  }
  CommandLine line;
  std::string error;
  if (!parse_command_line(argc, argv, &line, &error)) {
    console_error("agvsim-export: %s (see --help)\n", error.c_str());
    return 2;
  }
  if (line.help) {
    console_print("%s", export_usage());
    console_flush();
    return 0;
  }

  // NormalTables is small; the workspace is several megabytes and lives on the heap.
  static NormalTables tables;
  std::string message;
  if (!read_normal_tables(&tables, line.tables_dir, &message)) {
    console_error("%s", message.c_str());
    return 1;
  }
  if (line.out_file.empty() && (closed_streams & standard_output_was_closed)) {
    console_error("agvsim-export: standard output is closed (use --out FILE) / 標準出力がない\n");
    return 1;
  }
  const Scenario scenario = command_line_scenario(line);

  if (line.sweep) {
    const std::vector<SweepPoint> points = run_sweep(scenario, line.sweep_range, tables, 0);
    std::FILE* out = open_output(line);
    if (!out) return 1;
    return close_output(line, out, write_sweep_csv(out, scenario, line.sweep_range, points));
  }

  auto ws = std::make_unique<Workspace>();
  const ComputeResult result = compute(scenario, tables, *ws);
  if (result.refusal != Refusal::none) {
    console_error("%s\n", refusal_text(result).c_str());
    if (result.refusal == Refusal::not_finite || result.refusal == Refusal::impossible_error) {
      console_error("agvsim-export: computation refused, nothing written / 計算できない\n");
    } else {
      console_error("agvsim-export: path %d refused, nothing written / 経路を計算できない\n",
                    line.path_no);
    }
    return 3;
  }
  std::FILE* out = open_output(line);
  if (!out) return 1;
  return close_output(line, out, write_export_csv(out, line, scenario, result, ws->store));
}
