// agvsim: start-up, the first dialogue, then the window and its event loop, which ends only
// through the ESC key. The command line goes to the window library.
#include <cstdio>
#include <cstring>

#include "agvsim_version.h"
#include "app/app_state.h"
#include "app/keys.h"
#include "display/window.h"
#include "platform/standard_streams.h"

int main(int argc, char** argv) {
  // First of all: a closed standard output would otherwise go to the X connection, and the
  // dialogue's texts with it.
  open_closed_standard_streams();
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("agvsim %s\n", AGVSIM_VERSION);
    return 0;
  }
  app_start("");
  app_run_dialogue(DialogueStart::error_menu);
  start_window(argc, argv, {on_display, on_key});
  return 0;
}
