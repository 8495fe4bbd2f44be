#include "gl/frame_capture.h"

#include <GL/gl.h>

void read_frame(int width, int height, unsigned char* rgb) {
  // Read where the frame was drawn: GL_BACK in the window, the colour attachment of a
  // framebuffer object.
  GLint drawn = GL_BACK;
  glGetIntegerv(GL_DRAW_BUFFER, &drawn);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_PACK_SKIP_ROWS, 0);
  glReadBuffer(static_cast<GLenum>(drawn));
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb);
  glPopClientAttrib();
}
