#pragma once

#include <cstddef>
#include <cstdint>

#include "scene/view_transform.h"
#include "sim/trajectory_store.h"

// A 64-bit hash of the inputs of one part.
class PartKey {
 public:
  PartKey& add(const void* bytes, std::size_t size);
  PartKey& add(double v) { return add(&v, sizeof v); }
  PartKey& add(long long v) { return add(&v, sizeof v); }
  PartKey& add(unsigned long long v) { return add(&v, sizeof v); }
  PartKey& add(unsigned long v) { return add(&v, sizeof v); }
  PartKey& add(const void* pointer) { return add(&pointer, sizeof pointer); }
  PartKey& add(const View& view);
  // x and y of records[0..n].
  PartKey& add_positions(const traj_rec* records, int n);
  std::uint64_t value() const { return h_; }

 private:
  std::uint64_t h_ = 0x9e3779b97f4a7c15ULL;
};
