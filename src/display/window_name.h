#pragma once

// Sets _NET_WM_NAME and _NET_WM_ICON_NAME (UTF8_STRING) of the window of the current GLX
// drawable, so window managers show a UTF-8 title; the window library itself sets only a
// Latin-1 WM_NAME. Also sets _NET_WM_PID. Does nothing without a current drawable.
void set_utf8_window_name(const char* utf8);
