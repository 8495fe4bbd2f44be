#pragma once

#include <cstdint>
#include <string_view>

// The bitmap fonts of the classic frame, as the window library ships them: glyphs of one
// height, each a row-packed bitmap (most significant bit first, rows bottom first, rows
// padded to whole bytes) preceded by its width, which is also its advance.

enum class BitmapFontId : std::uint8_t { helvetica10, helvetica12, helvetica18 };

struct BitmapFont {
  int height;   // pixels of every glyph
  float xorig;  // the glyph's origin in its bitmap
  float yorig;
  const unsigned char* const* glyphs;  // 256 entries: width byte, then the rows
};

const BitmapFont& bitmap_font(BitmapFontId id);

// Width in pixels of the longest line of a text ('\n' separates lines).
int bitmap_text_width(const BitmapFont& font, std::string_view text);
