#include "app/live_setting.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "app/app_state.h"
#include "app/playback.h"
#include "control/live_settings.h"
#include "control/session.h"
#include "platform/catalogue.h"

namespace {

// The short reason the window gives for a refused setting (the bitmap font has no kana).
const char* refusal_reason(const ComputeResult& r) {
  switch (r.refusal) {
    case Refusal::none:
      return "";
    case Refusal::unknown_path:
    case Refusal::end_param_too_large:
      return tr(Msg::live_refused_path);
    case Refusal::path_too_long:
      return tr(Msg::live_refused_too_long);
    case Refusal::path_too_short:
      return tr(Msg::live_refused_too_short);
    case Refusal::too_many_records:
      return tr(Msg::live_refused_records);
    case Refusal::impossible_error:
      return tr(Msg::live_refused_vehicle);
    case Refusal::not_finite:
      return tr(Msg::live_refused_not_finite);
  }
  return "";
}

}  // namespace

void live_recompute(AppState& state) {
  if (!state.spare_workspace) {  // a state made without app_start (tests)
    state.owned_spare = std::make_unique<Workspace>();
    state.spare_workspace = state.owned_spare.get();
  }
  if (!state.cache) state.cache = std::make_unique<ComputeCache>();
  Scenario run = session_scenario(state.session);
  // Every setting of a series starts the slip generator where the computation shown
  // started it, so that a step back gives back the same slip as well.
  run.random_state = state.scenario.random_state;
  const ComputeResult r = compute(run, state.tables, *state.spare_workspace, *state.cache);
  if (r.refusal != Refusal::none) {
    state.refused = refusal_reason(r);
    state.ghost_ready = false;  // the spare store holds a part of the refused run
    return;
  }
  std::swap(state.workspace, state.spare_workspace);
  state.ghost_ready = true;
  state.refused = nullptr;
  state.result = r;
  state.scenario = run;
  session_record(state.session, true, r.last_errors, r.random_state);
  state.step = std::clamp(state.step, 0, std::max(shown_last_record(state), 0));
  if (state.playback.playing) {
    // The clock goes on at the time shown.
    restart_playback_clock(state);
  }
}

bool live_setting_key(AppState& state, LiveKey key) {
  LiveSettings& live = state.live;
  Session& s = state.session;
  switch (key) {
    case LiveKey::kind_next:
    case LiveKey::kind_previous:
      live_next_kind(live, s, key == LiveKey::kind_next ? 1 : -1);
      break;
    case LiveKey::no_error:
      if (!live_no_error(live, s)) return false;
      break;
    case LiveKey::path_next:
    case LiveKey::path_previous:
      live_next_path(live, s, key == LiveKey::path_next ? 1 : -1);
      break;
    case LiveKey::select_next:
    case LiveKey::select_previous:
      live_select(live, key == LiveKey::select_next ? 1 : -1);
      return true;  // only the mark in the settings bar moves
    case LiveKey::up:
    case LiveKey::down:
    case LiveKey::up_coarse:
    case LiveKey::down_coarse: {
      const int size = key == LiveKey::up || key == LiveKey::down ? fine_step : coarse_step;
      const int sign = key == LiveKey::up || key == LiveKey::up_coarse ? 1 : -1;
      if (!live_step(live, s, sign * size)) return false;
      break;
    }
  }
  live_recompute(state);
  return true;
}

void live_setting_restart(AppState& state) {
  live_settings_from(state.live, state.session);
  state.refused = nullptr;
  state.ghost_ready = false;
}
