#pragma once

// A drawing colour: red, green, blue, alpha, handed to glColor4f in that order. Blending is
// never enabled, so alpha has no visible effect.
struct rgba {
  float r;
  float g;
  float b;
  float a;
};

inline constexpr rgba color_red{1.0f, 0.0f, 0.0f, 0.0f};      // motion without error
inline constexpr rgba color_blue{0.0f, 0.0f, 1.0f, 0.0f};     // motion with the error
inline constexpr rgba color_white{1.0f, 1.0f, 1.0f, 0.0f};    // fills, chart panel
inline constexpr rgba color_black{0.0f, 0.0f, 0.0f, 0.0f};    // outlines, markers
inline constexpr rgba color_ghost{0.72f, 0.78f, 1.0f, 0.0f};  // the faulty motion before
