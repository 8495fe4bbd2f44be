#pragma once

#include <cstddef>
#include <cstdint>

#include "model/point2d.h"
#include "scene/view_transform.h"
#include "sim/trajectory_store.h"

// Parts of the frame that stay the same from one frame to the next (the grid, the CP line,
// the chart curves and axes, the trails up to a step) are compiled once into GL display
// lists and only called afterwards; they are compiled anew when what they show changes.
// Whether it changed is told by a key: a hash of every input of the part. The list holds
// the very GL commands that drawing the part directly sends, so the pixels are the same.

// False draws every part directly, each frame (for comparison and tests).
extern bool retain_layers;

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

// One display list and the key it was compiled with.
class RetainedList {
 public:
  // Calls the list when it was compiled with this key; otherwise compiles build() into it
  // first. With retain_layers false (or no list to be had) it just runs build().
  template <typename Build>
  void draw(std::uint64_t key, Build&& build) {
    switch (begin(key)) {
      case Start::call:
        break;
      case Start::compile:
        build();
        if (end()) break;
        [[fallthrough]];  // the list could not be made: draw directly
      case Start::direct:
        build();
        return;
    }
    call();
  }

 private:
  enum class Start { call, compile, direct };
  // Whether the list can be called as it is, is being compiled now, or is not to be had.
  Start begin(std::uint64_t key);
  // Ends the compilation; false when the list could not be made.
  bool end();
  void call() const;

  unsigned id_ = 0;
  std::uint64_t key_ = 0;
  bool valid_ = false;
};
