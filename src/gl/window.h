#pragma once

#include "display/picture_box.h"

// The graphics window: creation, callbacks and the frame's beginning and end.

// The keys that have no character, as the window passes them on.
enum class ArrowKey { up, down, left, right };

// Mouse buttons as the window passes them on: the wheel turns as presses of two buttons.
enum class MouseButton { left, other, wheel_up, wheel_down };

// The callbacks the program gives the window: drawing a frame, a key and, when not null, a
// change of the window's size (which must call on_reshape). Each gets the program's state
// given to open_window.
struct WindowCallbacks {
  void (*display)(void* state);
  void (*keyboard)(void* state, unsigned char key);
  void (*reshape)(void* state, int width, int height) = nullptr;
  // When not null, the close button (the window manager's request to close).
  void (*close)(void* state) = nullptr;
  // When not null: an arrow key (with Shift held or not); a mouse button pressed or
  // released at a pixel of the window (from its top left); the pointer moved with a
  // button held.
  void (*arrow)(void* state, ArrowKey key, bool shift) = nullptr;
  void (*mouse)(void* state, MouseButton button, bool pressed, int x, int y) = nullptr;
  void (*drag)(void* state, int x, int y) = nullptr;
};

// Creates the 800 x 800 window with its callbacks (and on_reshape) and white clear colour,
// and gives it its title, the window's keys (Msg::window_title), as a UTF-8 name too;
// everything start_window does short of the main loop. The callbacks get `state`. Call once
// per process.
void open_window(int* argc, char** argv, const WindowCallbacks& callbacks, void* state);

// The GL state the frames start from (the white clear colour): open_window sets it in the
// window's context, an off-screen picture in its own.
void init_frame_state();

// Opens the window and runs the event loop, which never returns.
void start_window(int argc, char** argv, const WindowCallbacks& callbacks, void* state);

// Runs the event loop of the window open_window made; never returns.
void run_window();

// Reshape callback: the viewport and the scissor box on the picture's square, identity
// projection; a window beyond max_window_side is asked to shrink to it.
void on_reshape(int width, int height);

// Sets the viewport (and the scissor box) to where a composed frame goes in the window.
void set_frame_viewport(const FrameBox& box);

// Clears the whole window and resets the model-view matrix; drawing is then held to the
// picture's square.
void frame_begin();

// Flushes and shows the frame (when drawn in the window).
void frame_end();

// True once open_window has made the window.
bool has_window();

// Calls callback(state) from the event loop after `ms` milliseconds, with the state given
// to open_window (nothing without a window). At most a few different callbacks.
void call_after_ms(unsigned ms, void (*callback)(void* state));
