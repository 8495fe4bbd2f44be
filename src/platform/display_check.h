#pragma once

#include <string>
#include <vector>

// The command line of the window program holds the window library's own options next to
// the program's. They are told apart by name and checked at start-up, before any question
// is asked, so that a wrong one or a missing display does not cost the answers.

// The window library's options: -display NAME, -geometry WxH+X+Y (each with its value),
// -iconic, -direct, -indirect, -gldebug, -sync.
struct SplitArguments {
  std::vector<char*> window;   // argv[0], then the window library's options
  std::vector<char*> program;  // argv[0], then everything else, in order
};

// Splits argv. False with a reason (English / Japanese) when an option that takes a value
// has none, or a -geometry value is no geometry or gives a size of 0 or above max_side.
bool split_window_arguments(int argc, char** argv, int max_side, SplitArguments* out,
                            std::string* error);

// Whether value is a -geometry the window system reads (WxH+X+Y, WxH or +X+Y) with sides
// from 1 to max_side. Each window system's file has its own.
bool window_geometry_ok(const char* value, int max_side);

// True when the display the window would open on (the -display option, else DISPLAY) can
// be opened now; otherwise false with a reason in Japanese and English.
bool display_available(const std::vector<char*>& window_arguments, std::string* error);
