#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/error_kind.h"
#include "model/scenario.h"
#include "platform/messages.h"

// The command line of the programs: the same answers the console dialogue would get, where
// to find the random tables, and what to write.

// A sweep of error sizes: kind `kind`, its first value from `from` to `to` in steps of
// `step`, its second value (for the kinds that take two) fixed at `second`.
struct SweepRange {
  ErrorKind kind = ErrorKind::none;
  double from = 0.0;
  double to = 0.0;
  double step = 0.0;
  double second = 0.0;
};

// The pictures agvsim-export draws with the window's drawing code (--png, --gif).
inline constexpr int max_picture_side = 4096;  // pixels, either side
inline constexpr int min_picture_side = 16;

struct PictureOptions {
  std::string png_file;    // --png: one frame; empty: none
  std::string gif_file;    // --gif: the whole motion, animated; empty: none
  std::string frame_file;  // --frame: what one frame draws, as JSON; empty: none
  int type = 1;            // --type 1-3; 0 = all: the three types one after the other (GIF)
  int step = -1;           // --step of the PNG; -1 = end: the last record
  bool fit = false;        // --view fit: as 'f' fits it in the window; else the default view
  bool compare = false;    // --view compare: the three types side by side, fitted
  int width = 800;         // --size WxH of the whole picture, as of a window that size
  int height = 800;
  double fps = 25.0;       // --fps: at most this many frames per second of motion (GIF)
  bool status = true;      // --status on|off: the status line at the bottom left
  bool projector = false;  // --style projector: the frame fills the picture (else classic)
  bool given = false;      // any of these options was given

  bool wanted() const { return drawn() || !frame_file.empty(); }
  // Pictures that OpenGL draws.
  bool drawn() const { return !png_file.empty() || !gif_file.empty(); }
  // One frame: the PNG, the draw list, or both.
  bool one_frame() const { return !png_file.empty() || !frame_file.empty(); }
};

struct CommandLine {
  int path_no = 1;
  std::vector<std::pair<std::string, double>> constants;  // NAME=VALUE, in the order given
  ErrorKind error_kind = ErrorKind::none;
  int error_count = 0;                  // values given after the kind (missing ones are 0)
  double error_values[2] = {0.0, 0.0};  // as entered: percent or degrees
  std::string tables_dir;               // empty: the program's own search
  std::string out_file;                 // empty: standard output
  std::string wheels_file;              // empty: no wheel table
  bool sweep = false;
  SweepRange sweep_range;
  PictureOptions picture;
  Language language = Language{};  // --lang
  bool language_given = false;
  bool projector = false;  // --style projector (else classic)
  bool help = false;
  bool version = false;         // --version, wherever it stands
  bool scenario_given = false;  // --path, --const or --error was given
};

// Fills *line from argv. Every number is read as the dialogue reads it (platform/
// number_text.h: decimals, fractions a/b, full-width forms), one number per argument.
// Returns false with a one-line reason in *error on an unknown option, a missing argument
// or an empty file name, a number the reader refuses (text, 1/0, 1e999, nan, inf, hex
// floats; a fraction or 2.5 where a whole number belongs), a path number outside the ten,
// an unknown or negative constant, an error kind outside 0-5, error values that describe
// no vehicle (error_fault), a sweep that is not a range of sizes, --wheels with --sweep or
// naming the --out file; a constant of another path than the one computed; a sweep whose
// step is 0 or leads away from TO, or none of whose sizes describes a vehicle; picture
// options that do not fit together (see export_usage). Stops at --help and at --version.
bool parse_command_line(int argc, const char* const* argv, CommandLine* line, std::string* error);

// The language of the program's texts: the one --lang names anywhere on the command line
// when it is one of the catalogue's, else the environment's (language_from_environment).
// Chosen before the command line is read, so that its errors are told in it too.
Language program_language(int argc, const char* const* argv);

// The output files (--out, --wheels, --png, --gif) must be distinct files, told by what the
// names lead to (the same file through another spelling or a symbolic link, or the same
// new file), and a file that exists must be one the program may write. Returns false with
// a one-line reason naming the options (exit status 2).
bool check_output_files(const CommandLine& line, std::string* error);

// The computation the command line asks for: the path at its defaults with the constants
// given for it, the error, the default vehicle, the generator at the state of a fresh
// program.
Scenario command_line_scenario(const CommandLine& line);

// The usage text of agvsim-export, English and Japanese.
const char* export_usage();
