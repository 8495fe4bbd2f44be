#pragma once

#include "model/agv_type.h"
#include "model/point2d.h"
#include "scene/view_transform.h"
#include "sim/trajectory_store.h"

// A view chosen so that a motion fills a given part of the window.

struct Box {
  double x0, y0, x1, y1;
};

// The box around records 0..traj_last of the CP, error-free and faulty motions of a type
// and the two points (the path's ends), in metres. False when none of them is finite.
bool motion_box(const TrajectoryStore& store, AgvType type, const point2d& start,
                const point2d& end, Box* box);

// The view that shows `world` (metres), grown by `margin` metres on every side, as large as
// it fits into `area` (window units) and centred in it, a metre as long across as up. The
// scale is held to min_view_scale..max_view_scale; the world offsets stay as they are.
View fit_view(const View& view, const Box& world, double margin, const Box& area);
