#include <windows.h>

#include "platform/catalogue.h"
#include "platform/offscreen_context.h"

namespace {

HWND context_window = nullptr;

bool open_context(std::string* error) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW window_class{};
  window_class.style = CS_OWNDC;
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.hInstance = instance;
  window_class.lpszClassName = L"agvsim-offscreen";
  RegisterClassW(&window_class);
  // Never shown: created without WS_VISIBLE and never passed to ShowWindow.
  const HWND window = CreateWindowExW(0, window_class.lpszClassName, L"agvsim", WS_POPUP, 0, 0, 1,
                                      1, nullptr, nullptr, instance, nullptr);
  const HDC dc = window ? GetDC(window) : nullptr;
  // The window's pixel format: RGBA of 8 bits each, double-buffered, with depth.
  PIXELFORMATDESCRIPTOR format{};
  format.nSize = sizeof format;
  format.nVersion = 1;
  format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  format.iPixelType = PFD_TYPE_RGBA;
  format.cColorBits = 24;
  format.cDepthBits = 16;
  const int chosen = dc ? ChoosePixelFormat(dc, &format) : 0;
  const HGLRC context =
      chosen && SetPixelFormat(dc, chosen, &format) ? wglCreateContext(dc) : nullptr;
  if (context == nullptr || !wglMakeCurrent(dc, context)) {
    *error = tr(Msg::offscreen_no_gl_win32);
    return false;
  }
  context_window = window;
  return true;  // kept until the process ends
}

}  // namespace

// Windows always draws on its display.

bool open_offscreen_context(std::string* error) {
  static std::string reason;
  static const bool opened = open_context(&reason);
  if (!opened) *error = reason;
  return opened;
}

bool size_offscreen_window(int width, int height) {
  if (context_window == nullptr || width < 1 || height < 1) return false;
  // The client area is the whole window: a WS_POPUP window has no frame.
  return SetWindowPos(context_window, nullptr, 0, 0, width, height,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != 0;
}
