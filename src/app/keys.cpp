// The window's key handler.
#include "app/keys.h"

#include <algorithm>
#include <cstdlib>

#include "app/app_state.h"
#include "app/shown_frame.h"
#include "app/window_pictures.h"
#include "platform/window_input.h"

namespace {

constexpr double shift_step = 0.05;
constexpr double zoom_factor = 0.9;

void show_type(AgvType type) {
  app.agv_type = type;
  app.step = 0;
}

void advance() {
  const int last = app.workspace ? app.workspace->store.traj_last[type_index(app.agv_type)] : 0;
  app.step = std::max(std::min(app.step + 3, last), 0);
}

// The zoom keys stop silently at the scale's limits.
void zoom(bool in) {
  const double s = in ? app.view.view_scale / zoom_factor : app.view.view_scale * zoom_factor;
  app.view.view_scale = std::clamp(s, min_view_scale, max_view_scale);
}

void fit() {
  if (app.workspace) fit_view_to_motion(app.workspace->store, app.result, app.agv_type, &app.view);
}

void console_dialogue(DialogueStart start) {
  end_gif_recording();
  stop_playback();
  app.step = 0;
  app_run_dialogue(start);
  // Keys pressed in the window while the dialogue ran are not meant for what it shows now.
  discard_queued_window_keys();
}

}  // namespace

void quit_program() {
  end_gif_recording();
  std::exit(0);
}

void on_key(unsigned char key, int /*x*/, int /*y*/) {
  app.last_key = static_cast<char>(key);
  if (app.help_shown) {
    app.help_shown = false;  // any key closes the key list, ESC too, and does nothing else
    on_display();
    return;
  }
  switch (key) {
    case '1':
      show_type(AgvType::t2DW1C);
      break;
    case '2':
      show_type(AgvType::t1FDW1FS);
      break;
    case '3':
      show_type(AgvType::t1RDW1FS);
      break;
    case 's':
      advance();
      break;
    case '0':
      app.step = 0;
      break;
    case 'x':
      app.view.view_dx -= shift_step;
      break;
    case 'X':
      app.view.view_dx += shift_step;
      break;
    case 'y':
      app.view.view_dy -= shift_step;
      break;
    case 'Y':
      app.view.view_dy += shift_step;
      break;
    case 'w':
      zoom(false);
      break;
    case 'W':
      zoom(true);
      break;
    case ' ':
      toggle_playback();
      break;
    case '+':
      change_playback_speed(1);
      break;
    case '-':
      change_playback_speed(-1);
      break;
    case 'f':
      fit();
      break;
    case 'i':
      app.status_shown = !app.status_shown;
      break;
    case 'h':
    case '?':
      app.help_shown = true;
      break;
    case 'p':
      save_window_picture();
      return;
    case 'g':
      toggle_gif_recording();
      return;
    case 'c':
    case 'e':
      console_dialogue(key == 'c' ? DialogueStart::path_change : DialogueStart::error_menu);
      return;
    case 27:
      quit_program();
    default:
      return;
  }
  if (key == '1' || key == '2' || key == '3' || key == 's' || key == '0') restart_playback_clock();
  on_display();
}
