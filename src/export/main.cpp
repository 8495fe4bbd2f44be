// agvsim-export: the computation of agvsim from command-line answers, written as CSV.
// Exit status: 0 done, 1 table or output failure, 2 bad command line, 3 path refused.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "agvsim_version.h"
#include "control/settings.h"
#include "export/csv_writer.h"
#include "export/export_options.h"
#include "export/export_run.h"
#include "platform/console.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("agvsim-export %s\n", AGVSIM_VERSION);
    return 0;
  }
  ExportOptions options;
  std::string error;
  if (!parse_export_options(argc, argv, &options, &error)) {
    console_error("agvsim-export: %s (see --help)\n", error.c_str());
    return 2;
  }
  if (options.help) {
    console_print("%s", export_usage());
    console_flush();
    return 0;
  }

  Settings used;
  if (!run_export(options, &used)) {
    console_error("agvsim-export: path %d refused, nothing written / 経路を計算できない\n",
                  options.path_no);
    return 3;
  }

  // The file is opened only now, so a refused path leaves it as it was.
  const bool to_file = !options.out_file.empty();
  std::FILE* out = to_file ? std::fopen(options.out_file.c_str(), "w") : stdout;
  if (!out) {
    console_error("agvsim-export: cannot open %s: %s\n", options.out_file.c_str(),
                  std::strerror(errno));
    return 1;
  }
  bool ok = write_export_csv(out, options, used);
  if (to_file) ok = std::fclose(out) == 0 && ok;
  if (!ok) {
    console_error("agvsim-export: write error on %s\n",
                  to_file ? options.out_file.c_str() : "standard output");
    return 1;
  }
  return 0;
}
