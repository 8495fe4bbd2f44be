#pragma once

#include <string>

// A text property of the test window as the X server holds it, read back through a
// separate X connection: its bytes and the name of its type ("" when it is not set).
struct WindowProperty {
  std::string type;
  std::string bytes;
};
WindowProperty read_window_property(const char* name);
