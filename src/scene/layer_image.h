#pragma once

#include <cstdint>
#include <vector>

// A layer of the frame that stays the same from frame to frame while it costs much to
// draw (thousands of wide line segments: the CP line and the chart curves), kept as a
// picture: the layer is drawn once on its own, read back, and kept as an RGBA texture whose
// alpha tells which pixels it drew. Each frame then lays the texture over the frame with
// the alpha test, which leaves exactly the pixels the layer's own drawing would leave: its
// primitives are flat and opaque, so a pixel they cover gets their colour whatever lies
// below.
class LayerImage {
 public:
  // Before the frame (it uses the back buffer): when `key` (a hash of everything the layer
  // shows) or the viewport differs from the image's, draws the layer with `draw` into the
  // cleared back buffer and keeps what it drew. False when no image can be kept (no
  // texture, or a viewport above max_image_side): then draw the layer directly.
  template <typename Draw>
  bool prepare(std::uint64_t key, Draw&& draw) {
    switch (begin(key)) {
      case Start::ready:
        return true;
      case Start::direct:
        return false;
      case Start::render:
        draw();
        return end();
    }
    return false;
  }

  // Lays the kept image over the frame.
  void draw() const;

  // Viewports up to this side are kept as images (16 MB each at most).
  static constexpr int max_image_side = 2048;

 private:
  enum class Start { ready, render, direct };
  Start begin(std::uint64_t key);
  bool end();

  unsigned texture_ = 0;
  int texture_side_ = 0;  // a power of two
  int viewport_[4] = {0, 0, 0, 0};
  std::uint64_t key_ = 0;
  bool valid_ = false;
  std::vector<unsigned char> pixels_;
};
