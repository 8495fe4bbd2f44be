#include "scene/retained_list.h"

#include <GL/gl.h>

#include <cstring>

bool retain_layers = true;

namespace {

std::uint64_t mix(std::uint64_t h, std::uint64_t word) {
  h ^= word;
  h *= 0x9e3779b97f4a7c15ULL;
  return h ^ (h >> 29);
}

}  // namespace

PartKey& PartKey::add(const void* bytes, std::size_t size) {
  const auto* p = static_cast<const unsigned char*>(bytes);
  std::uint64_t word;
  for (; size >= sizeof word; size -= sizeof word, p += sizeof word) {
    std::memcpy(&word, p, sizeof word);
    h_ = mix(h_, word);
  }
  word = 0;
  std::memcpy(&word, p, size);
  h_ = mix(h_, word ^ (static_cast<std::uint64_t>(size) << 56));
  return *this;
}

PartKey& PartKey::add(const View& view) {
  return add(view.view_scale)
      .add(view.view_dx)
      .add(view.view_dy)
      .add(view.world_off_x)
      .add(view.world_off_y);
}

PartKey& PartKey::add_positions(const traj_rec* records, int n) {
  for (int i = 0; i <= n; ++i) {
    std::uint64_t word;
    std::memcpy(&word, &records[i].x, sizeof word);
    h_ = mix(h_, word);
    std::memcpy(&word, &records[i].y, sizeof word);
    h_ = mix(h_, word);
  }
  return add(static_cast<long long>(n));
}

RetainedList::Start RetainedList::begin(std::uint64_t key) {
  if (!retain_layers) return Start::direct;
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
