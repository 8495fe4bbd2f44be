#pragma once

#include <string>

// A GL context for drawing pictures without showing anything on the screen: it is made
// current on a window of the window system that is never mapped (X11) or shown (Windows),
// and the pictures are drawn into a framebuffer object of their own size. The context is
// the one the window would get (same display, same renderer), so its pixels are the
// window's. Where there is no X display, the context is made without one
// (platform/offscreen_context_egl.h): the same software renderer, the same pixels.

// Makes the context current, once per process (later calls give the first outcome). On
// X11 on the display named by DISPLAY, or without a display when DISPLAY is unset or the
// display cannot be used. False with the reasons of both, in the language of the process,
// when neither works.
bool open_offscreen_context(std::string* error);

// Gives the never-shown window of the context width x height pixels, for a driver without
// framebuffer objects: the pictures are then drawn into its back buffer. Drivers need not
// keep the pixels of a window that is not on the screen. Windows only: under X11 Mesa
// draws nothing readable into an unmapped window, so there it always gives false (GLX
// drivers have framebuffer objects). False as well when there is no such context or the
// window system refuses the size.
bool size_offscreen_window(int width, int height);
