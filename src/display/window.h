#pragma once

// The graphics window: creation, callbacks and the composition of a frame.

// Window title: the keys of the window (UTF-8).
inline constexpr const char window_title[] =
    "1,2,3:機構選択, c,e:経路orAGV誤差変更，W,w:画面拡大縮小，x,X,y,Y:画面移動，0:初期へ，s:継続";

// Creates the 800 x 800 window with its callbacks and white clear colour, and gives it
// the title as a UTF-8 name too; everything start_window does short of the main loop.
// Call once per process.
void open_window(int* argc, char** argv);

// Opens the window and runs the event loop, which never returns.
void start_window(int argc, char** argv);

// Reshape callback: viewport over the whole window, identity projection.
void on_reshape(int width, int height);

// Clears colour and depth and resets the model-view matrix.
void frame_begin();

// Flushes and shows the frame.
void frame_end();

// Display callback: title, legend, scene, charts. on_key calls it to redraw at once.
void on_display();
