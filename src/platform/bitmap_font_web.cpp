// The browser edition draws every text in the scalable font (the projector style): its
// bitmap fonts have no glyphs, and every text in them is 0 pixels wide.
#include "platform/bitmap_font.h"

namespace {

const unsigned char empty_glyph[] = {0};

struct EmptyGlyphs {
  const unsigned char* glyphs[256];
  EmptyGlyphs() {
    for (auto& g : glyphs) g = empty_glyph;
  }
};

}  // namespace

const BitmapFont& bitmap_font(BitmapFontId /*id*/) {
  static const EmptyGlyphs empty;
  static const BitmapFont font{12, 0.0f, 0.0f, empty.glyphs};
  return font;
}

int bitmap_text_width(const BitmapFont& /*font*/, std::string_view /*text*/) {
  return 0;
}
