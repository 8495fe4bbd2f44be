#pragma once

#include <cstdint>

// Pixels of the last frame drawn into the 800 x 800 window, read back with glReadPixels.
// Pixel (px, py) counts from the bottom left; window position x maps to px = (x + 1) * 400.

struct Rgb {
  std::uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

inline constexpr int frame_size = 800;
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb text_colour{10, 10, 10};  // 0.04 grey

// A whole frame's pixels.
struct Picture {
  Rgb px[frame_size][frame_size];  // [py][px]
  Rgb at(int x, int y) const { return px[y][x]; }
};

// Reads the frame just drawn (the back buffer, which the swap copies and keeps).
void capture(Picture& out);
// The frame that capture_frame() last read; one static copy per program.
const Picture& capture_frame();

// Pixel coordinate of a window position (not rounded).
inline double to_px(double window_units) {
  return (window_units + 1.0) * 400.0;
}

// Number of pixels of colour c in the box [x0, x1] x [y0, y1] (inclusive, clipped).
int count_in(const Picture& f, Rgb c, int x0, int y0, int x1, int y1);

// True when a pixel of colour c lies within `radius` pixels (box) of (x, y).
bool near(const Picture& f, Rgb c, double x, double y, int radius = 1);

// Bounding box of the pixels of colour c inside a search box; false when there are none.
struct Box {
  int x0, y0, x1, y1;
};
bool bounds_of(const Picture& f, Rgb c, Box search, Box& found);
