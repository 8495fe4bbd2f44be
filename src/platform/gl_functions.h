#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

// OpenGL entry points beyond version 1.1. Windows' OpenGL library exports only 1.1: there
// the later ones are fetched from the driver at run time; elsewhere they are called directly.

// glMultiDrawArrays (OpenGL 1.4): n runs of vertices of the current vertex arrays in one
// call. Without the entry point in the driver, one glDrawArrays per run, which draws the
// same. Needs a current GL context.
void gl_multi_draw_arrays(GLenum mode, const GLint* first, const GLsizei* count, GLsizei n);

// Framebuffer objects (OpenGL 3.0, or the ARB_framebuffer_object extension): a buffer of
// the program's own to draw pictures into instead of a window. Whether the driver has them
// is told by its version and extensions, not by these pointers.
struct GlFramebufferFunctions {
  PFNGLGENFRAMEBUFFERSPROC gen_framebuffers;
  PFNGLBINDFRAMEBUFFERPROC bind_framebuffer;
  PFNGLGENRENDERBUFFERSPROC gen_renderbuffers;
  PFNGLBINDRENDERBUFFERPROC bind_renderbuffer;
  PFNGLRENDERBUFFERSTORAGEPROC renderbuffer_storage;
  PFNGLFRAMEBUFFERRENDERBUFFERPROC framebuffer_renderbuffer;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC check_framebuffer_status;
  PFNGLDELETEFRAMEBUFFERSPROC delete_framebuffers;
  PFNGLDELETERENDERBUFFERSPROC delete_renderbuffers;
};

// The entry points of the current context; a member is null when the driver lacks it.
GlFramebufferFunctions gl_framebuffer_functions();
