#pragma once

#include "app/app_state.h"
#include "sim/trajectory_store.h"

// The window tests draw from the program's own application state, with a workspace of
// their own; `store` is its trajectory store.
Workspace& gui_workspace();
inline TrajectoryStore& store = gui_workspace().store;

// The application state as after a computation of path 1 without error: the store empty,
// type 2 at step 0, the view at scale view_scale0 without shift.
void reset_gui_state();

// Every record and count of the store zero.
void clear_store();
