#pragma once

#include "app/app_state.h"
#include "sim/trajectory_store.h"

// The window tests' own state of the window (one per test program), which they hand to
// the program's functions as the program hands its own to the window; `app` names it.
AppState& gui_app();
inline AppState& app = gui_app();

// Its workspace, made by the tests; `store` is its trajectory store.
Workspace& gui_workspace();
inline TrajectoryStore& store = gui_workspace().store;

// The application state as after a computation of path 1 without error: the store empty,
// type 2 at step 0, the view at scale view_scale0 without shift.
void reset_gui_state();

// Every record and count of the store zero.
void clear_store();
