#include "platform/offscreen_context_egl.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstring>

#include "platform/catalogue.h"

namespace {

// Whether the space-separated list `extensions` names `name`.
bool has_extension(const char* extensions, const char* name) {
  const std::size_t length = std::strlen(name);
  for (const char* p = extensions; p != nullptr && *p != '\0';) {
    const char* end = std::strchr(p, ' ');
    const std::size_t word = end ? static_cast<std::size_t>(end - p) : std::strlen(p);
    if (word == length && std::strncmp(p, name, length) == 0) return true;
    p = end ? end + 1 : nullptr;
  }
  return false;
}

std::string failure(Msg why) {
  return format_text(tr(Msg::offscreen_no_egl), tr(why));
}

}  // namespace

bool open_surfaceless_context(std::string* error) {
  // Client extensions, asked of no display; null without EGL 1.5 or EXT_client_extensions.
  const char* client = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
  const auto get_platform_display = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (!has_extension(client, "EGL_MESA_platform_surfaceless") || get_platform_display == nullptr) {
    *error = failure(Msg::egl_no_surfaceless);
    return false;
  }
  const EGLDisplay display =
      get_platform_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  EGLint major = 0;
  EGLint minor = 0;
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, &major, &minor)) {
    *error = failure(Msg::egl_cannot_initialise);
    return false;
  }
  const char* extensions = eglQueryString(display, EGL_EXTENSIONS);
  if (!has_extension(extensions, "EGL_KHR_surfaceless_context") || !eglBindAPI(EGL_OPENGL_API)) {
    eglTerminate(display);
    *error = failure(Msg::egl_no_desktop_gl);
    return false;
  }
  // Any configuration that renders desktop OpenGL, whatever surfaces it has (no window
  // here): the colour and depth buffers are the framebuffer object's.
  const EGLint config_attributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_SURFACE_TYPE, 0,
                                      EGL_NONE};
  EGLConfig config = nullptr;
  EGLint configs = 0;
  if (!eglChooseConfig(display, config_attributes, &config, 1, &configs) || configs < 1) {
    eglTerminate(display);
    *error = failure(Msg::egl_no_config);
    return false;
  }
  // No attributes: a context of the legacy kind (the compatibility profile), which keeps
  // the OpenGL 1.x calls, as the window's and the X context are.
  const EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
  if (context == EGL_NO_CONTEXT ||
      !eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
    eglTerminate(display);
    *error = failure(Msg::egl_cannot_make_current);
    return false;
  }
  return true;  // kept until the process ends
}
