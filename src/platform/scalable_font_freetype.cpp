// Placeholder metrics until the font is built in: an em-wide box per character.
#include "platform/scalable_font.h"

#include <algorithm>

ScalableMetrics scalable_font_metrics(float px) {
  return {0.88 * px, 0.12 * px, 1.25 * px};
}

double scalable_text_width(std::string_view utf8, float px) {
  double widest = 0.0;
  double w = 0.0;
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\n') {
      w = 0.0;
      continue;
    }
    if ((c & 0xC0) == 0x80) continue;
    w += c < 0x80 ? 0.55 * px : 1.0 * px;
    widest = std::max(widest, w);
  }
  return widest;
}

const ScalableGlyph& scalable_glyph(char32_t, float) {
  static const ScalableGlyph none{0, 0, 0, 0, 0.0, nullptr};
  return none;
}
