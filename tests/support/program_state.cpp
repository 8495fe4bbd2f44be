#include "support/program_state.h"

#include "control/settings.h"
#include "path/arc_length.h"
#include "path/path_constants.h"
#include "sim/random_state.h"
#include "sim/trajectory_store.h"

void reset_program_state() {
  reset_settings();
  reset_view();
  reset_path_constants();
  reset_arc_tables();
  reset_store();
  reset_random_state();
}
