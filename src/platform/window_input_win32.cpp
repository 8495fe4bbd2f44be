#include <windows.h>

#include "platform/window_input.h"

void discard_queued_window_keys() {
  const HDC dc = wglGetCurrentDC();
  const HWND window = dc ? WindowFromDC(dc) : nullptr;
  if (window == nullptr) return;
  MSG message;
  while (PeekMessageW(&message, window, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
}

// Windows tells a closed window through the library's close callback.
void watch_window_loss() {}

bool window_lost() {
  return false;
}
