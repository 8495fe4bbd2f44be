#pragma once

#include "gl/window.h"

struct AppState;

// Keyboard callback of the window. Stores the key in state.last_key, then: '1' '2' '3'
// choose the AGV type from step 0; 's' advances 3 records (held to 0..traj_last); '0' back
// to step 0; 'x'/'X', 'y'/'Y' shift the scene by 0.05; 'w'/'W' zoom by 0.9 (held to
// min_view_scale..max_view_scale); space plays or pauses, '+'/'-' change its speed; 'f'
// fits the view to the motion; 'i' shows or hides the status line; 'h'/'?' show the key
// list, which the next key (ESC too) only closes; each of these redraws at once by calling
// on_display. 'c' and 'e' stop playing, set step 0 and run the console dialogue (no
// redraw), then drop the keys pressed in the window meanwhile; ESC ends the process with
// status 0. Other keys do nothing more.
// 'k'/'K' choose the next/previous error kind, 'n' no error, 'r'/'R' the next/previous
// path, each computed at once (live_setting_key); 'b' shows or hides the ghost trail of
// the setting before, 'm' the three types side by side.
void on_key(AppState& state, unsigned char key);

// Arrow keys: up and down change the selected value by a tenth (Shift: by a whole one),
// left and right select the value; each change is computed and drawn at once.
void on_arrow_key(AppState& state, ArrowKey key, bool shift);

// Ends the program as ESC does: a GIF being recorded is written first, then exit status 0.
// Also the end when the window is closed by its close button or by another program.
[[noreturn]] void quit_program(AppState& state);
