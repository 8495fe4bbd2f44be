#include <windows.h>

#include "platform/window_title.h"

#include <string>

void set_window_title_utf8(const char* utf8) {
  const HDC dc = wglGetCurrentDC();
  const HWND window = dc ? WindowFromDC(dc) : nullptr;
  if (!window) return;
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  if (n <= 0) return;
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), n);
  // The window library registers ANSI windows, and SetWindowTextW would pass the text
  // through the ANSI code page on its way to them; the default window procedure keeps the
  // UTF-16 text as it is.
  DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}
