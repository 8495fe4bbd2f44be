// What the window program's command line holds, on every window system.
#include "platform/display_check.h"

#include <cstring>
#include <string>

#include "platform/catalogue.h"

namespace {

// The options the window library takes out of argv, and whether each
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
      *error = format_text(tr(Msg::window_option_no_value), o->name, o->name);
      return false;
    }
    const char* value = argv[++i];
    if (std::strcmp(o->name, "-geometry") == 0 && !window_geometry_ok(value, max_side)) {
      *error = format_text(tr(Msg::window_bad_geometry), value, max_side);
      return false;
    }
    out->window.push_back(argv[i]);
  }
  return true;
}
