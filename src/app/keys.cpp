// The window's key handler.
#include "app/keys.h"

#include <algorithm>
#include <cstdlib>

#include "app/app_state.h"
#include "app/live_setting.h"
#include "app/shown_frame.h"
#include "app/window_pictures.h"
#include "platform/window_input.h"

namespace {

constexpr double shift_step = 0.05;
constexpr double zoom_factor = 0.9;

void show_type(AppState& state, AgvType type) {
  state.agv_type = type;
  state.step = 0;
}

void advance(AppState& state) {
  const int last = shown_last_record(state);
  state.step = std::max(std::min(state.step + 3, last), 0);
}

// The zoom keys stop silently at the scale's limits.
void zoom(AppState& state, bool in) {
  const double s = in ? state.view.view_scale / zoom_factor : state.view.view_scale * zoom_factor;
  state.view.view_scale = std::clamp(s, min_view_scale, max_view_scale);
}

void fit(AppState& state) {
  if (state.compare) {
    fit_compare(state);
  } else if (state.style == FrameStyle::projector) {
    reset_view(state);
  } else if (state.workspace) {
    fit_view_to_motion(state.workspace->store, state.result, state.agv_type, &state.view);
  }
}

void switch_style(AppState& state) {
  if (state.style == FrameStyle::classic) {
    state.style = FrameStyle::projector;
  } else {
    state.style = FrameStyle::classic;
    const View start = default_view();
    state.view.view_dx = start.view_dx;
    state.view.view_dy = start.view_dy;
  }
  reset_view(state);
}

void switch_language(AppState& state) {
  state.language = static_cast<Language>((static_cast<int>(state.language) + 1) % language_count);
}

void toggle_compare(AppState& state) {
  state.compare = !state.compare;
  if (state.compare) {
    state.single_view = state.view;
    fit_compare(state);
  } else {
    state.view = state.single_view;
  }
}

// The keys that change the setting, and what they change.
bool live_key_of(unsigned char key, LiveKey* live) {
  switch (key) {
    case 'k':
      *live = LiveKey::kind_next;
      return true;
    case 'K':
      *live = LiveKey::kind_previous;
      return true;
    case 'n':
      *live = LiveKey::no_error;
      return true;
    case 'r':
      *live = LiveKey::path_next;
      return true;
    case 'R':
      *live = LiveKey::path_previous;
      return true;
    default:
      return false;
  }
}

void console_dialogue(AppState& state, DialogueStart start) {
  end_gif_recording(state);
  stop_playback(state);
  state.step = 0;
  app_run_dialogue(state, start);
  // Keys pressed in the window while the dialogue ran are not meant for what it shows now.
  discard_queued_window_keys();
}

}  // namespace

void quit_program(AppState& state) {
  end_gif_recording(state);
  std::exit(0);
}

void on_key(AppState& state, unsigned char key) {
  state.last_key = static_cast<char>(key);
  if (state.help_shown) {
    state.help_shown = false;  // any key closes the key list, ESC too, and does nothing else
    on_display(state);
    return;
  }
  if (LiveKey live; live_key_of(key, &live)) {
    if (live_setting_key(state, live)) on_display(state);
    return;
  }
  switch (key) {
    case 'b':
      state.ghost_shown = !state.ghost_shown;
      break;
    case 'm':
      toggle_compare(state);
      break;
    case '1':
      show_type(state, AgvType::t2DW1C);
      break;
    case '2':
      show_type(state, AgvType::t1FDW1FS);
      break;
    case '3':
      show_type(state, AgvType::t1RDW1FS);
      break;
    case 's':
      advance(state);
      break;
    case '0':
      state.step = 0;
      break;
    case 'x':
      state.view.view_dx -= shift_step;
      break;
    case 'X':
      state.view.view_dx += shift_step;
      break;
    case 'y':
      state.view.view_dy -= shift_step;
      break;
    case 'Y':
      state.view.view_dy += shift_step;
      break;
    case 'w':
      zoom(state, false);
      break;
    case 'W':
      zoom(state, true);
      break;
    case ' ':
      toggle_playback(state);
      break;
    case '+':
      change_playback_speed(state, 1);
      break;
    case '-':
      change_playback_speed(state, -1);
      break;
    case 'f':
      fit(state);
      break;
    case 'i':
      state.status_shown = !state.status_shown;
      break;
    case 'v':
      switch_style(state);
      break;
    case 'l':
      switch_language(state);
      break;
    case 'h':
    case '?':
      state.help_shown = true;
      break;
    case 'p':
      save_window_picture(state);
      return;
    case 'g':
      toggle_gif_recording(state);
      return;
    case 'c':
    case 'e':
      console_dialogue(state, key == 'c' ? DialogueStart::path_change : DialogueStart::error_menu);
      return;
    case 27:
      quit_program(state);
    default:
      return;
  }
  if (key == '1' || key == '2' || key == '3' || key == 's' || key == '0')
    restart_playback_clock(state);
  on_display(state);
}

void on_arrow_key(AppState& state, ArrowKey key, bool shift) {
  if (state.help_shown) {
    state.help_shown = false;
    on_display(state);
    return;
  }
  LiveKey live = LiveKey::up;
  switch (key) {
    case ArrowKey::up:
      live = shift ? LiveKey::up_coarse : LiveKey::up;
      break;
    case ArrowKey::down:
      live = shift ? LiveKey::down_coarse : LiveKey::down;
      break;
    case ArrowKey::left:
      live = LiveKey::select_previous;
      break;
    case ArrowKey::right:
      live = LiveKey::select_next;
      break;
  }
  if (live_setting_key(state, live)) on_display(state);
}
