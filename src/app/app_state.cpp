#include "app/app_state.h"

#include "app/shown_frame.h"
#include "app/window_pictures.h"

#include "control/refusal_text.h"
#include "control/settings_report.h"
#include "control/startup.h"
#include "gl/window.h"
#include "platform/console.h"

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

FrameInput app_frame() {
  const TrajectoryStore* store = app.workspace ? &app.workspace->store : nullptr;
  FrameInput f = frame_input({store, &app.scenario, &app.result, app.agv_type, app.step, app.view,
                              app.status_shown, app.playback.playing, app.playback.speed,
                              picture_box(app.window_width, app.window_height).side});
  f.help = app.help_shown;
  f.recording = gif_recording();
  return f;
}

// The picture is composed, read back for a picture file when one is asked for or a GIF is
// being recorded, and only then gets the key list and the recording marker and is shown:
// the files hold what the window shows without them.
void on_display() {
  if (picture_box(app.window_width, app.window_height).oversized) return;
  const FrameInput frame = app_frame();
  compose_frame(app.frame, frame);
  app.renderer.draw_picture(app.frame);
  capture_window_frame();
  compose_overlays(app.frame, frame);
  app.renderer.draw_overlays(app.frame);
  frame_end();
  after_window_frame();
}

void app_reshape(int width, int height) {
  // A GIF's frames all have one size: a recording ends with the window's size.
  if (gif_recording() && (width != app.window_width || height != app.window_height)) {
    end_gif_recording();
  }
  app.window_width = width;
  app.window_height = height;
  on_reshape(width, height);
}
