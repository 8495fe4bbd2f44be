#pragma once

#include <cstdint>

#include "model/agv_type.h"
#include "model/point2d.h"
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
};

// The top view up to the current step: grid, red trail and vehicle (no mechanism error),
// blue trail and vehicle (with the error), CP path line, path start and end markers, and
// last the white panel right of x = 0.35 that the charts are drawn on. Reads only records
// 0..traj_last of the shown type.
void draw_scene(const SceneInput& in);

// Before the frame (it draws into the back buffer): brings the kept images of the trails up
// to the step. draw_scene and draw_scene_below use them when they are up to date.
void prepare_scene(const SceneInput& in);

// The same in two parts: below the vehicles (grid, trails and vehicles) and above them
// (CP path line, markers and panel), which changes only with the view and the type.
void draw_scene_below(const SceneInput& in);
void draw_scene_above(const SceneInput& in);

// A hash of everything draw_scene_above shows.
std::uint64_t scene_above_key(const SceneInput& in);
