#pragma once

#include <cstdint>
#include <vector>

// A layer of the frame that costs much to draw but changes seldom (thousands of wide line
// segments: the CP line and the chart curves) or only grows (the trails, a few dots more
// each frame of playback), kept as a picture: the layer is drawn on its own into the back
// buffer before the frame, read back and kept as an RGBA texture whose alpha tells which
// pixels it drew. Each frame then lays the texture over the frame with the alpha test,
// which leaves exactly the pixels the layer's own drawing would leave: its primitives are
// flat and opaque, so a pixel they cover gets their colour whatever lies below, and what
// a later addition draws over an earlier part is the layer's colour either way.
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

  // Before the frame, on a kept image of the current viewport: adds what `draw` draws
  // inside the box x0 <= x < x1, y0 <= y < y1 (pixels of the viewport; nothing of it may
  // fall outside) and takes `key` as the image's key. False when nothing is kept.
  template <typename Draw>
  bool add(std::uint64_t key, int x0, int y0, int x1, int y1, Draw&& draw) {
    if (!begin_add(key, x0, y0, x1, y1)) return false;
    draw();
    return end_add();
  }

  // True when an image of the current viewport is kept, under this key.
  bool holds(std::uint64_t key) const;

  // Side of the current viewport in pixels, when it can be kept (else 0).
  static int viewport_side();

  // Lays the kept image over the frame.
  void draw() const;

  // Viewports up to this side are kept as images (16 MB each at most).
  static constexpr int max_image_side = 2048;

 private:
  enum class Start { ready, render, direct };
  Start begin(std::uint64_t key);
  bool end();
  bool begin_add(std::uint64_t key, int x0, int y0, int x1, int y1);
  bool end_add();
  // Clears the box of the back buffer to the colour no layer uses, drawing held to it.
  void clear_box() const;
  // Reads the box back into the image, marks the tiles it drew in and uploads it.
  bool take_box();

  unsigned texture_ = 0;
  int texture_side_ = 0;  // a power of two
  int viewport_[4] = {0, 0, 0, 0};
  int box_[4] = {0, 0, 0, 0};  // x0, y0, x1, y1 being drawn
  std::uint64_t key_ = 0;
  bool valid_ = false;
  std::vector<unsigned char> pixels_;  // the image, bottom row first, RGBA
  std::vector<unsigned char> box_pixels_;
  std::vector<unsigned char> tiles_;  // 1 where the layer drew in the tile
  int tiles_across_ = 0;
};
