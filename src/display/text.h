#pragma once

// Grey level of every window text. It is what a raster position gets while lighting is on
// with no light and the default material (0.2 ambient x 0.2 scene ambient), which is how
// the primitives leave lighting between them.
inline constexpr float text_grey = 0.04f;

// Bitmap text at window position (x, y), in near-black, in a GLUT bitmap font. A '\n'
// draws nothing. The current colour and raster position are kept.
void draw_text(double x, double y, void* font, const char* text);
