// The font data of the window library (freeglut), used without the library's own drawing
// calls so that texts can be measured and drawn with no window and no display.
#include "platform/bitmap_font.h"

extern "C" {
// The layout of the library's font records.
struct GlutFontData {
  const char* name;
  int quantity;
  int height;
  const unsigned char* const* characters;
  float xorig;
  float yorig;
};
extern const GlutFontData fgFontHelvetica10;
extern const GlutFontData fgFontHelvetica12;
extern const GlutFontData fgFontHelvetica18;
}

namespace {

BitmapFont from_glut(const GlutFontData& f) {
  return {f.height, f.xorig, f.yorig, f.characters};
}

}  // namespace

const BitmapFont& bitmap_font(BitmapFontId id) {
  static const BitmapFont fonts[] = {from_glut(fgFontHelvetica10), from_glut(fgFontHelvetica12),
                                     from_glut(fgFontHelvetica18)};
  return fonts[static_cast<int>(id)];
}

int bitmap_text_width(const BitmapFont& font, std::string_view text) {
  int longest = 0;
  int line = 0;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\n') {
      if (line > longest) longest = line;
      line = 0;
    } else if (c != 0) {
      line += font.glyphs[c][0];
    }
  }
  return line > longest ? line : longest;
}
