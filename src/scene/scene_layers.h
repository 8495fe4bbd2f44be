#pragma once

// The top view of the shown motion up to the current step: grid, red trail and vehicle
// (no mechanism error), blue trail and vehicle (with the error), CP path line, path start
// and end markers, and last the white panel right of x = 0.35 that the charts are drawn on.
// Reads only records 0..traj_last of the shown type, whatever settings.step holds.
void draw_scene();
