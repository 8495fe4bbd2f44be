#include "app/app_state.h"

#include <algorithm>

#include "control/refusal_text.h"
#include "control/settings_report.h"
#include "control/startup.h"
#include "display/window.h"
#include "platform/console.h"
#include "sim/deviation.h"

AppState app;

void app_start(const std::string& tables_dir) {
  startup(&app.tables, &app.session, tables_dir);
  static Workspace workspace;  // the store the window shows; lives as long as the program
  app.workspace = &workspace;
  app.agv_type = AgvType::t1FDW1FS;
  app.step = 0;
  app.last_key = '0';
  app.view = default_view();
  app.view.view_scale = 0.0;  // until the first computation
  app.status_shown = true;
  app.help_shown = false;
  app.playback = {false, normal_speed, 0.0, 0, false};
  app.window_width = 800;
  app.window_height = 800;
}

namespace {

// A new computation is shown from its start.
void show_new_computation() {
  app.scenario = session_scenario(app.session);
  app.view.view_scale = view_scale0;
  app.step = 0;
  app.agv_type = AgvType::t2DW1C;
  app.playback.playing = false;
}

}  // namespace

void app_run_dialogue(DialogueStart start) {
  app.scenario = session_scenario(app.session);
  dialogue(app.session, start, app.agv_type, app.tables, *app.workspace, &app.result);
  show_new_computation();
}

bool app_run_scenario(const Scenario& scenario) {
  Session& s = app.session;
  s.path_no = scenario.path.number;
  session_path(s, s.path_no) = scenario.path;
  s.error = scenario.error;
  const Scenario run = session_scenario(s);
  print_settings(app.agv_type, run);
  console_print("\n");
  app.result = compute(run, app.tables, *app.workspace);
  session_record(s, app.result.refusal == Refusal::none, app.result.last_errors,
                 app.result.random_state);
  if (app.result.refusal != Refusal::none) {
    console_error("%s\n", refusal_text(app.result).c_str());
    return false;
  }
  show_new_computation();
  return true;
}

namespace {

StatusInput status_input(const TrajectoryStore& store) {
  const int k = type_index(app.agv_type);
  StatusInput s{};
  s.shown = app.status_shown;
  s.type = app.agv_type;
  s.last = std::clamp(store.traj_last[k], 0, MAX - 1);
  s.step = std::clamp(app.step, 0, s.last);
  // Records are dt_sim apart; the last one is where the motion reaches the path's end.
  const double dt = app.scenario.vehicle.dt_sim;
  s.duration = store.traj_tend[k];
  s.time = s.step == s.last ? s.duration : s.step * dt;
  s.now = deviation_at(store, app.agv_type, s.step);
  s.at_end = deviation_at(store, app.agv_type, s.last);
  s.error_free = app.scenario.error.kind == ErrorKind::none;
  s.no_effect = deviation_negligible(app.result.deviation[k]);
  s.playing = app.playback.playing;
  s.speed = speed_name(app.playback.speed);
  return s;
}

}  // namespace

FrameInput app_frame() {
  FrameInput f{};
  f.scene.store = app.workspace ? &app.workspace->store : nullptr;  // none before start-up
  f.scene.type = app.agv_type;
  f.scene.step = app.step;
  f.scene.view = app.view;
  f.scene.path_start = app.result.path.start_point;
  f.scene.path_end = app.result.path.end_point;
  f.legend.type = app.agv_type;
  f.legend.kind = app.scenario.error.kind;
  f.legend.errors = app.result.errors;
  f.legend.path_no = app.result.path_no;
  if (f.scene.store) f.status = status_input(*f.scene.store);
  f.help = app.help_shown;
  f.picture_px = picture_box(app.window_width, app.window_height).side;
  return f;
}

void on_display() {
  if (picture_box(app.window_width, app.window_height).oversized) return;
  draw_frame(app_frame());
}

void app_reshape(int width, int height) {
  app.window_width = width;
  app.window_height = height;
  on_reshape(width, height);
}
