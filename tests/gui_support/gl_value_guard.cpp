#include "gui_support/gl_value_guard.h"

#include <GL/gl.h>
#include <dlfcn.h>

#include <cmath>
#include <initializer_list>

namespace {

long bad_values = 0;

void check(std::initializer_list<double> values) {
  for (double v : values) bad_values += std::isfinite(v) ? 0 : 1;
}

// The real entry point of the same name, looked up once.
template <typename Fn>
Fn real(Fn& slot, const char* name) {
  if (slot == nullptr) slot = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
  return slot;
}

const GLfloat* vertex_array = nullptr;  // two floats per vertex, as the drawing code sets it

}  // namespace

long nonfinite_gl_values() {
  return bad_values;
}
void reset_gl_value_guard() {
  bad_values = 0;
}

extern "C" {

void glVertex2d(GLdouble x, GLdouble y) {
  static void (*fn)(GLdouble, GLdouble) = nullptr;
  check({x, y});
  real(fn, "glVertex2d")(x, y);
}

void glTranslated(GLdouble x, GLdouble y, GLdouble z) {
  static void (*fn)(GLdouble, GLdouble, GLdouble) = nullptr;
  check({x, y, z});
  real(fn, "glTranslated")(x, y, z);
}

void glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
  static void (*fn)(GLdouble, GLdouble, GLdouble, GLdouble) = nullptr;
  check({angle, x, y, z});
  real(fn, "glRotated")(angle, x, y, z);
}

void glRasterPos2d(GLdouble x, GLdouble y) {
  static void (*fn)(GLdouble, GLdouble) = nullptr;
  check({x, y});
  real(fn, "glRasterPos2d")(x, y);
}

void glLineWidth(GLfloat width) {
  static void (*fn)(GLfloat) = nullptr;
  check({width});
  real(fn, "glLineWidth")(width);
}

void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
  static void (*fn)(GLfloat, GLfloat, GLfloat, GLfloat) = nullptr;
  check({r, g, b, a});
  real(fn, "glColor4f")(r, g, b, a);
}

void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
  static void (*fn)(GLint, GLenum, GLsizei, const GLvoid*) = nullptr;
  vertex_array =
      size == 2 && type == GL_FLOAT && stride == 0 ? static_cast<const GLfloat*>(pointer) : nullptr;
  real(fn, "glVertexPointer")(size, type, stride, pointer);
}

void glMultiDrawArrays(GLenum mode, const GLint* first, const GLsizei* count, GLsizei n) {
  static void (*fn)(GLenum, const GLint*, const GLsizei*, GLsizei) = nullptr;
  for (GLsizei d = 0; vertex_array != nullptr && d < n; ++d) {
    for (GLint i = first[d]; i < first[d] + count[d]; ++i) {
      check({vertex_array[2 * i], vertex_array[2 * i + 1]});
    }
  }
  real(fn, "glMultiDrawArrays")(mode, first, count, n);
}

}  // extern "C"
