#pragma once

// Gives the window of the current GL context its title in UTF-8 where the window library
// can only set a narrow one: on X11 _NET_WM_NAME and _NET_WM_ICON_NAME (UTF8_STRING), and
// _NET_WM_PID so that window managers and tools can find the process; on Windows the
// window text as UTF-16. Does nothing without a current window.
void set_window_title_utf8(const char* utf8);
