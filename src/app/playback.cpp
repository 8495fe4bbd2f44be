#include "app/playback.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "app/app_state.h"
#include "gl/window.h"

namespace {

constexpr unsigned tick_ms = 15;  // about 66 frames a second at most

int last_record(const AppState& state) {
  return shown_last_record(state);
}

void tick(void* state);

void arm_timer(AppState& state) {
  if (state.playback.timer_armed) return;
  state.playback.timer_armed = true;
  call_after_ms(tick_ms, tick);
}

// Shows the step that the clock has reached; stops at the last record.
void tick(void* window_state) {
  AppState& state = *static_cast<AppState*>(window_state);
  Playback& p = state.playback;
  p.timer_armed = false;
  if (!p.playing) return;
  const int last = last_record(state);
  const int step = played_step(p, clock_seconds(), state.scenario.vehicle.dt_sim, last);
  if (step >= last) p.playing = false;
  if (step != state.step) {
    state.step = step;
    on_display(state);
  }
  if (p.playing) arm_timer(state);
}

}  // namespace

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

void restart_playback_clock(AppState& state) {
  state.playback.anchor_step = state.step;
  state.playback.anchor_time = clock_seconds();
}

void toggle_playback(AppState& state) {
  Playback& p = state.playback;
  if (p.playing) {
    p.playing = false;
    return;
  }
  if (state.step >= last_record(state)) state.step = 0;
  p.playing = true;
  restart_playback_clock(state);
  arm_timer(state);
}

void change_playback_speed(AppState& state, int by) {
  state.playback.speed = std::clamp(state.playback.speed + by, 0, playback_speed_count - 1);
  restart_playback_clock(state);
}

void stop_playback(AppState& state) {
  state.playback.playing = false;
}
