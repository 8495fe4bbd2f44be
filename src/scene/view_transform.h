#pragma once

#include "model/point2d.h"

// Where the scene's world (metres) lies in the window (window units, -1..1 across).
struct View {
  double view_scale;   // window units per metre
  double view_dx;      // horizontal shift in window units
  double view_dy;      // vertical shift in window units
  double world_off_x;  // m, added to every scene x before scaling
  double world_off_y;  // m, added to every scene y before scaling
};

inline constexpr double view_scale0 = 0.2;  // scale after every computation

// The zoom keys stop at these scales: far enough for any path, near enough that the
// picture still means something (and the scale never becomes 0 or infinite).
inline constexpr double min_view_scale = view_scale0 * 1e-4;
inline constexpr double max_view_scale = view_scale0 * 1e4;

// The view after a computation: scale view_scale0, no shift, the world origin 1.5 m right
// of and 0.5 m above the window centre's world point.
View default_view();

// Window position of a world point in metres:
// ((x + world_off_x) * view_scale + view_dx, (y + world_off_y) * view_scale + view_dy).
point2d world_to_view(const View& view, const point2d& world);

// True when a window position can be handed to GL: finite and within a million window
// units (beyond that single-precision vertices lose the picture anyway).
bool drawable(const point2d& p);
