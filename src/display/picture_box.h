#pragma once

// The largest window side the program draws into. Every frame is drawn whole before the
// next key is read, and with a software renderer a frame's time grows with its pixels: at
// 16384 x 16384 a frame took seconds and ESC waited behind it, at 4096 x 4096 (a 4K
// screen, and the largest picture agvsim-export draws) ESC ends the program well within a
// second.
inline constexpr int max_window_side = 4096;

// Where the picture goes in a window: the largest centred square (a metre is as long
// across as up, the rest stays white), in a window held to max_window_side.
struct PictureBox {
  int x, y;        // bottom left corner, pixels from the window's bottom left
  int side;        // pixels
  bool oversized;  // the window is larger than max_window_side (it is asked to shrink)
};
PictureBox picture_box(int width, int height);

class DrawList;

// Where a composed frame goes in a window: a square frame in the picture box, a frame of
// the window's own size over the whole window.
struct FrameBox {
  int x, y;  // bottom left corner, pixels from the window's bottom left
  int width, height;
};
FrameBox frame_box(const DrawList& list, int window_width, int window_height);
