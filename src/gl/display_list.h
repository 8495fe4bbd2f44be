#pragma once

#include <cstdint>

// A part of the frame that stays the same from one frame to the next (the grid) is
// compiled once into a GL display list and only called afterwards; it is compiled anew
// when its key changes. The list holds the very GL commands that drawing the part directly
// sends, so the pixels are the same.

// One display list and the key it was compiled with.
class RetainedList {
 public:
  // Calls the list when it was compiled with this key; otherwise compiles build() into it
  // first. With no list to be had it just runs build().
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
