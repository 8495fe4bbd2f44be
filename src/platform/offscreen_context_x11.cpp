#include "platform/offscreen_context.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/catalogue.h"
#include "platform/offscreen_context_egl.h"

namespace {

// Some X servers (a busy virtual one) now and then drop a connection that is set up at the
// same moment as another client's: a failed connection is tried again after a pause.
Display* connect(const char* name) {
  for (int attempt = 0;; ++attempt) {
    if (Display* d = XOpenDisplay(name)) return d;
    if (attempt == 2) return nullptr;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
}

bool open_x11_context(std::string* error) {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') {
    *error = tr(Msg::offscreen_no_display);
    return false;
  }
  Display* display = connect(name);
  if (display == nullptr) {
    *error = format_text(tr(Msg::offscreen_cannot_open_display), name);
    return false;
  }
  // The window's pixel format: RGBA of 8 bits each, double-buffered, with depth.
  int attributes[] = {GLX_RGBA, GLX_RED_SIZE,   8, GLX_GREEN_SIZE,   8,   GLX_BLUE_SIZE,
                      8,        GLX_DEPTH_SIZE, 1, GLX_DOUBLEBUFFER, None};
  const int screen = DefaultScreen(display);
  XVisualInfo* visual = glXChooseVisual(display, screen, attributes);
  if (visual == nullptr) {
    XCloseDisplay(display);
    *error = format_text(tr(Msg::offscreen_no_pixel_format), name);
    return false;
  }
  const Window root = RootWindow(display, screen);
  XSetWindowAttributes set{};
  set.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
  set.border_pixel = 0;
  // Never mapped: nothing shows on the screen and no window manager sees it.
  const Window window = XCreateWindow(display, root, 0, 0, 1, 1, 0, visual->depth, InputOutput,
                                      visual->visual, CWColormap | CWBorderPixel, &set);
  const GLXContext context = glXCreateContext(display, visual, nullptr, True);
  XFree(visual);
  if (context == nullptr || !glXMakeCurrent(display, window, context)) {
    *error = format_text(tr(Msg::offscreen_no_gl_on_display), name);
    return false;
  }
  return true;  // kept until the process ends
}

// The X display's context when there is one that works, else the surfaceless one.
bool open_context(std::string* error) {
  std::string x11_reason;
  if (open_x11_context(&x11_reason)) {
    return true;
  }
  std::string egl_reason;
  if (open_surfaceless_context(&egl_reason)) return true;
  *error = x11_reason + "\n" + egl_reason;
  return false;
}

}  // namespace

bool open_offscreen_context(std::string* error) {
  static std::string reason;
  static const bool opened = open_context(&reason);
  if (!opened) *error = reason;
  return opened;
}

// GLX drivers draw nothing readable into a window that is not mapped (Mesa gives black),
// and every GLX driver of OpenGL 3 or later has framebuffer objects: no fallback here.
bool size_offscreen_window(int /*width*/, int /*height*/) {
  return false;
}
