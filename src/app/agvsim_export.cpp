// agvsim-export: the computation of agvsim from command-line answers, written as CSV; or a
// sweep of error sizes, one row per size and type; or pictures of the motion (PNG, GIF) drawn
// by the window's own code off the screen.
// Exit status: 0 done, 1 table or output failure, 2 bad command line (an output that is one
// of the random tables, a picture file that cannot be created and no OpenGL for pictures
// included), 3 computation refused.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "agvsim_version.h"
#include "app/picture_export.h"
#include "control/command_line.h"
#include "control/csv_export.h"
#include "control/refusal_text.h"
#include "control/sweep.h"
#include "control/table_files.h"
#include "platform/catalogue.h"
#include "platform/console.h"
#include "platform/executable.h"
#include "platform/file_io.h"
#include "platform/replacing_file.h"
#include "platform/standard_streams.h"
#include "platform/terminal.h"
#include "sim/computation.h"

namespace {

// Writes a CSV through write(stream) to standard output (an empty name) or to the named file,
// which is replaced only once everything was written and flushed (a refusal or a full disk
// leaves an existing file as it was). Written in binary, so that its lines end in "\n" on
// every system. Returns the exit status: 0, or 1 on a write error.
template <typename Write>
int write_output(const std::string& name, Write write) {
  if (name.empty()) {
    set_binary_output(stdout);
    if (write(stdout)) return 0;
    console_error("agvsim-export: write error on standard output: %s\n", std::strerror(errno));
    return 1;
  }
  ReplacingFile file;
  std::string error = file.create(name);
  if (error.empty()) {
    if (write(file.stream())) {
      error = file.commit();
    } else {
      error = format_text(tr(Msg::write_failed), name.c_str(), std::strerror(errno));
      file.discard();
    }
  }
  if (error.empty()) return 0;
  console_error("agvsim-export: %s\n", error.c_str());
  return 1;
}

// A long sweep on a terminal shows how far it is, on one line of the error stream.
void show_sweep_progress(std::size_t done, std::size_t total) {
  static int shown = -1;
  const int percent = static_cast<int>(done * 100 / total);
  if (percent == shown && done != total) return;
  shown = percent;
  console_error(tr(Msg::export_progress), done, total, percent, done == total ? "\n" : "");
}

}  // namespace

int main(int argc, char** argv) {
  // First of all, so that no file opened later takes the number of a closed standard stream.
  const int closed_streams = open_closed_standard_streams();
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("agvsim-export %s\n", AGVSIM_VERSION);
    return 0;
  }
  // File names as UTF-8, whatever the system hands argv in.
  const std::vector<std::string> arguments = program_arguments(argc, argv);
  std::vector<const char*> args;
  for (const std::string& a : arguments) args.push_back(a.c_str());
  set_language(program_language(static_cast<int>(args.size()), args.data()));
  CommandLine line;
  std::string error;
  if (!parse_command_line(static_cast<int>(args.size()), args.data(), &line, &error)) {
    console_error("agvsim-export: %s (see --help)\n", error.c_str());
    return 2;
  }
  if (line.help) {
    console_print("%s", export_usage());
    console_flush();
    return 0;
  }
  if (line.version) {
    std::printf("agvsim-export %s\n", AGVSIM_VERSION);
    return 0;
  }
  if (!check_output_files(line, &error)) {
    console_error("agvsim-export: %s (see --help)\n", error.c_str());
    return 2;
  }

  // NormalTables is small; the workspace is several megabytes and lives on the heap.
  static NormalTables tables;
  std::string message;
  if (!read_normal_tables(&tables, line.tables_dir, &message)) {
    console_error("%s", message.c_str());
    return 1;
  }
  const PictureOptions& pictures = line.picture;
  for (const std::string& name : {line.out_file, line.wheels_file, pictures.png_file,
                                  pictures.gif_file, pictures.frame_file}) {
    std::string table;
    if (!name.empty() && is_normal_table_file(name, line.tables_dir, &table)) {
      console_error(tr(Msg::export_output_is_table), name.c_str(), table.c_str());
      return 2;
    }
  }
  if (line.out_file.empty() && !pictures.wanted() &&
      (closed_streams & standard_output_was_closed)) {
    console_error("%s", tr(Msg::export_stdout_closed));
    return 1;
  }
  const Scenario scenario = command_line_scenario(line);

  if (line.sweep) {
    const std::vector<SweepPoint> points =
        run_sweep(scenario, line.sweep_range, tables, 0,
                  terminal_error_is_tty() ? show_sweep_progress : nullptr);
    const long refused = std::count_if(points.begin(), points.end(), [](const SweepPoint& p) {
      return p.result.refusal != Refusal::none;
    });
    if (refused == static_cast<long>(points.size())) {  // the path, refused for every size
      console_error("%s\n", refusal_text(points.front().result).c_str());
      console_error("%s", tr(Msg::export_sweep_all_refused));
      return 3;
    }
    if (refused > 0) {
      console_error(tr(Msg::export_sweep_some_refused), refused, points.size(), points.size(),
                    refused);
    }
    return write_output(line.out_file, [&](std::FILE* out) {
      return write_sweep_csv(out, scenario, line.sweep_range, points);
    });
  }

  // The picture files and the drawing target are made first: a file that cannot be created
  // or a missing OpenGL is told before the computation. A refusal then removes the
  // temporary files, and no picture is written.
  PictureExport picture_export;
  if (pictures.wanted()) {
    if (const int status = picture_export.prepare(pictures); status != 0) return status;
  }

  auto ws = std::make_unique<Workspace>();
  const ComputeResult result = compute(scenario, tables, *ws);
  if (result.refusal != Refusal::none) {
    console_error("%s\n", refusal_text(result).c_str());
    if (result.refusal == Refusal::not_finite || result.refusal == Refusal::impossible_error) {
      console_error("%s", tr(Msg::export_refused));
    } else {
      console_error(tr(Msg::export_path_refused), line.path_no);
    }
    return 3;
  }
  int status = 0;
  // With pictures, the CSV goes only to a file named by --out.
  if (!pictures.wanted() || !line.out_file.empty()) {
    status = write_output(line.out_file, [&](std::FILE* out) {
      return write_trajectory_csv(out, line, scenario, result, ws->store);
    });
  }
  if (status == 0 && !line.wheels_file.empty()) {
    status = write_output(line.wheels_file, [&](std::FILE* out) {
      return write_wheel_csv(out, line, scenario, result, ws->store);
    });
  }
  if (status == 0 && pictures.wanted()) status = picture_export.write(scenario, result, ws->store);
  return status;
}
