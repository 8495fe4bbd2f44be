#include "control/session.h"

#include <cstdlib>

#include "sim/uniform_rand.h"

namespace {

// The session holds only path numbers that exist; anything else is a fault of the program.
int slot_of(int I) {
  const int slot = path_slot(I);
  if (slot < 0) std::abort();
  return slot;
}

}  // namespace

Session new_session() {
  Session s{};
  for (int i = 0; i < path_count; ++i) s.paths[i] = default_path_choice(path_table[i]);
  s.path_no = 1;
  s.error = {ErrorKind::none, {0.0, 0.0}};
  s.vehicle = default_vehicle();
  s.menu_errors = no_errors(s.vehicle);
  s.menu_errors.SLIP = 0.05;
  s.random_state = lcg_start_state;
  s.started_from = lcg_start_state;
  s.run_count = 0;
  return s;
}

PathChoice& session_path(Session& session, int I) {
  return session.paths[slot_of(I)];
}

const PathChoice& session_path(const Session& session, int I) {
  return session.paths[slot_of(I)];
}

Scenario session_scenario(const Session& session) {
  Scenario s{};
  s.path = session_path(session, session.path_no);
  s.error = session.error;
  s.vehicle = session.vehicle;
  s.random_state = session.random_state;
  return s;
}

void session_record(Session& session, bool succeeded, const MechanismErrors& last_errors,
                    uint32_t random_state) {
  const uint32_t start = session.random_state;
  session.random_state = random_state;
  if (!succeeded) return;
  session.started_from = start;
  session.menu_errors = last_errors;
  session.run_count += 1;
}
