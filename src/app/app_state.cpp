#include "app/app_state.h"

#include "control/startup.h"

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
}

void app_run_dialogue(DialogueStart start) {
  app.scenario = session_scenario(app.session);
  dialogue(app.session, start, app.agv_type, app.tables, *app.workspace, &app.result);
  app.scenario = session_scenario(app.session);
  app.view.view_scale = view_scale0;
  app.step = 0;
  app.agv_type = AgvType::t2DW1C;
}

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
  return f;
}

void on_display() {
  draw_frame(app_frame());
}
