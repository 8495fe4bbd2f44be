#pragma once

// Computes the three motions of all three AGV types along path I into the store.
// Returns traj_last of type 3, or MAX (3000) after printing why when a motion needs
// MAX records or more.
int caltraj(int I);
