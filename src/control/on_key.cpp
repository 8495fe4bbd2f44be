// The window's key handler.
#include "control/on_key.h"

#include <algorithm>
#include <cstdlib>

#include "control/dialogue.h"
#include "control/settings.h"
#include "display/window.h"
#include "sim/trajectory_store.h"

namespace {

constexpr double shift_step = 0.05;
constexpr double zoom_factor = 0.9;

void show_type(int type) {
  settings.agv_type = type;
  settings.step = 0;
}

void advance() {
  const int t = settings.agv_type - 1;
  const int last = (t >= 0 && t < agv_type_count) ? store.traj_last[t] : 0;
  settings.step = std::max(std::min(settings.step + 3, last), 0);
}

}  // namespace

void on_key(unsigned char key, int /*x*/, int /*y*/) {
  settings.last_key = static_cast<char>(key);
  switch (key) {
    case '1':
      show_type(1);
      break;
    case '2':
      show_type(2);
      break;
    case '3':
      show_type(3);
      break;
    case 's':
      advance();
      break;
    case '0':
      settings.step = 0;
      break;
    case 'x':
      view.view_dx -= shift_step;
      break;
    case 'X':
      view.view_dx += shift_step;
      break;
    case 'y':
      view.view_dy -= shift_step;
      break;
    case 'Y':
      view.view_dy += shift_step;
      break;
    case 'w':
      view.view_scale *= zoom_factor;
      break;
    case 'W':
      view.view_scale /= zoom_factor;
      break;
    case 'c':
    case 'e':
      settings.step = 0;
      dialogue();
      return;
    case 27:
      std::exit(0);
    default:
      return;
  }
  on_display();
}
