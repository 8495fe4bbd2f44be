#include "app/playback.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "app/app_state.h"
#include "platform/window_timer.h"

namespace {

constexpr unsigned tick_ms = 15;  // about 66 frames a second at most

int last_record() {
  return app.workspace ? app.workspace->store.traj_last[type_index(app.agv_type)] : 0;
}

void tick(int);

void arm_timer() {
  if (app.playback.timer_armed) return;
  app.playback.timer_armed = true;
  call_after(tick_ms, tick, 0);
}

// Shows the step that the clock has reached; stops at the last record.
void tick(int) {
  Playback& p = app.playback;
  p.timer_armed = false;
  if (!p.playing) return;
  const int last = last_record();
  const int step = played_step(p, clock_seconds(), app.scenario.vehicle.dt_sim, last);
  if (step >= last) p.playing = false;
  if (step != app.step) {
    app.step = step;
    on_display();
  }
  if (p.playing) arm_timer();
}

}  // namespace

const char* speed_name(int speed) {
  static const char* const names[playback_speed_count] = {"x1/4", "x1/2", "x1", "x2", "x4", "x8"};
  return names[std::clamp(speed, 0, playback_speed_count - 1)];
}

double clock_seconds() {
  using clock = std::chrono::steady_clock;
  return std::chrono::duration<double>(clock::now().time_since_epoch()).count();
}

int played_step(const Playback& p, double now, double dt_sim, int last) {
  const double speed = playback_speeds[std::clamp(p.speed, 0, playback_speed_count - 1)];
  const double records = (now - p.anchor_time) * speed / dt_sim;
  if (!(records >= 0.0)) return std::clamp(p.anchor_step, 0, last);
  if (records >= static_cast<double>(last) + 1.0) return last;
  return std::clamp(p.anchor_step + static_cast<int>(std::floor(records)), 0, last);
}

void restart_playback_clock() {
  app.playback.anchor_step = app.step;
  app.playback.anchor_time = clock_seconds();
}

void toggle_playback() {
  Playback& p = app.playback;
  if (p.playing) {
    p.playing = false;
    return;
  }
  if (app.step >= last_record()) app.step = 0;
  p.playing = true;
  restart_playback_clock();
  arm_timer();
}

void change_playback_speed(int by) {
  app.playback.speed = std::clamp(app.playback.speed + by, 0, playback_speed_count - 1);
  restart_playback_clock();
}

void stop_playback() {
  app.playback.playing = false;
}
