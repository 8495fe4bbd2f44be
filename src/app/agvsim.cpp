// agvsim: start-up, the first dialogue (or a scenario from the command line), then the
// window and its event loop, which ends through the ESC key, the window's close button, or
// a signal. The window library's
// options on the command line go to it; the others are the program's.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "agvsim_version.h"
#include "app/app_state.h"
#include "app/keys.h"
#include "app/pointer.h"
#include "app/window_pictures.h"
#include "control/command_line.h"
#include "gl/window.h"
#include "platform/catalogue.h"
#include "platform/console.h"
#include "platform/display_check.h"
#include "platform/end_signals.h"
#include "platform/standard_streams.h"
#include "platform/window_input.h"

namespace {

// Every 100 ms, whatever the window does: a window destroyed by another program ends the
// program as ESC does, and so does a signal that came while a GIF was recorded, which then
// ends it once the recording is written.
constexpr unsigned watch_ms = 100;

void watch_window(void* window_state) {
  AppState& state = *static_cast<AppState*>(window_state);
  if (window_lost()) quit_program(state);
  if (const int sig = end_signal_pending()) {
    end_gif_recording(state);
    end_by_signal(sig);
  }
  call_after_ms(watch_ms, watch_window);
}

// The window's callbacks, on the state handed to the window.
AppState& of(void* window_state) {
  return *static_cast<AppState*>(window_state);
}
void display(void* state) {
  on_display(of(state));
}
void key(void* state, unsigned char k) {
  on_key(of(state), k);
}
void reshape(void* state, int width, int height) {
  app_reshape(of(state), width, height);
}
void arrow(void* state, ArrowKey k, bool shift) {
  on_arrow_key(of(state), k, shift);
}
void mouse(void* state, MouseButton button, bool pressed, int x, int y) {
  on_mouse_button(of(state), button, pressed, x, y);
}
void drag(void* state, int x, int y) {
  on_mouse_drag(of(state), x, y);
}
// The close button (the window manager's request to close) ends the program as ESC does.
void close_request(void* state) {
  quit_program(of(state));
}

[[noreturn]] void usage_error(const std::string& reason) {
  console_error("agvsim: %s (see --help)\n", reason.c_str());
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  // First of all: a closed standard output would otherwise go to the X connection, and the
  // dialogue's texts with it.
  open_closed_standard_streams();
  set_language(program_language(argc, argv));
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("agvsim %s\n", AGVSIM_VERSION);
    return 0;
  }
  SplitArguments args;
  std::string error;
  if (!split_window_arguments(argc, argv, max_window_side, &args, &error)) usage_error(error);
  // --no-window is agvsim's own; the rest is the command line agvsim-export reads too.
  bool no_window = false;
  std::erase_if(args.program, [&](const char* a) {
    const bool match = std::strcmp(a, "--no-window") == 0;
    no_window = no_window || match;
    return match;
  });
  CommandLine line;
  if (!parse_command_line(static_cast<int>(args.program.size()), args.program.data(), &line,
                          &error)) {
    usage_error(error);
  }
  if (line.help) {
    console_print("%s", tr(Msg::agvsim_usage));
    console_flush();
    return 0;
  }
  if (line.version) {
    std::printf("agvsim %s\n", AGVSIM_VERSION);
    return 0;
  }
  if (line.sweep || !line.out_file.empty() || !line.wheels_file.empty()) {
    usage_error(tr(Msg::agvsim_export_only));
  }
  if (line.picture.given) {
    usage_error(tr(Msg::agvsim_pictures_export_only));
  }
  if (!no_window && !display_available(args.window, &error)) {
    console_error("%s\n", error.c_str());
    return 1;
  }

  // The window's state lives as long as the program; the window's callbacks get it.
  auto state = std::make_unique<AppState>();
  app_start(*state, line.tables_dir);
  state->style = line.projector ? FrameStyle::projector : FrameStyle::classic;
  if (line.scenario_given) {
    if (!app_run_scenario(*state, command_line_scenario(line))) return 3;
  } else {
    app_run_dialogue(*state, DialogueStart::error_menu);
  }
  if (no_window) return 0;
  int window_argc = static_cast<int>(args.window.size());
  args.window.push_back(nullptr);
  open_window(&window_argc, args.window.data(),
              {display, key, reshape, close_request, arrow, mouse, drag}, state.get());
  watch_window_loss();
  call_after_ms(watch_ms, watch_window);
  run_window();
  return 0;
}
