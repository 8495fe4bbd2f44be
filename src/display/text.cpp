#include "display/text.h"

#include <cstring>

#include "platform/bitmap_font.h"
#include "platform/scalable_font.h"

void draw_text(DrawList& list, double x, double y, FontId font, const char* text) {
  list.text(x, y, font, {text, std::strlen(text)}, text_rgba);
}

// From 800 pixels on the fonts of the 800-pixel picture; below it Helvetica 12 and 10,
// whose widest legend line still ends left of the chart panel at 400 pixels; below 480
// pixels (the height of the smallest screen in use) Helvetica 10 throughout.
TextStyle text_style(int picture_px) {
  const double ppu = picture_px > 0 ? picture_px / 2.0 : 1.0;
  using B = BitmapFontId;
  if (picture_px >= 800) return {B::helvetica18, B::helvetica12, ppu, true};
  if (picture_px >= 480) return {B::helvetica12, B::helvetica10, ppu, false};
  return {B::helvetica10, B::helvetica10, ppu, false};
}

double text_width(const TextStyle& style, FontId font, const char* text) {
  if (font.is_scalable()) return scalable_text_width(text, font.px) / style.px_per_unit;
  return bitmap_text_width(bitmap_font(font.bitmap), text) / style.px_per_unit;
}

double line_height(const TextStyle& style, FontId font) {
  // The font's own line is one em with no gap: a quarter em more keeps lines apart.
  if (font.is_scalable()) return 1.25 * font.px / style.px_per_unit;
  return bitmap_font(font.bitmap).height / style.px_per_unit;
}
