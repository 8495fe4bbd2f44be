#include "app/shown_frame.h"

#include <algorithm>

#include "app/playback_speeds.h"
#include "display/projector_frame.h"
#include "scene/chart_layout.h"
#include "scene/view_fit.h"
#include "sim/deviation.h"

namespace {

// 'f' fits the motion between the legend, the status line and the chart panel, with room
// for the vehicles drawn at its ends (they reach 1.3 m from their reference point).
constexpr Box fit_area{-0.97, -0.86, chart_panel_left - 0.02, 0.6};
constexpr double vehicle_reach = 1.3;  // m
// The projector style fits the trails themselves: a vehicle at an end may reach past them.
constexpr double projector_margin = 0.4;  // m

StatusInput status_input(const ShownMotion& shown) {
  const TrajectoryStore& store = *shown.store;
  const int k = type_index(shown.type);
  StatusInput s{};
  s.shown = shown.status_shown;
  s.type = shown.type;
  s.last = std::clamp(store.traj_last[k], 0, MAX - 1);
  s.step = std::clamp(shown.step, 0, s.last);
  s.duration = store.traj_tend[k];
  s.time = record_time(store, *shown.scenario, shown.type, s.step);
  s.now = deviation_at(store, shown.type, s.step);
  s.at_end = deviation_at(store, shown.type, s.last);
  s.error_free = shown.scenario->error.kind == ErrorKind::none;
  s.no_effect = deviation_negligible(shown.result->deviation[k]);
  s.free_offset = shown.result->free_offset[k];
  s.free_off_path = free_vehicle_leaves_path(s.free_offset);
  s.playing = shown.playing;
  s.speed = speed_name(shown.speed);
  s.language = shown.language;
  return s;
}

}  // namespace

double record_time(const TrajectoryStore& store, const Scenario& scenario, AgvType type, int step) {
  const int k = type_index(type);
  const int last = std::clamp(store.traj_last[k], 0, MAX - 1);
  step = std::clamp(step, 0, last);
  return step == last ? store.traj_tend[k] : step * scenario.vehicle.dt_sim;
}

FrameInput frame_input(const ShownMotion& shown) {
  FrameInput f{};
  f.scene.store = shown.store;
  f.scene.type = shown.type;
  f.scene.step = shown.step;
  f.scene.view = shown.view;
  f.scene.path_start = shown.result->path.start_point;
  f.scene.path_end = shown.result->path.end_point;
  f.legend.type = shown.type;
  f.legend.kind = shown.scenario->error.kind;
  f.legend.errors = shown.result->errors;
  f.legend.path_no = shown.result->path_no;
  if (shown.store) f.status = status_input(shown);
  f.compare = {shown.store,
               shown.result->deviation,
               shown.step,
               shown.view,
               f.scene.path_start,
               f.scene.path_end,
               shown.scenario->error.kind == ErrorKind::none,
               shown.language};
  f.help = false;
  f.recording = false;
  f.picture_px = shown.picture_px;
  f.style = shown.style;
  f.language = shown.language;
  f.width_px = shown.width_px;
  f.height_px = shown.height_px;
  return f;
}

bool fit_view_to_motion(const TrajectoryStore& store, const ComputeResult& result, AgvType type,
                        View* view) {
  Box box;
  if (!motion_box(store, type, result.path.start_point, result.path.end_point, &box)) {
    return false;
  }
  *view = fit_view(*view, box, vehicle_reach, fit_area);
  return true;
}

bool fit_projector_view(const TrajectoryStore& store, const ComputeResult& result, AgvType type,
                        int width_px, int height_px, View* view) {
  Box box;
  if (!motion_box(store, type, result.path.start_point, result.path.end_point, &box)) {
    return false;
  }
  *view = fit_view(*view, box, projector_margin, projector_fit_area(width_px, height_px));
  return true;
}
