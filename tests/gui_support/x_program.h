#pragma once

#include <string>
#include <vector>

#include "gui_support/frame_pixels.h"

// A program of this build with its window on the X display of the window tests, driven as
// a user drives it: keys sent to its window, its window moved and resized, screenshots of
// it read back. Started in a session of its own in `dir`, its output in dir/out and
// dir/err; killed at the end of the test when it still runs.
struct XProgramOptions {
  bool input_pipe = false;     // standard input from a pipe the test writes (else none)
  bool stdout_closed = false;  // standard output closed
};

// A screenshot: RGB pixels counted from the top left.
struct Shot {
  int width = 0, height = 0;
  std::vector<Rgb> px;
  Rgb at(int x, int y) const { return px[static_cast<size_t>(y) * width + x]; }
  // Pixels of colour c (within `fuzz` per channel) in the box [x0, x1] x [y0, y1].
  int count(Rgb c, int x0, int y0, int x1, int y1, int fuzz = 0) const;
  // Near-black pixels (no channel above 24 % of full) in the box.
  int dark(int x0, int y0, int x1, int y1) const { return count({0, 0, 0}, x0, y0, x1, y1, 61); }
  // The rightmost column holding colour c (within 10 %) in the box, or -1.
  int right_edge(Rgb c, int x0, int y0, int x1, int y1) const;
  // The offsets from (x, y) of the near-black pixels along a row (dx) or a column (dy).
  std::vector<int> dark_run(int x, int y, int length, bool along_row) const;
  bool operator==(const Shot&) const = default;
};

class XProgram {
 public:
  XProgram(const std::string& program, const std::vector<std::string>& args, const std::string& dir,
           XProgramOptions options = {});
  ~XProgram();
  XProgram(const XProgram&) = delete;
  XProgram& operator=(const XProgram&) = delete;

  // Waits up to 20 s for a window of the program; false when none came.
  bool wait_window();
  unsigned long window() const { return window_; }
  int pid() const { return pid_; }
  // Sends key presses to the window, e.g. {"2", "s", "W", "space", "plus", "Escape"};
  // "shift+Up" holds Shift.
  void keys(const std::vector<const char*>& names, int delay_ms = 30);
  void write_input(const std::string& text);
  // What the program wrote to its standard output so far.
  std::string out() const;
  std::string err() const;
  // Waits up to 10 s until the output holds `text` `times` times.
  bool wait_output(const std::string& text, int times);
  void move(int x, int y);
  void resize(int width, int height);
  // Asks the window to close as a window manager's close button does (WM_DELETE_WINDOW).
  void close_request();
  // Destroys the window, as another program may.
  void destroy_window();
  // The window as it is on the screen, taken again until two takes agree and hold more
  // than one colour (the program may not yet have drawn the answer to the last key).
  Shot shot();
  // One take of a part of the window.
  Shot take(int x, int y, int width, int height);
  // Waits up to 10 s for the program's end: its wait status, or -1 while it runs.
  int wait_end();

 private:
  int pid_ = -1;
  int input_ = -1;
  std::string dir_;
  void* display_ = nullptr;
  unsigned long window_ = 0;
};

// The X display of the window tests: DISPLAY, else the one the CTest fixture names.
void use_test_display();
