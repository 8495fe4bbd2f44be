#pragma once

#include <string>

// Frames drawn off the screen, pixel for pixel as the window draws them: a GL context of
// the program's own that is never shown (platform/offscreen_context.h) and a framebuffer
// object of the picture's size in place of the
// window (or, where the driver has none, the back buffer of the never-shown window). Frames are
// then composed with compose_frame (display/frame.h), drawn by a GlRenderer (gl/renderer.h) and
// read back with read_frame (gl/frame_capture.h) at the target's size.
class OffscreenFrame {
 public:
  OffscreenFrame() = default;
  ~OffscreenFrame();
  OffscreenFrame(const OffscreenFrame&) = delete;
  OffscreenFrame& operator=(const OffscreenFrame&) = delete;

  // Makes a width x height target and draws into it from now on, as into a window of that
  // size (the picture in its largest centred square, see picture_box). The context is
  // made on the first call. False with the reason, in the language of the process, when
  // there is no display, no OpenGL or no framebuffer object of that size.
  bool open(int width, int height, std::string* error);

  // The largest side open() takes.
  static constexpr int max_side = 4096;

 private:
  unsigned framebuffer_ = 0;
  unsigned colour_ = 0;
  unsigned depth_ = 0;
};
