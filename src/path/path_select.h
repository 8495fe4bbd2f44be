#pragma once

// Path constants: derivation, the console selection dialog and the one-line description.

// Recomputes the derived constants, end parameter and start/end points of path I.
void derive_path(int I);

// The console dialog: sets settings.path_no and the chosen path's constants, then derives.
void select_path();

// Prints one line describing path I with its current constants (nothing for other numbers).
void print_path(int I);
