#pragma once

#include <cstddef>
#include <string_view>

// The program's scalable font: a Japanese gothic typeface cut down at build time to the
// characters of the text catalogue (and printable ASCII), built into the program and drawn
// antialiased with FreeType. Sizes are pixels to the em. Texts are UTF-8; a character the
// font lacks takes the font's missing-glyph box. AGVSIM_FONT may name a font file to load
// in place of the built-in font (the full font it was cut from, say).

// False when no font could be loaded: then texts have estimated widths and no glyphs.
bool scalable_font_loaded();

// True when the font has a glyph of its own for the character.
bool scalable_font_has(char32_t code);

struct ScalableMetrics {
  double ascent;   // pixels above the baseline
  double descent;  // pixels below it (positive)
  double line;     // baseline to baseline
};

ScalableMetrics scalable_font_metrics(float px);

// Width in pixels of the longest line of a text ('\n' separates lines): the glyphs'
// advances and the kerning between them, as they are drawn.
double scalable_text_width(std::string_view utf8, float px);

// The kerning between two characters in pixels (0 when the font has none).
double scalable_kerning(char32_t left, char32_t right, float px);

// One glyph, rasterised: coverage 0..255, rows top first.
struct ScalableGlyph {
  int width;
  int height;
  int left;        // pixels from the pen position to the bitmap's left edge
  int top;         // pixels from the baseline up to the bitmap's top row
  double advance;  // pixels the pen moves on
  const unsigned char* coverage;
};

// The glyph of a character at a size, rasterised the first time it is asked for and kept;
// later calls allocate nothing. Sizes are told apart to 1/64 pixel. The glyph stays valid
// until glyphs of thousands of other characters and sizes have been asked for (the cache
// then starts again): use it before asking for many more.
const ScalableGlyph& scalable_glyph(char32_t code, float px);
