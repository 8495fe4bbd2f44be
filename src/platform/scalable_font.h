#pragma once

#include <string_view>

// The program's scalable font: a Japanese gothic typeface cut down at build time to the
// characters of the text catalogue (and printable ASCII), built into the program and drawn
// antialiased with FreeType. Sizes are pixels to the em. Texts are UTF-8; a character the
// font lacks takes the font's missing-glyph box.

struct ScalableMetrics {
  double ascent;   // pixels above the baseline
  double descent;  // pixels below it (positive)
  double line;     // baseline to baseline
};

ScalableMetrics scalable_font_metrics(float px);

// Width in pixels of the longest line of a text ('\n' separates lines).
double scalable_text_width(std::string_view utf8, float px);

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
// later calls allocate nothing.
const ScalableGlyph& scalable_glyph(char32_t code, float px);
