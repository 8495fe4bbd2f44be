#pragma once

#include "display/frame.h"
#include "model/agv_type.h"
#include "model/scenario.h"
#include "scene/view_transform.h"
#include "sim/computation.h"
#include "sim/trajectory_store.h"

// What a frame shows, from a computation and how it is shown: the window and the picture
// export make their frames here, so that the same state gives the same picture.
struct ShownMotion {
  const TrajectoryStore* store;  // null before the first computation
  const Scenario* scenario;      // of the computation shown
  const ComputeResult* result;
  AgvType type;
  int step;  // record shown
  View view;
  bool status_shown;  // the status line
  bool playing;       // played in real time (the status line says so)
  int speed;          // index into playback_speeds
  int picture_px;     // side of the square the classic frame is drawn in
  FrameStyle style;
  Language language;
  int width_px;  // of the whole window or picture
  int height_px;
};

// The frame of a shown motion, without the key list and the recording marker.
FrameInput frame_input(const ShownMotion& shown);

// Motion time of record `step` of a type in seconds, as the status line gives it: records
// are dt_sim apart, and the last one is where the motion reaches the path's end.
double record_time(const TrajectoryStore& store, const Scenario& scenario, AgvType type, int step);

// The view of 'f': the path and the three motions of the type as large as they fit
// between the legend, the status line and the chart panel, with room for the vehicles at
// their ends. False (view unchanged) when the motion has no finite point.
bool fit_view_to_motion(const TrajectoryStore& store, const ComputeResult& result, AgvType type,
                        View* view);

// The same for the projector style in a width x height window: the motion fills the top
// view but for a margin and the status line's band.
bool fit_projector_view(const TrajectoryStore& store, const ComputeResult& result, AgvType type,
                        int width_px, int height_px, View* view);
