#include "gui_support/frame_pixels.h"

#include <GL/gl.h>

#include "gl/frame_capture.h"

#include <algorithm>
#include <cmath>

void capture(Picture& out) {
  glFinish();
  read_frame(frame_size, frame_size, &out.px[0][0].r);
}

const Picture& capture_frame() {
  static Picture frame;
  capture(frame);
  return frame;
}

int count_in(const Picture& f, Rgb c, int x0, int y0, int x1, int y1) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, frame_size - 1);
  y1 = std::min(y1, frame_size - 1);
  int n = 0;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) n += f.at(x, y) == c ? 1 : 0;
  }
  return n;
}

bool near(const Picture& f, Rgb c, double x, double y, int radius) {
  const int cx = static_cast<int>(std::floor(x));
  const int cy = static_cast<int>(std::floor(y));
  return count_in(f, c, cx - radius, cy - radius, cx + radius, cy + radius) > 0;
}

bool bounds_of(const Picture& f, Rgb c, Box search, Box& found) {
  bool any = false;
  found = {frame_size, frame_size, -1, -1};
  for (int y = std::max(search.y0, 0); y <= std::min(search.y1, frame_size - 1); ++y) {
    for (int x = std::max(search.x0, 0); x <= std::min(search.x1, frame_size - 1); ++x) {
      if (!(f.at(x, y) == c)) continue;
      any = true;
      found = {std::min(found.x0, x), std::min(found.y0, y), std::max(found.x1, x),
               std::max(found.y1, y)};
    }
  }
  return any;
}
