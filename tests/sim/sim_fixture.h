#pragma once

#include <gtest/gtest.h>

#include "control/settings.h"
#include "path/arc_length.h"
#include "path/path_constants.h"
#include "path/path_select.h"
#include "sim/caltraj.h"
#include "sim/trajectory_store.h"
#include "support/committed_tables.h"
#include "support/program_state.h"
#include "support/scripted_console.h"

// Runs computations as the dialogue does: errors reset, the chosen kind's values stored,
// the path derived, checked, sampled and computed.
class SimTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_program_state();
    load_committed_tables();
  }

  void choose_error(char kind, double v1 = 0.0, double v2 = 0.0) {
    Settings& st = settings;
    st.error_kind = kind;
    reset_errors();
    switch (kind) {
      case '1':
        st.RearWHeelerr_L = v1 * 0.01, st.RearWHeelerr_R = v2 * 0.01;
        break;
      case '2':
        st.FronWHeelerr = v1 * 0.01;
        break;
      case '3':
        st.steer_drift = v1 * 0.0174532925;
        break;
      case '4':
        st.WBerr = v1 * 0.01, st.TRerr = v2 * 0.01;
        st.tread_err = (1.0 + st.TRerr) * st.tread;
        st.wheel_base_err = (1.0 + st.WBerr) * st.wheel_base;
        break;
      case '5':
        st.SLIP = v1 * 0.01;
        break;
      default:
        break;
    }
  }

  // Returns caltraj's result, or -1 when the length check refused the path.
  int compute(int I) {
    settings.path_no = I;
    derive_path(I);
    if (!check_path_length(I)) return -1;
    build_arc_table(I);
    return caltraj(I);
  }

  ScriptedConsole console;
};
