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
