#pragma once

#include "scene/draw_list.h"
#include "scene/rgba.h"

// Grey level of every window text.
inline constexpr float text_grey = 0.04f;
inline constexpr rgba text_rgba{text_grey, text_grey, text_grey, 1.0f};

// Bitmap text at window position (x, y): its baseline's left end. A '\n' draws nothing.
void draw_text(DrawList& list, double x, double y, FontId font, const char* text);

// The picture is a square of window units -1..1 however large it is drawn, but bitmap
// texts keep their pixel size: a picture smaller than 800 pixels gets smaller fonts, so
// that every text stays whole and apart from its neighbours.
struct TextStyle {
  FontId font;         // captions and chart labels (Helvetica 18 from 800 pixels on)
  FontId small_font;   // chart notes, seconds label, status line (Helvetica 12)
  double px_per_unit;  // pixels per window unit: half the picture's side
  bool specified;      // the fonts of the 800-pixel picture, and the legend at its places
};

// The style of a picture `picture_px` pixels wide and high.
TextStyle text_style(int picture_px);

// Width of a text in window units in a font of the style.
double text_width(const TextStyle& style, FontId font, const char* text);

// Height of a line of the font in window units.
double line_height(const TextStyle& style, FontId font);
