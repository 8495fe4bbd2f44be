// The scalable font in the browser: the page loads the font as a web font and draws the
// texts itself; widths and metrics come from the page's canvas (Module.measureText and
// Module.fontMetrics), so that the frame is laid out for the glyphs it is drawn with.
// Glyphs are never rasterised here.
#include <emscripten/emscripten.h>

#include "platform/scalable_font.h"

namespace {

// Width in pixels of the longest line of a UTF-8 text at px pixels to the em; an estimate
// of half an em per character before the page has a canvas.
// clang-format off
EM_JS(double, measure_text, (const char* text, int length, double px), {
  const s = UTF8ToString(text, length);
  if (Module.measureText) return Module.measureText(s, px);
  let longest = 0;
  for (const line of s.split("\n")) longest = Math.max(longest, line.length);
  return longest * px * 0.5;
});

// 0: ascent, 1: descent of the font in em.
EM_JS(double, font_metric, (int which), {
  const m = Module.fontMetrics ? Module.fontMetrics() : [0.88, 0.12];
  return m[which];
});
// clang-format on

}  // namespace

char32_t next_utf8_char(std::string_view utf8, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const unsigned char lead = byte(at++);
  if (lead < 0x80) return lead;
  int more = 0;
  char32_t code = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    more = 1, code = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    more = 2, code = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    more = 3, code = lead & 0x07, least = 0x10000;
  } else {
    return 0xFFFD;
  }
  for (int i = 0; i < more; ++i) {
    if (at >= utf8.size() || (byte(at) & 0xC0) != 0x80) return 0xFFFD;
    code = code << 6 | (byte(at++) & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0xFFFD;
  return code;
}

bool scalable_font_loaded() {
  return true;
}

bool scalable_font_has(char32_t /*code*/) {
  return true;  // the page's font, or the browser's fallback for what it lacks
}

ScalableMetrics scalable_font_metrics(float px) {
  const double ascent = font_metric(0) * px, descent = font_metric(1) * px;
  return {ascent, descent, ascent + descent};
}

double scalable_text_width(std::string_view utf8, float px) {
  return measure_text(utf8.data(), static_cast<int>(utf8.size()), px);
}

double scalable_kerning(char32_t /*left*/, char32_t /*right*/, float /*px*/) {
  return 0.0;  // the canvas kerns as it draws; widths above include it
}

const ScalableGlyph& scalable_glyph(char32_t /*code*/, float px) {
  static ScalableGlyph none{0, 0, 0, 0, 0.0, nullptr};
  none.advance = px * 0.5;
  return none;
}
