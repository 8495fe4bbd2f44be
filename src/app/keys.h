#pragma once

// Keyboard callback of the window. Stores the key in app.last_key, then: '1' '2' '3'
// choose the AGV type from step 0; 's' advances 3 records (held to 0..traj_last); '0' back
// to step 0; 'x'/'X', 'y'/'Y' shift the scene by 0.05; 'w'/'W' zoom by 0.9; each of these
// redraws at once by calling on_display. 'c' and 'e' set step 0 and run the console
// dialogue (no redraw); ESC ends the process with status 0. Other keys do nothing more.
void on_key(unsigned char key, int x, int y);
