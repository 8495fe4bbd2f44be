#pragma once

#include <cstdint>

#include "model/agv_type.h"
#include "model/point2d.h"
#include "scene/draw_list.h"
#include "scene/view_transform.h"
#include "sim/trajectory_store.h"

// What the top view shows: one type's motions of the store up to a step, through a view,
// with the path's start and end markers.
struct SceneInput {
  const TrajectoryStore* store;
  AgvType type;
  int step;  // held to 0..traj_last of the type
  View view;
  point2d path_start;
  point2d path_end;
  // The faulty motion of the setting shown before the last change, drawn faintly under
  // the trails up to the same step; null for none.
  const TrajectoryStore* ghost;
};

// The top view up to the current step, in two parts. Below the vehicles, as parts of their
// own: the grid, the ghost trail when there is one, then red trail and vehicle (no mechanism
// error), blue trail and vehicle (with the error). Reads only records 0..traj_last of the shown
// type.
void compose_scene_below(DrawList& list, const SceneInput& in);

// Above them, into the part being composed: the CP path line, path start and end markers,
// and last the white panel right of x = 0.35 that the charts are drawn on. It changes only
// with the view and the type.
void compose_scene_above(DrawList& list, const SceneInput& in);

// A hash of everything compose_scene_above shows.
std::uint64_t scene_above_key(const SceneInput& in);

// Both, the part above as a part of its own (for tests).
void compose_scene(DrawList& list, const SceneInput& in);
