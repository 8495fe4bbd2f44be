#include "control/settings.h"

Settings settings;
View view;

void reset_errors() {
  settings.SLIP = 0.0;
  settings.TRerr = 0.0;
  settings.WBerr = 0.0;
  settings.steer_drift = 0.0;
  settings.FronWHeelerr = 0.0;
  settings.RearWHeelerr_R = 0.0;
  settings.RearWHeelerr_L = 0.0;
  settings.tread_err = settings.tread;
  settings.wheel_base_err = settings.wheel_base;
}

void reset_settings() {
  settings = Settings{};
  settings.Vmax = 1.0;
  settings.steer_speed = 2.0;
  settings.dt = 0.02;
  settings.dt_sim = 0.02;
  settings.Ra = 1.0;
  settings.wheel_base = 1.0;
  settings.tread = 1.0;

  settings.ds = settings.Vmax * settings.dt_sim;
  settings.steer_step_max = settings.steer_speed * settings.dt_sim;

  settings.error_kind = 0;
  reset_errors();
  settings.SLIP = 0.05;

  settings.path_no = 1;
  settings.agv_type = 2;
  settings.step = 0;
  settings.last_key = '0';
  settings.run_count = 0;
}

void init_view() {
  view.view_dx = 0.0;
  view.view_dy = 0.0;
  view.world_off_x = -1.5;
  view.world_off_y = -0.5;
  view.xt_chart_org = {0.4, 0.65};
  view.yt_chart_org = {0.4, 0.0};
}

void reset_view() {
  view = View{};
  view.view_scale = 0.0;
  init_view();
}
