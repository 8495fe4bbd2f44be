#pragma once

struct AppState;

// The window's keys that change the setting without the console, and the computation that
// follows each change at once.
enum class LiveKey {
  kind_next,        // 'k'
  kind_previous,    // 'K'
  no_error,         // 'n'
  path_next,        // 'r'
  path_previous,    // 'R'
  select_next,      // right arrow
  select_previous,  // left arrow
  up,               // up arrow: the selected value a tenth up
  down,             // down arrow
  up_coarse,        // Shift + up arrow: a whole one up
  down_coarse,      // Shift + down arrow
};

// Changes the session's setting as the key says and computes it into the spare store,
// reusing what the last computation of the same path left. A computation that succeeds
// becomes the one shown (the stores are swapped, and the one shown before is kept for the
// ghost trail); the step stays at its time, at the new end when the new motion is shorter.
// A refused one leaves the picture as it was and is named in the settings bar and the
// status line until the next setting that can be computed. False when the key changed
// nothing (the caller then need not redraw).
bool live_setting_key(AppState& state, LiveKey key);

// Computes the session's setting as live_setting_key does after a change.
void live_recompute(AppState& state);

// The window's picture after the console dialogue or a scenario from the command line:
// the live setting starts from the session, nothing refused, no ghost.
void live_setting_restart(AppState& state);
