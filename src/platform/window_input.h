#pragma once

// Drops the key presses and releases that the window system holds for the window of the
// current GL context and that the program has not handled yet: keys pressed while the
// program was busy elsewhere (in the console dialogue) must not act afterwards. Does
// nothing without a current window.
void discard_queued_window_keys();

// From now on an error of the window system about a window or drawable that is gone (the
// window destroyed by another program) is not the end of the program with the library's
// message: window_lost() tells it, and the program ends as it decides. Other errors end
// the program as before.
void watch_window_loss();
bool window_lost();
