#pragma once

#include "control/session.h"
#include "model/scenario.h"

// The console dialog that chooses a CP path and its constants, and the one-line
// description of a path.

// Runs the dialog: on return session.path_no holds the chosen path and its constants in
// the session are the ones entered.
void select_path(Session& session);

// Prints one line describing the path with its constants (nothing for a number that is no
// path).
void print_path(const PathChoice& path);
