#include "control/live_settings.h"

#include <cmath>

#include "path/path_table.h"

namespace {

// Sizes an error kind starts with when its values are all 0: those of the lecture demos.
void visible_size(ErrorKind kind, double* v) {
  switch (kind) {
    case ErrorKind::none:
      break;
    case ErrorKind::rear_wheels:
      v[0] = 3.0;
      break;
    case ErrorKind::front_wheel:
    case ErrorKind::slip:
      v[0] = 5.0;
      break;
    case ErrorKind::steering_drift:
      v[0] = 0.5;
      break;
    case ErrorKind::geometry:
      v[0] = 5.0, v[1] = 10.0;
      break;
  }
}

int entered_constants(const Session& session) {
  return find_path(session.path_no)->entered_count;
}

double* value_in_session(Session& session, int index) {
  const int n = live_error_value_count(session);
  if (index < n) return &session.error.entered[index];
  return &session_path(session, session.path_no).constants[index - n];
}

}  // namespace

int live_error_value_count(const Session& session) {
  return error_value_count(session.error.kind);
}

double stepped_value(const SteppedValue& v) {
  if (v.steps == 0) return v.start;
  return (std::nearbyint(v.start * 10.0) + static_cast<double>(v.steps)) / 10.0;
}

void live_settings_from(LiveSettings& live, const Session& session) {
  const int n = live_error_value_count(session);
  live.count = n + entered_constants(session);
  for (int i = 0; i < live.count; ++i) {
    const double v =
        i < n ? session.error.entered[i] : session_path(session, session.path_no).constants[i - n];
    live.value[i] = {std::isfinite(v) ? v : 0.0, 0};
  }
  if (live.selected >= live.count || live.selected < 0) live.selected = 0;
}

void live_next_kind(LiveSettings& live, Session& session, int direction) {
  const int k = static_cast<int>(error_kind_char(session.error.kind) - '0');
  const int next = ((k + direction) % 6 + 6) % 6;
  error_kind_from_char('0' + next, &session.error.kind);
  double* v = session.error.entered;
  const int n = error_value_count(session.error.kind);
  if (n > 0 && v[0] == 0.0 && (n < 2 || v[1] == 0.0)) visible_size(session.error.kind, v);
  live.selected = 0;
  live_settings_from(live, session);
}

bool live_no_error(LiveSettings& live, Session& session) {
  if (session.error.kind == ErrorKind::none) return false;
  session.error.kind = ErrorKind::none;
  live.selected = 0;
  live_settings_from(live, session);
  return true;
}

void live_next_path(LiveSettings& live, Session& session, int direction) {
  const int slot = path_slot(session.path_no);
  session.path_no = path_table[((slot + direction) % path_count + path_count) % path_count].number;
  // The selection stays on the error's values; on the path's constants it goes to the first.
  if (live.selected >= live_error_value_count(session))
    live.selected = live_error_value_count(session);
  live_settings_from(live, session);
}

void live_select(LiveSettings& live, int direction) {
  if (live.count <= 0) return;
  live.selected = ((live.selected + direction) % live.count + live.count) % live.count;
}

bool live_step(LiveSettings& live, Session& session, int steps) {
  if (live.selected < 0 || live.selected >= live.count) return false;
  SteppedValue& v = live.value[live.selected];
  SteppedValue next = v;
  next.steps += steps;
  double value = stepped_value(next);
  if (live.selected >= live_error_value_count(session) && value < 0.0) {
    // A constant is never negative: the step ends at 0.
    next.steps -= static_cast<long long>(std::nearbyint(value * 10.0));
    value = stepped_value(next);
    if (value == stepped_value(v)) return false;
  }
  v = next;
  *value_in_session(session, live.selected) = value;
  return true;
}
