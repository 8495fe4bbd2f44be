#include "gl/display_list.h"

#include <GL/gl.h>

RetainedList::Start RetainedList::begin(std::uint64_t key) {
  if (valid_ && key == key_) return Start::call;
  if (id_ == 0) id_ = glGenLists(1);
  if (id_ == 0) return Start::direct;
  valid_ = false;
  key_ = key;
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
  }
  glNewList(id_, GL_COMPILE);
  return Start::compile;
}

// A list that ran out of memory while compiling is not used.
bool RetainedList::end() {
  glEndList();
  valid_ = glGetError() == GL_NO_ERROR;
  return valid_;
}

void RetainedList::call() const {
  glCallList(id_);
}
