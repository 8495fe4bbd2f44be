#include <EGL/egl.h>
#include <X11/Xlib.h>
