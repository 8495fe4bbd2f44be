#pragma once

#include "scene/draw_constants.h"

// cos and sin of i * 2 pi / 120 for the 120 vertices of a full circle, worked out once.
struct CircleTable {
  double cos[circle_segments];
  double sin[circle_segments];
};

const CircleTable& circle_table();
