// Program entry: start-up, the first dialogue, then the window and its event loop, which
// ends only through the ESC key.
#include "control/dialogue.h"
#include "control/startup.h"
#include "display/window.h"

int main(int argc, char** argv) {
  startup();
  dialogue();
  start_window(argc, argv);
  return 0;
}
