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

namespace {

XErrorHandler earlier_handler = nullptr;
volatile bool lost = false;

int on_x_error(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow || error->error_code == BadDrawable) {
    lost = true;
    return 0;
  }
  return earlier_handler ? earlier_handler(display, error) : 0;
}

}  // namespace

void watch_window_loss() {
  XErrorHandler earlier = XSetErrorHandler(on_x_error);
  if (earlier != on_x_error) earlier_handler = earlier;
}

bool window_lost() {
  return lost;
}
