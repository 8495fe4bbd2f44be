// Windows: the desktop is the display, always there for a program a user starts.
#include "platform/display_check.h"

#include <cstdlib>
#include <string>

// WxH, +X+Y or WxH+X+Y (offsets with either sign), as X11 geometries are written.
bool window_geometry_ok(const char* s, int max_side) {
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

bool display_available(const std::vector<char*>&, std::string*) {
  return true;
}
