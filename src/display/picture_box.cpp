#include "display/picture_box.h"

#include "scene/draw_list.h"

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

FrameBox frame_box(const DrawList& list, int window_width, int window_height) {
  if (list.width() == window_width && list.height() == window_height &&
      list.width() != list.height()) {
    return {0, 0, window_width, window_height};
  }
  const PictureBox box = picture_box(window_width, window_height);
  return {box.x, box.y, box.side, box.side};
}
