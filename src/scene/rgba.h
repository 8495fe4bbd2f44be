#pragma once

// A drawing colour: red, green, blue, alpha, handed to glColor4f in that order. Alpha has
// no visible effect: only the scalable font's coverage is blended, never a colour's alpha.
struct rgba {
  float r;
  float g;
  float b;
  float a;
};

inline constexpr rgba color_red{1.0f, 0.0f, 0.0f, 0.0f};    // motion without error
inline constexpr rgba color_blue{0.0f, 0.0f, 1.0f, 0.0f};   // motion with the error
inline constexpr rgba color_white{1.0f, 1.0f, 1.0f, 0.0f};  // fills, chart panel
inline constexpr rgba color_black{0.0f, 0.0f, 0.0f, 0.0f};  // outlines, markers
