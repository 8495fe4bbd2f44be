#pragma once

#include <cstddef>
#include <vector>

// Pixel rows handed to the picture writers are laid out as
//   glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels)
// leaves them: 3 bytes per pixel (red, green, blue), the BOTTOM row first. The writers take
// the distance between rows in bytes (row_bytes); 0 means tightly packed rows of 3 * width
// bytes, which is what OpenGL returns after glPixelStorei(GL_PACK_ALIGNMENT, 1). With
// OpenGL's default alignment of 4 pass gl_rgb_row_bytes(width).
inline std::size_t gl_rgb_row_bytes(int width, int pack_alignment = 4) {
  const std::size_t a = pack_alignment > 0 ? static_cast<std::size_t>(pack_alignment) : 1;
  return (3 * static_cast<std::size_t>(width) + a - 1) / a * a;
}

// A picture read back from a file: rows of 3 * width bytes without padding, the TOP row
// first (the order of the file, not OpenGL's).
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;

  // The pixel at column x of row y, counted from the top.
  const unsigned char* at(int x, int y) const {
    return rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
  }
};
