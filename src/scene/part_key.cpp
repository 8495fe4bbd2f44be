#include "scene/part_key.h"

#include <cstring>

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
