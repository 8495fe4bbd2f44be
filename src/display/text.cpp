#include "display/text.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

// The colour is set explicitly as well: before the first primitive lighting is still off
// and the raster colour is the current colour, so the first frame's title and legend come
// out in the same near-black. With lighting on it has no effect.
void draw_text(double x, double y, void* font, const char* text) {
  glPushAttrib(GL_CURRENT_BIT);
  glColor3f(text_grey, text_grey, text_grey);
  glRasterPos2d(x, y);
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c != '\n') glutBitmapCharacter(font, static_cast<unsigned char>(*c));
  }
  glPopAttrib();
}
