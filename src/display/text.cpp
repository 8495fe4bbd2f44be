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

// From 800 pixels on the fonts of the 800-pixel picture; below it Helvetica 12 and 10,
// whose widest legend line still ends left of the chart panel at 400 pixels; below 480
// pixels (the height of the smallest screen in use) Helvetica 10 throughout.
TextStyle text_style(int picture_px) {
  const double ppu = picture_px > 0 ? picture_px / 2.0 : 1.0;
  if (picture_px >= 800) {
    return {GLUT_BITMAP_HELVETICA_18, GLUT_BITMAP_HELVETICA_12, ppu, true};
  }
  if (picture_px >= 480) return {GLUT_BITMAP_HELVETICA_12, GLUT_BITMAP_HELVETICA_10, ppu, false};
  return {GLUT_BITMAP_HELVETICA_10, GLUT_BITMAP_HELVETICA_10, ppu, false};
}

double text_width(const TextStyle& style, void* font, const char* text) {
  return glutBitmapLength(font, reinterpret_cast<const unsigned char*>(text)) / style.px_per_unit;
}

double line_height(const TextStyle& style, void* font) {
  return glutBitmapHeight(font) / style.px_per_unit;
}
