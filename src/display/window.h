#pragma once

// The graphics window: creation, callbacks and the frame's beginning and end.

// Window title: the keys of the window (UTF-8).
inline constexpr const char window_title[] =
    "1,2,3:機構選択, c,e:経路orAGV誤差変更，W,w:画面拡大縮小，x,X,y,Y:画面移動，0:初期へ，s:継続";

// The callbacks the program gives the window: drawing a frame and a key.
struct WindowCallbacks {
  void (*display)();
  void (*keyboard)(unsigned char key, int x, int y);
};

// Creates the 800 x 800 window with its callbacks (and on_reshape) and white clear colour,
// and gives it the title as a UTF-8 name too; everything start_window does short of the
// main loop. Call once per process.
void open_window(int* argc, char** argv, const WindowCallbacks& callbacks);

// Opens the window and runs the event loop, which never returns.
void start_window(int argc, char** argv, const WindowCallbacks& callbacks);

// Reshape callback: viewport over the whole window, identity projection.
void on_reshape(int width, int height);

// Clears colour and depth and resets the model-view matrix.
void frame_begin();

// Flushes and shows the frame.
void frame_end();
