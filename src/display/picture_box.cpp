#include "display/picture_box.h"

#include <algorithm>

PictureBox picture_box(int width, int height) {
  PictureBox box{};
  box.oversized = width > max_window_side || height > max_window_side;
  width = std::clamp(width, 0, max_window_side);
  height = std::clamp(height, 0, max_window_side);
  box.side = std::min(width, height);
  box.x = (width - box.side) / 2;
  box.y = (height - box.side) / 2;
  return box;
}
