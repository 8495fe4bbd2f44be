#include "gl/offscreen_frame.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "gl/window.h"
#include "platform/catalogue.h"
#include "platform/gl_functions.h"
#include "platform/offscreen_context.h"

namespace {

// Framebuffer objects are core from OpenGL 3.0 on, an extension before.
bool has_framebuffers() {
  const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  int major = 0;
  if (version && std::sscanf(version, "%d", &major) == 1 && major >= 3) return true;
  const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  return extensions && std::strstr(extensions, "GL_ARB_framebuffer_object");
}

// Without framebuffer objects: the back buffer of the context's window, which is never
// shown, made the picture's size.
bool open_window_buffer(int width, int height, std::string* error) {
  if (!size_offscreen_window(width, height)) {
    *error = tr(Msg::offscreen_no_framebuffers);
    return false;
  }
  glDrawBuffer(GL_BACK);
  glReadBuffer(GL_BACK);
  init_frame_state();
  on_reshape(width, height);
  return true;
}

}  // namespace

bool OffscreenFrame::open(int width, int height, std::string* error) {
  if (width < 1 || height < 1 || width > max_side || height > max_side) {
    *error = format_text(tr(Msg::offscreen_bad_size), width, height, max_side);
    return false;
  }
  std::string reason;
  if (!open_offscreen_context(&reason)) {
    *error = reason;
    return false;
  }
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
  }
  const GlFramebufferFunctions gl = gl_framebuffer_functions();
  if (!has_framebuffers() || !gl.gen_framebuffers || !gl.bind_framebuffer ||
      !gl.gen_renderbuffers || !gl.bind_renderbuffer || !gl.renderbuffer_storage ||
      !gl.framebuffer_renderbuffer || !gl.check_framebuffer_status || !gl.delete_framebuffers ||
      !gl.delete_renderbuffers) {
    return open_window_buffer(width, height, error);
  }
  // The window's buffers: 8-bit RGBA colour and a depth buffer.
  if (framebuffer_ == 0) {
    gl.gen_framebuffers(1, &framebuffer_);
    gl.gen_renderbuffers(1, &colour_);
    gl.gen_renderbuffers(1, &depth_);
  }
  gl.bind_renderbuffer(GL_RENDERBUFFER, colour_);
  gl.renderbuffer_storage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  gl.bind_renderbuffer(GL_RENDERBUFFER, depth_);
  gl.renderbuffer_storage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
  gl.bind_framebuffer(GL_FRAMEBUFFER, framebuffer_);
  gl.framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
  gl.framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
  glDrawBuffer(GL_COLOR_ATTACHMENT0);
  glReadBuffer(GL_COLOR_ATTACHMENT0);
  if (gl.check_framebuffer_status(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE ||
      glGetError() != GL_NO_ERROR) {
    *error = format_text(tr(Msg::offscreen_cannot_draw), width, height);
    return false;
  }
  init_frame_state();
  on_reshape(width, height);
  return true;
}

OffscreenFrame::~OffscreenFrame() {
  if (framebuffer_ == 0) return;
  const GlFramebufferFunctions gl = gl_framebuffer_functions();
  gl.bind_framebuffer(GL_FRAMEBUFFER, 0);
  gl.delete_framebuffers(1, &framebuffer_);
  gl.delete_renderbuffers(1, &colour_);
  gl.delete_renderbuffers(1, &depth_);
}
