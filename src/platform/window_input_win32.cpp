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
