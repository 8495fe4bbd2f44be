// The window's key handler.
#include "app/keys.h"

#include <algorithm>
#include <cstdlib>

#include "app/app_state.h"

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

}  // namespace

void on_key(unsigned char key, int /*x*/, int /*y*/) {
  app.last_key = static_cast<char>(key);
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
      app.view.view_scale *= zoom_factor;
      break;
    case 'W':
      app.view.view_scale /= zoom_factor;
      break;
    case 'c':
    case 'e':
      app.step = 0;
      app_run_dialogue(key == 'c' ? DialogueStart::path_change : DialogueStart::error_menu);
      return;
    case 27:
      std::exit(0);
    default:
      return;
  }
  on_display();
}
