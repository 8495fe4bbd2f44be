#pragma once

#include <string>

// The GL context of pictures on a machine without a window system: EGL on Mesa's
// surfaceless platform, which needs neither a display nor a GPU (Mesa then draws with its
// software renderer, as under a virtual X display). A desktop OpenGL context of the
// legacy kind, so that OpenGL 1.x drawing works, made current without any surface: the
// pictures are drawn into a framebuffer object (gl/offscreen_frame.h).

// Makes the context current. False with the reason, in the language of the process, when
// EGL, its surfaceless platform or desktop OpenGL on it cannot be had.
bool open_surfaceless_context(std::string* error);
