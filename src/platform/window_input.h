#pragma once

// Drops the key presses and releases that the window system holds for the window of the
// current GL context and that the program has not handled yet: keys pressed while the
// program was busy elsewhere (in the console dialogue) must not act afterwards. Does
// nothing without a current window.
void discard_queued_window_keys();
