#include "display/text.h"

#include <cstring>

#include "platform/bitmap_font.h"

void draw_text(DrawList& list, double x, double y, FontId font, const char* text) {
  list.text(x, y, font, {text, std::strlen(text)}, text_rgba);
}

// From 800 pixels on the fonts of the 800-pixel picture; below it Helvetica 12 and 10,
// whose widest legend line still ends left of the chart panel at 400 pixels; below 480
// pixels (the height of the smallest screen in use) Helvetica 10 throughout.
TextStyle text_style(int picture_px) {
  const double ppu = picture_px > 0 ? picture_px / 2.0 : 1.0;
  if (picture_px >= 800) return {FontId::helvetica18, FontId::helvetica12, ppu, true};
  if (picture_px >= 480) return {FontId::helvetica12, FontId::helvetica10, ppu, false};
  return {FontId::helvetica10, FontId::helvetica10, ppu, false};
}

double text_width(const TextStyle& style, FontId font, const char* text) {
  return bitmap_text_width(bitmap_font(font), text) / style.px_per_unit;
}

double line_height(const TextStyle& style, FontId font) {
  return bitmap_font(font).height / style.px_per_unit;
}
