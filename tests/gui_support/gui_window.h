#pragma once

// The one window of a GUI test program: created on first use with the program's own
// window set-up (glutInit runs once per process), 800 x 800, its context current. Without
// an X display the frames go to an 800 x 800 off-screen frame instead (no window: keys
// that need one, the title and resizing are for tests that call require_window). Also
// restarts the count of non-finite values handed to GL (gl_value_guard.h).
void ensure_window();

// True when the tests run in a real window (an X display is set).
bool real_window();

#include <functional>

#include "scene/draw_list.h"

// Composes with `compose` into a list of its own and draws every command of it into the
// window's frame at once, over what is there.
void draw_now(const std::function<void(DrawList&)>& compose);
