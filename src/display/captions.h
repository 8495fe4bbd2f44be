#pragma once

// "AGV Error and AGV Motion Error" at the top left.
void draw_title();

// Shown AGV type, active mechanism error with its size, CP path number, what the red and
// blue curves mean and the grid size, below the title.
void draw_legend();
