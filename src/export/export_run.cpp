#include "export/export_run.h"

#include <iostream>
#include <sstream>

#include "control/computation.h"
#include "control/startup.h"
#include "path/arc_length.h"
#include "path/path_constant_names.h"
#include "path/path_constants.h"
#include "path/path_select.h"
#include "platform/console.h"
#include "sim/caltraj.h"
#include "sim/normal_tables.h"
#include "sim/trajectory_store.h"

bool run_export(const ExportOptions& o, Settings* used) {
  if (!o.tables_dir.empty()) set_normal_table_dir(o.tables_dir.c_str());

  // The program's own start-up (the generator at its start state included), its progress
  // text dropped; a loader failure still reaches standard error.
  std::ostringstream start_up_text;
  console_set_streams(nullptr, &start_up_text, nullptr);
  startup();
  console_set_streams(nullptr, &std::cerr, nullptr);

  // The dialogue's answers: the path's constants, the error, the path.
  for (const auto& [name, value] : o.constants) {
    paths.*(find_enterable_constant(name)->member) = value;
  }
  const int I = o.path_no;
  set_error(o.error_kind, o.error_count, o.error_values);
  settings.path_no = I;
  derive_path(I);
  settings.steer_step_max = settings.steer_speed * settings.dt_sim;
  *used = settings;

  bool fits = check_path_length(I) != 0;
  if (fits) {
    build_arc_table(I);
    fits = caltraj(I) < MAX;
  }
  if (!fits) console_print("\n");  // the refusal texts end without a line break
  console_set_streams(nullptr, nullptr, nullptr);
  if (!fits) return false;
  set_chart_ranges();
  return true;
}
