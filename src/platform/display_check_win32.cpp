// Windows: the desktop is the display, always there for a program a user starts.
#include "platform/display_check.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The options freeglut takes out of argv on Windows too, and whether each takes a value.
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

// WxH, +X+Y or WxH+X+Y (offsets with either sign), as X11 geometries are written.
bool geometry_ok(const char* s, int max_side) {
  const auto number = [&s](long* v) {
    char* end;
    *v = std::strtol(s, &end, 10);
    const bool ok = end != s && *s != '+' && *s != '-';
    s = end;
    return ok;
  };
  bool any = false;
  long w, h, x, y;
  if (*s != '+' && *s != '-') {
    if (!number(&w) || *s++ != 'x' || !number(&h)) return false;
    if (w < 1 || h < 1 || w > max_side || h > max_side) return false;
    any = true;
  }
  for (int i = 0; i < 2 && (*s == '+' || *s == '-'); ++i) {
    ++s;
    if (!number(i == 0 ? &x : &y)) return false;
    any = true;
  }
  return any && *s == '\0';
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

bool display_available(const std::vector<char*>&, std::string*) {
  return true;
}
