#define GL_GLEXT_PROTOTYPES 1
#include "platform/gl_functions.h"

void gl_multi_draw_arrays(GLenum mode, const GLint* first, const GLsizei* count, GLsizei n) {
  glMultiDrawArrays(mode, first, count, n);
}

GlFramebufferFunctions gl_framebuffer_functions() {
  return {glGenFramebuffers,        glBindFramebuffer,     glGenRenderbuffers,
          glBindRenderbuffer,       glRenderbufferStorage, glFramebufferRenderbuffer,
          glCheckFramebufferStatus, glDeleteFramebuffers,  glDeleteRenderbuffers};
}
