#pragma once

#include <cstdint>

#include "scene/draw_list.h"
#include "scene/rgba.h"
#include "scene/view_transform.h"
#include "sim/trajectory_store.h"

// A dot (mark_point) at the position of each of records[0..n] that can be placed, as one
// run. Dots wholly right of `covered_from` (window units) may be left out: the caller
// covers that part later.
void draw_trail(DrawList& list, const View& view, const traj_rec* records, int n,
                const rgba& colour, double covered_from);

// The CP path line through records[0..last]: wide lines 0.008 window units (3.2 pixels)
// wide at any zoom. Segments with an end that cannot be drawn are left out.
void draw_path_line(DrawList& list, const View& view, const traj_rec* records, int last,
                    const rgba& colour);

// How a line is drawn: width in pixels and a stipple (0: solid).
struct LineLook {
  rgba colour;
  float width_px;
  std::uint16_t stipple;
  std::uint8_t stipple_factor;
};

// The positions of records[0..n] as polylines, one for each stretch of positions that can
// be placed (so that a stipple runs on along the line).
void draw_trail_line(DrawList& list, const View& view, const traj_rec* records, int n,
                     const LineLook& look);
