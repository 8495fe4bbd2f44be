#include "platform/display_check.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The options the window library (freeglut on X11) takes out of argv, and whether each
// takes a value.
struct WindowOption {
  const char* name;
  bool has_value;
};
constexpr WindowOption window_options[] = {
    {"-display", true},   {"-geometry", true}, {"-iconic", false}, {"-direct", false},
    {"-indirect", false}, {"-gldebug", false}, {"-sync", false},
};

const WindowOption* find_option(const char* arg) {
  for (const WindowOption& o : window_options) {
    if (std::strcmp(arg, o.name) == 0) return &o;
  }
  return nullptr;
}

bool size_ok(int mask, int bit, unsigned size, int max_side) {
  return !(mask & bit) || (size > 0 && size <= static_cast<unsigned>(max_side));
}

bool geometry_ok(const char* value, int max_side) {
  int x, y;
  unsigned width, height;
  const int mask = XParseGeometry(value, &x, &y, &width, &height);
  return mask != NoValue && size_ok(mask, WidthValue, width, max_side) &&
         size_ok(mask, HeightValue, height, max_side);
}

}  // namespace

bool split_window_arguments(int argc, char** argv, int max_side, SplitArguments* out,
                            std::string* error) {
  out->window.assign(argv, argv + (argc > 0 ? 1 : 0));
  out->program = out->window;
  for (int i = 1; i < argc; ++i) {
    const WindowOption* o = find_option(argv[i]);
    if (o == nullptr) {
      out->program.push_back(argv[i]);
      continue;
    }
    out->window.push_back(argv[i]);
    if (!o->has_value) continue;
    if (i + 1 >= argc) {
      *error = std::string("missing value for ") + o->name + " / " + o->name + " の値がない";
      return false;
    }
    const char* value = argv[++i];
    if (std::strcmp(o->name, "-geometry") == 0 && !geometry_ok(value, max_side)) {
      *error = std::string("bad window geometry '") + value + "' (WIDTHxHEIGHT+X+Y, sides 1-" +
               std::to_string(max_side) + ") / ウィンドウの大きさ・位置の指定が正しくない";
      return false;
    }
    out->window.push_back(argv[i]);
  }
  return true;
}

bool display_available(const std::vector<char*>& window_arguments, std::string* error) {
  const char* name = nullptr;
  for (std::size_t i = 1; i + 1 < window_arguments.size(); ++i) {
    if (std::strcmp(window_arguments[i], "-display") == 0) name = window_arguments[i + 1];
  }
  if (name == nullptr) name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') {
    *error =
        "描画ウィンドウを開けない: ディスプレイがない（DISPLAY が設定されていない）\n"
        "cannot open the window: no display (DISPLAY is not set)";
    return false;
  }
  Display* display = XOpenDisplay(name);
  if (display == nullptr) {
    *error = std::string("描画ウィンドウを開けない: ディスプレイ ") + name +
             " に接続できない\ncannot open the window: cannot open display " + name;
    return false;
  }
  XCloseDisplay(display);
  return true;
}
