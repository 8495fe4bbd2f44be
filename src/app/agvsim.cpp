// agvsim: start-up, the first dialogue, then the window and its event loop, which ends only
// through the ESC key. The command line goes to the window library.
#include "app/app_state.h"
#include "app/keys.h"
#include "display/window.h"

int main(int argc, char** argv) {
  app_start("");
  app_run_dialogue(DialogueStart::error_menu);
  start_window(argc, argv, {on_display, on_key});
  return 0;
}
