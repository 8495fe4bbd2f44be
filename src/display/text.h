#pragma once

// Grey level of every window text. It is what a raster position gets while lighting is on
// with no light and the default material (0.2 ambient x 0.2 scene ambient), which is how
// the primitives leave lighting between them.
inline constexpr float text_grey = 0.04f;

// Bitmap text at window position (x, y), in near-black, in a GLUT bitmap font. A '\n'
// draws nothing. The current colour and raster position are kept.
void draw_text(double x, double y, void* font, const char* text);

// The picture is a square of window units -1..1 however large it is drawn, but bitmap
// texts keep their pixel size: a picture smaller than 800 pixels gets smaller fonts, so
// that every text stays whole and apart from its neighbours.
struct TextStyle {
  void* font;          // captions and chart labels (Helvetica 18 from 800 pixels on)
  void* small_font;    // chart notes, seconds label, status line (Helvetica 12)
  double px_per_unit;  // pixels per window unit: half the picture's side
  bool specified;      // the fonts of the 800-pixel picture, and the legend at its places
};

// The style of a picture `picture_px` pixels wide and high.
TextStyle text_style(int picture_px);

// Width of a text in window units in a font of the style.
double text_width(const TextStyle& style, void* font, const char* text);

// Height of a line of the font in window units.
double line_height(const TextStyle& style, void* font);
