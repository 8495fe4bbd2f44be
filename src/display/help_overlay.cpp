#include "display/help_overlay.h"

#include <cstddef>

#include "picture/png_file.h"

// The PNG files of data/help, built into the program (cmake/embed_file.cmake).
extern const unsigned char help_keys_png[];
extern const std::size_t help_keys_png_size;
extern const unsigned char help_keys_small_png[];
extern const std::size_t help_keys_small_png_size;

namespace {

struct HelpPictures {
  RgbImage large;
  RgbImage small;
  DrawImage large_image;
  DrawImage small_image;
  bool usable = false;
};

// Decoded once: the pictures are data built into the program, the same for every window.
const HelpPictures& help_pictures() {
  static const HelpPictures pictures = [] {
    HelpPictures p;
    p.usable = read_png_bytes(help_keys_png, help_keys_png_size, p.large).empty() &&
               read_png_bytes(help_keys_small_png, help_keys_small_png_size, p.small).empty();
    p.large_image = {p.large.width, p.large.height, p.large.rgb.data()};
    p.small_image = {p.small.width, p.small.height, p.small.rgb.data()};
    return p;
  }();
  return pictures;
}

}  // namespace

bool load_help_pictures() {
  return help_pictures().usable;
}

void draw_help_overlay(DrawList& list, const TextStyle& style) {
  const HelpPictures& pictures = help_pictures();
  if (!pictures.usable) return;
  const DrawImage& p = style.specified ? pictures.large_image : pictures.small_image;
  const double px = 1.0 / style.px_per_unit;
  list.image(-p.width * 0.5 * px, p.height * 0.5 * px, &p);
}
