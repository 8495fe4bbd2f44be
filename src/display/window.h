#pragma once

// The graphics window: creation, callbacks and the frame's beginning and end.

// Window title: the keys of the window (UTF-8), with quitting and the key list added after
// the original key help.
inline constexpr const char window_title[] =
    "1,2,3:機構選択, c,e:経路orAGV誤差変更，W,w:画面拡大縮小，x,X,y,Y:画面移動，0:初期へ，s:継続"
    "，h:キー一覧，ESC:終了";

// The callbacks the program gives the window: drawing a frame, a key and, when not null, a
// change of the window's size (which must call on_reshape).
struct WindowCallbacks {
  void (*display)();
  void (*keyboard)(unsigned char key, int x, int y);
  void (*reshape)(int width, int height) = nullptr;
};

// Creates the 800 x 800 window with its callbacks (and on_reshape) and white clear colour,
// and gives it the title as a UTF-8 name too; everything start_window does short of the
// main loop. Call once per process.
void open_window(int* argc, char** argv, const WindowCallbacks& callbacks);

// The GL state the frames start from (the white clear colour): open_window sets it in the
// window's context, an off-screen picture in its own.
void init_frame_state();

// Opens the window and runs the event loop, which never returns.
void start_window(int argc, char** argv, const WindowCallbacks& callbacks);

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

// Reshape callback: the viewport and the scissor box on the picture's square, identity
// projection; a window beyond max_window_side is asked to shrink to it.
void on_reshape(int width, int height);

// Clears the whole window and resets the model-view matrix; drawing is then held to the
// picture's square.
void frame_begin();

// Flushes and shows the frame.
void frame_end();
