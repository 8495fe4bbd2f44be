#pragma once

// The one window of a GUI test program: created on first use with the program's own
// window set-up (glutInit runs once per process), 800 x 800, its context current. Also
// restarts the count of non-finite values handed to GL (gl_value_guard.h).
void ensure_window();
