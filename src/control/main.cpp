// Program entry: start-up, the first dialogue, then the window and its event loop, which
// ends only through the ESC key.
#include <cstdio>
#include <cstring>

#include "agvsim_version.h"
#include "control/dialogue.h"
#include "control/startup.h"
#include "display/window.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("agvsim %s\n", AGVSIM_VERSION);
    return 0;
  }
  startup();
  dialogue();
  start_window(argc, argv);
  return 0;
}
