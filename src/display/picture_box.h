#pragma once

// The largest window side the program draws into. Mesa's software renderer survives much
// more (it fails only where one frame reaches 4 GiB, at about 32767 x 32767 pixels), but
// 16384 is its largest viewport and already a gigabyte per frame.
inline constexpr int max_window_side = 16384;

// Where the picture goes in a window: the largest centred square (a metre is as long
// across as up, the rest stays white), in a window held to max_window_side.
struct PictureBox {
  int x, y;        // bottom left corner, pixels from the window's bottom left
  int side;        // pixels
  bool oversized;  // the window is larger than max_window_side (it is asked to shrink)
};
PictureBox picture_box(int width, int height);
