#pragma once

#include "gl/window.h"

struct AppState;

// The mouse in the window: the left button drags the scene, the wheel zooms about the
// pointer (by the factor of 'w' and 'W', within the same limits). Coordinates are pixels
// of the window from its top left.
void on_mouse_button(AppState& state, MouseButton button, bool pressed, int x, int y);
void on_mouse_drag(AppState& state, int x, int y);
