#pragma once

#include <GL/gl.h>

// OpenGL entry points beyond version 1.1. Windows' OpenGL library exports only 1.1: there
// the later ones are fetched from the driver at run time; elsewhere they are called directly.

// glMultiDrawArrays (OpenGL 1.4): n runs of vertices of the current vertex arrays in one
// call. Without the entry point in the driver, one glDrawArrays per run, which draws the
// same. Needs a current GL context.
void gl_multi_draw_arrays(GLenum mode, const GLint* first, const GLsizei* count, GLsizei n);
