#include "control/dialogue.h"

#include "control/path_dialog.h"
#include "control/refusal_text.h"
#include "control/settings_report.h"
#include "platform/catalogue.h"
#include "platform/console.h"

namespace {

constexpr double deg_per_rad = 57.2957795;

void print_error_menu(const MechanismErrors& st) {
  console_print(tr(Msg::error_menu), st.RearWHeelerr_L * 100, st.RearWHeelerr_R * 100,
                st.FronWHeelerr * 100, st.steer_drift * deg_per_rad, st.WBerr * 100, st.TRerr * 100,
                st.SLIP * 100);
}

// The prompt for the value of a kind.
const char* value_prompt(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::none:
      return "";
    case ErrorKind::rear_wheels:
      return tr(Msg::prompt_rear_wheels);
    case ErrorKind::front_wheel:
      return tr(Msg::prompt_front_wheel);
    case ErrorKind::steering_drift:
      return tr(Msg::prompt_steering_drift);
    case ErrorKind::geometry:
      return tr(Msg::prompt_geometry);
    case ErrorKind::slip:
      return tr(Msg::prompt_slip);
  }
  return "";
}

bool is_error_key(int key) {
  ErrorKind kind;
  return error_kind_from_char(key, &kind);
}

// Steps of the error choice: the menu until a valid key, the reset, the value. An entry that
// is not a number stays 0, and a line says so; a value that describes no vehicle is asked
// again.
void choose_error(Session& session) {
  ErrorKind kind;
  for (;;) {
    print_error_menu(session.menu_errors);
    if (error_kind_from_char(console_read_key(), &kind)) break;
    console_drop_wrong_line(is_error_key);  // a line without an answer is one wrong answer
  }
  // Every error is reset once a valid key has come.
  session.error = {kind, {0.0, 0.0}};
  session.menu_errors = no_errors(session.vehicle);
  console_print(tr(Msg::error_chosen), error_kind_char(kind));
  console_print("%s", value_prompt(kind));
  const int n = error_value_count(kind);
  if (n == 0) return;
  for (;;) {
    console_read_reals(n, session.error.entered, NumberRefused::zero);
    const ErrorFault fault = error_fault(session.error, session.vehicle);
    if (fault == ErrorFault::none) return;
    console_print("%s", error_fault_text(fault).c_str());
    session.error.entered[0] = session.error.entered[1] = 0.0;
    console_print("%s", value_prompt(kind));
  }
}

// Where the path part of the dialogue begins.
enum class PathStep { show_old_path, choose_path, report };

// Chooses the path as asked, reports, checks and computes, until a computation succeeds
// (true) or one is refused for its error (false: the error must be chosen again).
bool compute_until_success(PathStep from, Session& session, AgvType shown,
                           const NormalTables& tables, Workspace& ws, ComputeResult* result) {
  for (PathStep step = from;; step = PathStep::show_old_path) {
    if (step == PathStep::show_old_path) {
      console_print("\n%s", tr(Msg::old_path));
      print_path(session_path(session, session.path_no));
      step = PathStep::choose_path;
    }
    if (step == PathStep::choose_path) {
      console_print("%s", tr(Msg::choose_path_below));
      select_path(session);
    }
    const Scenario scenario = session_scenario(session);
    print_settings(shown, scenario);
    console_print("\n");
    // The length check comes first, so that a refused path is told before anything else.
    Path path;
    PathCheck check;
    if (!check_scenario_path(scenario, &path, &check)) continue;
    if (check.refusal != PathRefusal::none) {
      console_print("%s", path_refusal_text(session.path_no, check).c_str());
      continue;
    }
    console_print("%s", tr(Msg::computing));
    *result = compute(scenario, tables, ws);
    session_record(session, result->refusal == Refusal::none, result->last_errors,
                   result->random_state);
    if (result->refusal == Refusal::none) return true;
    console_print("%s", refusal_text(*result).c_str());
    if (result->refusal == Refusal::impossible_error || result->refusal == Refusal::not_finite) {
      return false;
    }
    console_print(tr(Msg::path_too_long_again), session.path_no);
  }
}

}  // namespace

void dialogue(Session& session, DialogueStart start, AgvType shown, const NormalTables& tables,
              Workspace& ws, ComputeResult* result) {
  // Keys typed into the terminal while the window was up are no answers to what comes.
  console_discard_typeahead();
  console_print("%s", tr(Msg::dialogue_title));

  bool path_only = session.run_count != 0 && start == DialogueStart::path_change;
  for (;; path_only = false) {
    PathStep from;
    if (path_only) {
      from = PathStep::show_old_path;  // the window's 'c': only the path changes
    } else {
      choose_error(session);
      console_print("%s", tr(Msg::old_path));
      print_path(session_path(session, session.path_no));
      console_print("%s", tr(Msg::change_path_question));
      const int key = console_read_key();
      console_print("%s", console_key_text().c_str());
      // Any other answer keeps the path; the computation derives it afresh.
      from = key == 'y' ? PathStep::choose_path : PathStep::report;
    }
    if (compute_until_success(from, session, shown, tables, ws, result)) break;
  }

  console_print("%s", tr(Msg::computation_done));
  console_print("%s", tr(Msg::key_help));
  console_read_key();
  console_print(" %s", console_key_text().c_str());
  console_flush();  // the echo shows now, not when the window is closed
}
