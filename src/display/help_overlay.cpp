#include "display/help_overlay.h"

#include <GL/gl.h>

#include <cstddef>

#include "picture/png_file.h"

// The PNG files of data/help, built into the program (cmake/embed_file.cmake).
extern const unsigned char help_keys_png[];
extern const std::size_t help_keys_png_size;
extern const unsigned char help_keys_small_png[];
extern const std::size_t help_keys_small_png_size;

namespace {

RgbImage large;
RgbImage small;
bool loaded = false;
bool usable = false;

}  // namespace

bool load_help_pictures() {
  if (!loaded) {
    loaded = true;
    usable = read_png_bytes(help_keys_png, help_keys_png_size, large).empty() &&
             read_png_bytes(help_keys_small_png, help_keys_small_png_size, small).empty();
  }
  return usable;
}

// The picture's rows come top first: drawn downward from its top left corner.
void draw_help_overlay(const TextStyle& style) {
  if (!load_help_pictures()) return;
  const RgbImage& p = style.specified ? large : small;
  const double px = 1.0 / style.px_per_unit;
  glPushAttrib(GL_CURRENT_BIT | GL_PIXEL_MODE_BIT);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelZoom(1.0f, -1.0f);
  glRasterPos2d(-p.width * 0.5 * px, p.height * 0.5 * px);
  glDrawPixels(p.width, p.height, GL_RGB, GL_UNSIGNED_BYTE, p.rgb.data());
  glPopClientAttrib();
  glPopAttrib();
}
