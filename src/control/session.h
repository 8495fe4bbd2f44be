#pragma once

#include <cstdint>

#include "model/mechanism_errors.h"
#include "model/scenario.h"
#include "model/vehicle.h"
#include "path/path_table.h"

// What the console dialogue keeps from one run to the next: the constants of all ten
// paths (returning to a path offers the values last entered), the chosen path and error,
// what the error menu lists, and where the slip generator stands.
struct Session {
  PathChoice paths[path_count];  // in the order of path_table
  int path_no;                   // the chosen path, 1..4 or 11..16
  ErrorSetting error;            // the chosen error
  // What the error menu lists as the previous errors: the errors of the last computation,
  // with the wheel slip of its last step under random slip. At start: no error, but a
  // slip of 5 %.
  MechanismErrors menu_errors;
  VehicleConstants vehicle;
  uint32_t random_state;  // the generator continues from run to run
  uint32_t started_from;  // where it stood when the last successful computation began
  int run_count;          // completed computations
};

// The session of a fresh program: every path at its defaults, path 1, no error, the
// default vehicle, the generator at its start.
Session new_session();

// The stored constants of path I (I must be a path).
PathChoice& session_path(Session& session, int I);
const PathChoice& session_path(const Session& session, int I);

// The computation the session asks for now.
Scenario session_scenario(const Session& session);

// Takes what a computation leaves for the next run: the generator's state always, and
// after a success what the error menu lists, where the generator began and the count of
// runs.
void session_record(Session& session, bool succeeded, const MechanismErrors& last_errors,
                    uint32_t random_state);
