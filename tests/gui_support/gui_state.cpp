#include "gui_support/gui_state.h"

#include <cstring>
#include <memory>

AppState& gui_app() {
  static const std::unique_ptr<AppState> state = std::make_unique<AppState>();
  return *state;
}

Workspace& gui_workspace() {
  static const std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
  return *ws;
}

void clear_store() {
  std::memset(&gui_workspace().store, 0, sizeof(TrajectoryStore));
}

void reset_gui_state() {
  clear_store();
  app.workspace = &gui_workspace();
  app.session = new_session();
  app.scenario = default_scenario();
  app.result = ComputeResult{};
  app.result.path_no = 1;
  app.result.errors = no_errors(app.scenario.vehicle);
  app.agv_type = AgvType::t1FDW1FS;
  app.step = 0;
  app.last_key = '0';
  app.view = default_view();
  app.status_shown = true;
  app.help_shown = false;
  app.playback = {false, normal_speed, 0.0, 0, false};
  app.window_width = 800;
  app.window_height = 800;
}
