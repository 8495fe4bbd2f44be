#pragma once

// Runs the built agvsim-export as a child process and reads its CSV back.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

struct ExportRun {
  int status = -1;  // exit status, -1 when it did not exit normally
  std::string out;
  std::string err;
};

inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The program with these arguments, in the C locale, its output and errors caught in files.
inline ExportRun run_export_program(const std::vector<std::string>& args) {
  const std::string base = "/tmp/agvsim_export_test_" + std::to_string(::getpid());
  const std::string out_path = base + ".out", err_path = base + ".err";
  std::vector<char*> argv{const_cast<char*>(AGV_EXPORT_EXE)};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> env{const_cast<char*>("LC_ALL=C")};
  // A run that draws: the GL driver keeps its memory until the process ends (as in the
  // window program, whose tests run it the same way), which the leak check would report.
  bool draws = false;
  for (const std::string& a : args) draws = draws || a == "--png" || a == "--gif";
  if (draws) env.push_back(const_cast<char*>("ASAN_OPTIONS=detect_leaks=0"));
  for (char** e = environ; *e; ++e) {
    const std::string entry(*e);
    if (entry.rfind("LC_ALL=", 0) != 0 && !(draws && entry.rfind("ASAN_OPTIONS=", 0) == 0)) {
      env.push_back(*e);
    }
  }
  env.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  ExportRun run;
  pid_t pid;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), env.data()) == 0) {
    int wstatus = 0;
    ::waitpid(pid, &wstatus, 0);
    if (WIFEXITED(wstatus)) run.status = WEXITSTATUS(wstatus);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = read_file(out_path);
  run.err = read_file(err_path);
  std::remove(out_path.c_str());
  std::remove(err_path.c_str());
  return run;
}

// A CSV file of the exporter, read strictly: '#' comment lines first ("# name=value" ones
// kept by name), then one header row and the rows, every row with as many fields as the
// header, no empty line, no comment after the header, a line break after the last row.
// The first fault found is described in `fault`.
struct ExportCsv {
  std::map<std::string, std::string> comments;
  std::vector<std::string> comment_lines;      // all of them, in order
  std::vector<std::vector<std::string>> rows;  // rows[0] is the header
  std::string fault;
};

inline std::vector<std::string> split_fields(const std::string& line) {
  std::vector<std::string> fields;
  std::string::size_type start = 0, comma;
  while ((comma = line.find(',', start)) != std::string::npos) {
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

inline ExportCsv parse_export_csv(const std::string& text) {
  ExportCsv csv;
  if (text.empty() || text.back() != '\n') csv.fault = "no line break at the end";
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line) && csv.fault.empty(); ++number) {
    const std::string where = "line " + std::to_string(number) + ": ";
    if (line.rfind("#", 0) == 0) {
      if (!csv.rows.empty()) csv.fault = where + "a comment after the header";
      csv.comment_lines.push_back(line);
      const auto eq = line.find('=');
      if (line.rfind("# ", 0) == 0 && eq != std::string::npos) {
        csv.comments[line.substr(2, eq - 2)] = line.substr(eq + 1);
      }
    } else if (line.empty() || line.find_first_of("\r\"#") != std::string::npos) {
      csv.fault = where + "an empty line, a CR, a quote or a '#' in a row";
    } else {
      csv.rows.push_back(split_fields(line));
      if (csv.rows.back().size() != csv.rows.front().size()) csv.fault = where + "field count";
    }
  }
  if (csv.fault.empty() && csv.rows.empty()) csv.fault = "no header";
  return csv;
}

// A field as a number: a finite decimal that is the whole field and is written in the
// shortest form that reads back as the same double (what std::to_chars writes).
inline bool strict_number(const std::string& field, double* value) {
  const char* end = field.data() + field.size();
  const auto [ptr, ec] = std::from_chars(field.data(), end, *value);
  if (field.empty() || ec != std::errc() || ptr != end || !std::isfinite(*value)) return false;
  char shortest[32];
  const auto written = std::to_chars(shortest, shortest + sizeof shortest, *value);
  return std::string(shortest, written.ptr) == field;
}
