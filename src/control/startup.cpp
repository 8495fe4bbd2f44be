#include "control/startup.h"

#include "control/settings.h"
#include "path/arc_length.h"
#include "path/path_constants.h"
#include "path/path_select.h"
#include "sim/normal_tables.h"
#include "sim/random_state.h"

void startup() {
  load_normal_tables();
  // The generator starts at state 1 in every program run and is never reseeded, so a
  // run with random slip gives the same numbers each time the program starts.
  reset_random_state();
  // The constants, ds, no error but the listed slip of 5 %, path 1, type 2, last_key '0'
  // and no computation yet.
  reset_settings();
  reset_path_constants();
  settings.path_no = 1;
  derive_path(1);
  check_path_length(1);  // the default path fits; the result is not needed here
  settings.agv_type = 2;
  reset_view();  // scale 0 until the first computation, then init_view
  settings.last_key = '0';
  settings.run_count = 0;
}
