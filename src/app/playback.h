#pragma once

#include "app/playback_speeds.h"

// Playing the motion in real time: one record every dt_sim seconds at speed x1, from
// x1/4 to x8. The clock is anchored at a step and a time; the step shown is worked out from
// the time gone by since, so a slow frame never slows the motion down.

struct AppState;

struct Playback {
  bool playing;
  int speed;           // index into playback_speeds
  double anchor_time;  // s on the steady clock when the motion stood at anchor_step
  int anchor_step;
  bool timer_armed;  // a timer callback is on its way
};

// Seconds on a steady clock.
double clock_seconds();

// The step reached at `now`: anchor_step plus the records played since anchor_time, held
// to 0..last.
int played_step(const Playback& playback, double now, double dt_sim, int last);

// space. Plays from the step shown (from the start when the motion has ended), or
// pauses.
void toggle_playback(AppState& state);

// '+' (+1) and '-' (-1) change the speed by a factor of two, within x1/4..x8.
void change_playback_speed(AppState& state, int by);

// the step was set by a key; playing goes on from there.
void restart_playback_clock(AppState& state);

// stops playing (before the console dialogue).
void stop_playback(AppState& state);
