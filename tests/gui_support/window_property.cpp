#include "gui_support/window_property.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

WindowProperty read_window_property(const char* name) {
  WindowProperty result;
  const Window window = glXGetCurrentDrawable();
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr || window == None) return result;
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  const Atom property = XInternAtom(display, name, False);
  if (XGetWindowProperty(display, window, property, 0, 1 << 16, False, AnyPropertyType, &type,
                         &format, &count, &after, &data) == Success &&
      type != None) {
    char* type_name = XGetAtomName(display, type);
    result.type = type_name;
    XFree(type_name);
    result.bytes.assign(reinterpret_cast<const char*>(data), count);
  }
  if (data != nullptr) XFree(data);
  XCloseDisplay(display);
  return result;
}
