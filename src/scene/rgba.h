#pragma once

// A drawing colour: red, green, blue, alpha, handed to glColor4f in that order. An alpha
// strictly between 0 and 1 is drawn translucent over what lies below; 0 and 1 are opaque
// (the classic frame's colours carry 0). A text's alpha
// is ignored: its glyphs' coverage is blended.
struct rgba {
  float r;
  float g;
  float b;
  float a;
  constexpr bool translucent() const { return a > 0.0f && a < 1.0f; }
};

inline constexpr rgba color_red{1.0f, 0.0f, 0.0f, 0.0f};      // motion without error
inline constexpr rgba color_blue{0.0f, 0.0f, 1.0f, 0.0f};     // motion with the error
inline constexpr rgba color_white{1.0f, 1.0f, 1.0f, 0.0f};    // fills, chart panel
inline constexpr rgba color_black{0.0f, 0.0f, 0.0f, 0.0f};    // outlines, markers
inline constexpr rgba color_ghost{0.72f, 0.78f, 1.0f, 0.0f};  // the faulty motion before
