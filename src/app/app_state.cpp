#include "app/app_state.h"

#include <algorithm>

#include "app/live_setting.h"
#include "app/shown_frame.h"
#include "app/window_pictures.h"

#include "control/refusal_text.h"
#include "control/settings_report.h"
#include "control/startup.h"
#include "display/compare_view.h"
#include "gl/window.h"
#include "platform/catalogue.h"
#include "platform/console.h"

void app_start(AppState& state, const std::string& tables_dir) {
  startup(&state.tables, &state.session, tables_dir);
  state.owned_workspace = std::make_unique<Workspace>();
  state.workspace = state.owned_workspace.get();
  state.owned_spare = std::make_unique<Workspace>();
  state.spare_workspace = state.owned_spare.get();
  state.cache = std::make_unique<ComputeCache>();
  state.ghost_shown = true;
  state.bar_shown = true;
  state.agv_type = AgvType::t1FDW1FS;
  state.step = 0;
  state.last_key = '0';
  state.view = default_view();
  state.view.view_scale = 0.0;  // until the first computation
  state.style = FrameStyle::classic;
  state.language = language();
  state.status_shown = true;
  state.help_shown = false;
  state.playback = {false, normal_speed, 0.0, 0, false};
  state.window_width = 800;
  state.window_height = 800;
}

namespace {

// A new computation is shown from its start.
void show_new_computation(AppState& state) {
  state.scenario = session_scenario(state.session);
  state.scenario.random_state = state.session.started_from;  // as the computation began
  state.step = 0;
  state.agv_type = AgvType::t2DW1C;
  state.playback.playing = false;
  live_setting_restart(state);
  reset_view(state);
  if (state.compare) fit_compare(state);
}

}  // namespace

void reset_view(AppState& state) {
  if (state.style == FrameStyle::classic) {
    state.view.view_scale = view_scale0;
    return;
  }
  if (state.workspace && state.result.refusal == Refusal::none) {
    fit_projector_view(state.workspace->store, state.result, state.agv_type, state.window_width,
                       state.window_height, &state.view);
  }
}

void app_run_dialogue(AppState& state, DialogueStart start) {
  state.scenario = session_scenario(state.session);
  dialogue(state.session, start, state.agv_type, state.tables, *state.workspace, &state.result);
  show_new_computation(state);
  // The same computation once more with the cache, so that the first change in the window
  // finds the path's table and reference motion there (the bits are the same).
  if (state.cache && state.spare_workspace) {
    compute(state.scenario, state.tables, *state.spare_workspace, *state.cache);
  }
}

bool app_run_scenario(AppState& state, const Scenario& scenario) {
  Session& s = state.session;
  s.path_no = scenario.path.number;
  session_path(s, s.path_no) = scenario.path;
  s.error = scenario.error;
  const Scenario run = session_scenario(s);
  print_settings(state.agv_type, run);
  console_print("\n");
  state.result = state.cache ? compute(run, state.tables, *state.workspace, *state.cache)
                             : compute(run, state.tables, *state.workspace);
  session_record(s, state.result.refusal == Refusal::none, state.result.last_errors,
                 state.result.random_state);
  if (state.result.refusal != Refusal::none) {
    console_error("%s\n", refusal_text(state.result).c_str());
    return false;
  }
  show_new_computation(state);
  return true;
}

int shown_last_record(const AppState& state) {
  if (!state.workspace) return 0;
  const int* last = state.workspace->store.traj_last;
  return state.compare ? std::max({last[0], last[1], last[2]}) : last[type_index(state.agv_type)];
}

void fit_compare(AppState& state) {
  if (!state.workspace) return;
  fit_compare_view(state.workspace->store, state.result.path.start_point,
                   state.result.path.end_point, &state.view);
}

FrameInput app_frame(const AppState& state) {
  const TrajectoryStore* store = state.workspace ? &state.workspace->store : nullptr;
  FrameInput f =
      frame_input({store, &state.scenario, &state.result, state.agv_type, state.step, state.view,
                   state.status_shown, state.playback.playing, state.playback.speed,
                   picture_box(state.window_width, state.window_height).side, state.style,
                   state.language, state.window_width, state.window_height});
  f.help = state.help_shown;
  f.recording = gif_recording(state);
  f.compare_shown = state.compare;
  f.status.refused = state.refused;
  f.settings = {state.status_shown && state.bar_shown,
                session_path(state.session, state.session.path_no),
                state.session.error,
                state.live.selected,
                state.refused,
                state.language};
  if (state.ghost_shown && state.ghost_ready) f.scene.ghost = &state.spare_workspace->store;
  return f;
}

// The picture is composed, read back for a picture file when one is asked for or a GIF is
// being recorded, and only then gets the key list and the recording marker and is shown:
// the files hold what the window shows without them.
void on_display(AppState& state) {
  if (picture_box(state.window_width, state.window_height).oversized) return;
  const FrameInput frame = app_frame(state);
  compose_frame(state.frame, frame);
  set_frame_viewport(frame_box(state.frame, state.window_width, state.window_height));
  state.renderer.draw_picture(state.frame);
  capture_window_frame(state);
  compose_overlays(state.frame, frame);
  state.renderer.draw_overlays(state.frame);
  frame_end();
  after_window_frame(state);
}

void app_reshape(AppState& state, int width, int height) {
  // A GIF's frames all have one size: a recording ends with the window's size.
  if (gif_recording(state) && (width != state.window_width || height != state.window_height)) {
    end_gif_recording(state);
  }
  state.window_width = width;
  state.window_height = height;
  on_reshape(width, height);
  if (state.style == FrameStyle::projector) reset_view(state);
}
