#include <windows.h>

#include "platform/gl_functions.h"

namespace {

// A function of the current context's driver, or nullptr. Some drivers answer a name they
// do not have with a small number instead of nullptr.
PROC driver_function(const char* name) {
  const PROC p = wglGetProcAddress(name);
  const auto bits = reinterpret_cast<INT_PTR>(p);
  return bits >= -1 && bits <= 3 ? nullptr : p;
}

}  // namespace

// Looked up once: the program's windows all share one pixel format and so one driver.
void gl_multi_draw_arrays(GLenum mode, const GLint* first, const GLsizei* count, GLsizei n) {
  static const auto multi_draw = reinterpret_cast<PFNGLMULTIDRAWARRAYSPROC>(
      reinterpret_cast<void*>(driver_function("glMultiDrawArrays")));
  if (multi_draw) {
    multi_draw(mode, first, count, n);
    return;
  }
  for (GLsizei i = 0; i < n; ++i) glDrawArrays(mode, first[i], count[i]);
}

namespace {

template <typename Function>
Function driver_entry(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(driver_function(name)));
}

}  // namespace

// Looked up for the current context each time: the picture export makes its context
// before it asks.
GlFramebufferFunctions gl_framebuffer_functions() {
  GlFramebufferFunctions f;
  f.gen_framebuffers = driver_entry<PFNGLGENFRAMEBUFFERSPROC>("glGenFramebuffers");
  f.bind_framebuffer = driver_entry<PFNGLBINDFRAMEBUFFERPROC>("glBindFramebuffer");
  f.gen_renderbuffers = driver_entry<PFNGLGENRENDERBUFFERSPROC>("glGenRenderbuffers");
  f.bind_renderbuffer = driver_entry<PFNGLBINDRENDERBUFFERPROC>("glBindRenderbuffer");
  f.renderbuffer_storage = driver_entry<PFNGLRENDERBUFFERSTORAGEPROC>("glRenderbufferStorage");
  f.framebuffer_renderbuffer =
      driver_entry<PFNGLFRAMEBUFFERRENDERBUFFERPROC>("glFramebufferRenderbuffer");
  f.check_framebuffer_status =
      driver_entry<PFNGLCHECKFRAMEBUFFERSTATUSPROC>("glCheckFramebufferStatus");
  f.delete_framebuffers = driver_entry<PFNGLDELETEFRAMEBUFFERSPROC>("glDeleteFramebuffers");
  f.delete_renderbuffers = driver_entry<PFNGLDELETERENDERBUFFERSPROC>("glDeleteRenderbuffers");
  return f;
}
