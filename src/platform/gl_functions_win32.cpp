#include <windows.h>

#include "platform/gl_functions.h"

#include <GL/glext.h>

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
