#include "platform/window_title.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <unistd.h>

#include <cstring>
#include <initializer_list>

void set_window_title_utf8(const char* utf8) {
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable drawable = glXGetCurrentDrawable();
  if (display == nullptr || drawable == None) return;
  const Atom utf8_string = XInternAtom(display, "UTF8_STRING", False);
  const auto* bytes = reinterpret_cast<const unsigned char*>(utf8);
  const int length = static_cast<int>(std::strlen(utf8));
  for (const char* name : {"_NET_WM_NAME", "_NET_WM_ICON_NAME"}) {
    XChangeProperty(display, drawable, XInternAtom(display, name, False), utf8_string, 8,
                    PropModeReplace, bytes, length);
  }
  // The process that owns the window, for window managers and tools that look it up.
  const unsigned long pid = static_cast<unsigned long>(getpid());
  XChangeProperty(display, drawable, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
  XFlush(display);
}
