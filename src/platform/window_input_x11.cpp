#include "platform/window_input.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

void discard_queued_window_keys() {
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable window = glXGetCurrentDrawable();
  if (display == nullptr || window == None) return;
  // Everything the server has sent so far comes into the queue first.
  XSync(display, False);
  XEvent event;
  while (XCheckWindowEvent(display, window, KeyPressMask | KeyReleaseMask, &event)) {
  }
}
