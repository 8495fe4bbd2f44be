// The bitmap fonts in the browser: the page draws their texts in the scalable font at the
// font's size (frame-canvas.js), so their widths are measured in that font; there are no
// glyphs here.
#include "platform/bitmap_font.h"

#include "platform/scalable_font.h"

namespace {

const unsigned char empty_glyph[] = {0};

struct EmptyGlyphs {
  const unsigned char* glyphs[256];
  EmptyGlyphs() {
    for (auto& g : glyphs) g = empty_glyph;
  }
};

}  // namespace

const BitmapFont& bitmap_font(BitmapFontId id) {
  static const EmptyGlyphs empty;
  static const BitmapFont fonts[] = {{10, 0.0f, 0.0f, empty.glyphs},
                                     {12, 0.0f, 0.0f, empty.glyphs},
                                     {18, 0.0f, 0.0f, empty.glyphs}};
  return fonts[static_cast<int>(id)];
}

int bitmap_text_width(const BitmapFont& font, std::string_view text) {
  return static_cast<int>(scalable_text_width(text, static_cast<float>(font.height)) + 0.5);
}
