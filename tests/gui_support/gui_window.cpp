#include "gui_support/gui_window.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/app_state.h"
#include "app/keys.h"
#include "gl/offscreen_frame.h"
#include "gl/window.h"
#include "gui_support/gl_value_guard.h"
#include "gui_support/gui_state.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
using LeakCheckPause = __lsan::ScopedDisabler;
#else
struct LeakCheckPause {};
#endif

// Without DISPLAY, the display of the window tests' fixture (tests/x_display.sh), named
// in the file of AGV_X_DISPLAY_FILE; the programs the tests start inherit it.
void take_fixture_display() {
  const char* file = std::getenv("AGV_X_DISPLAY_FILE");
  if (std::getenv("DISPLAY") != nullptr || file == nullptr) return;
  std::ifstream in(file);
  std::string name;
  if (std::getline(in, name) && !name.empty()) setenv("DISPLAY", name.c_str(), 1);
}

}  // namespace

void ensure_window() {
  static bool open = false;
  if (open) {
    reset_gl_value_guard();
    return;
  }
  take_fixture_display();
  if (std::getenv("DISPLAY") == nullptr) {
    // No display: the frames are drawn off the screen, as agvsim-export draws them, by the
    // same renderer into a framebuffer of the window's size.
    static OffscreenFrame frame;
    std::string error;
    [[maybe_unused]] LeakCheckPause pause;
    if (!frame.open(800, 800, &error)) {
      std::fprintf(stderr, "no display and no OpenGL without one: %s\n", error.c_str());
      std::abort();
    }
    reset_gui_state();
    on_display(app);
    reset_gl_value_guard();
    open = true;
    return;
  }
  static char name[] = "gui_test";
  static char* argv[] = {name, nullptr};
  int argc = 1;
  {
    // The GL driver keeps what it sets up for the window and its first frame until the
    // process ends (and unloads itself first, so the leak checker cannot name it): not
    // this program's leaks.
    [[maybe_unused]] LeakCheckPause pause;
    reset_gui_state();
    open_window(&argc, argv,
                {[](void* s) { on_display(*static_cast<AppState*>(s)); },
                 [](void* s, unsigned char key) { on_key(*static_cast<AppState*>(s), key); }},
                &app);
    on_reshape(800, 800);
    on_display(app);
  }
  reset_gl_value_guard();
  open = true;
}

void draw_now(const std::function<void(DrawList&)>& compose) {
  static DrawList list;
  list.clear(800);
  compose(list);
  app.renderer.draw_commands(list);
}

bool real_window() {
  return std::getenv("DISPLAY") != nullptr;
}
