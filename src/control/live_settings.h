#pragma once

#include "control/session.h"
#include "model/scenario.h"

// The setting as the window's keys change it, without the console: the error kind, its
// one or two values, the path and its enterable constants. Each change is made in the
// session itself, so the console dialogue ('c', 'e') goes on from it. A value is held as a
// whole number of steps from where it stood when its kind or path was chosen, never as a
// sum of steps: a step up and a step down give back the very same value.

// The values the arrows change: the error's (at most 2), then the path's constants.
inline constexpr int live_value_limit = 2 + max_path_constants;

// Value steps: a tenth (of a percent, a degree or a metre), or a whole one with Shift.
inline constexpr int fine_step = 1;
inline constexpr int coarse_step = 10;

struct SteppedValue {
  double start;     // the value before the first step
  long long steps;  // tenths away from start, start rounded to tenths
};

struct LiveSettings {
  int selected;  // 0..count - 1
  int count;     // the error's values and the path's enterable constants
  SteppedValue value[live_value_limit];
};

// Takes the session's setting as it is (at start and after the dialogue); the selection
// stays where it was when there is still such a value.
void live_settings_from(LiveSettings& live, const Session& session);

// The error kind after (+1) or before (-1) the current one, 0..5 round. A kind with values
// takes the values entered last, or when they are all 0 a size worth seeing.
void live_next_kind(LiveSettings& live, Session& session, int direction);

// Back to no error (false when there was none).
bool live_no_error(LiveSettings& live, Session& session);

// The path after or before the current one in the menu's order, round, with the constants
// last used for it.
void live_next_path(LiveSettings& live, Session& session, int direction);

// Selects the next (+1) or previous (-1) value, round.
void live_select(LiveSettings& live, int direction);

// Changes the selected value by `steps` tenths. A path constant stops at 0 (false when it
// is there already or nothing is selected).
bool live_step(LiveSettings& live, Session& session, int steps);

// How many error values come first in the selection.
int live_error_value_count(const Session& session);

// The current value of a stepped value.
double stepped_value(const SteppedValue& v);
