#include "platform/display_check.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/catalogue.h"

namespace {

bool size_ok(int mask, int bit, unsigned size, int max_side) {
  return !(mask & bit) || (size > 0 && size <= static_cast<unsigned>(max_side));
}

}  // namespace

bool window_geometry_ok(const char* value, int max_side) {
  int x, y;
  unsigned width, height;
  const int mask = XParseGeometry(value, &x, &y, &width, &height);
  return mask != NoValue && size_ok(mask, WidthValue, width, max_side) &&
         size_ok(mask, HeightValue, height, max_side);
}

bool display_available(const std::vector<char*>& window_arguments, std::string* error) {
  const char* name = nullptr;
  for (std::size_t i = 1; i + 1 < window_arguments.size(); ++i) {
    if (std::strcmp(window_arguments[i], "-display") == 0) name = window_arguments[i + 1];
  }
  if (name == nullptr) name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') {
    *error = tr(Msg::window_no_display);
    return false;
  }
  Display* display = XOpenDisplay(name);
  if (display == nullptr) {
    *error = format_text(tr(Msg::window_cannot_open_display), name, name);
    return false;
  }
  XCloseDisplay(display);
  return true;
}
