#include "sim/computation.h"

#include <cmath>

#include "path/path_table.h"
#include "sim/caltraj.h"
#include "sim/uniform_rand.h"

Scenario default_scenario() {
  Scenario s{};
  s.path = default_path_choice(*find_path(1));
  s.error = {ErrorKind::none, {0.0, 0.0}};
  s.vehicle = default_vehicle();
  s.random_state = lcg_start_state;
  return s;
}

bool set_default_path(Scenario& scenario, int I) {
  const PathDescriptor* d = find_path(I);
  if (!d) return false;
  scenario.path = default_path_choice(*d);
  return true;
}

bool check_scenario_path(const Scenario& scenario, Path* path, PathCheck* check) {
  if (!make_path(scenario.path, path)) return false;
  *check = check_path_length(*path, travel_per_step(scenario.vehicle));
  return true;
}

namespace {

ComputeResult compute_with(const Scenario& scenario, const NormalTables& tables, Workspace& ws,
                           ComputeCache* cache) {
  ComputeResult r{};
  r.path_no = scenario.path.number;
  r.errors = mechanism_errors(scenario.error, scenario.vehicle);
  r.last_errors = r.errors;
  r.random_state = scenario.random_state;
  r.fault = error_fault(scenario.error, scenario.vehicle);
  if (r.fault != ErrorFault::none) {
    r.refusal = Refusal::impossible_error;
    return r;
  }
  if (!check_scenario_path(scenario, &r.path, &r.check)) {
    r.refusal = Refusal::unknown_path;
    return r;
  }
  switch (r.check.refusal) {
    case PathRefusal::none:
      break;
    case PathRefusal::end_param_too_large:
      r.refusal = Refusal::end_param_too_large;
      return r;
    case PathRefusal::too_long:
      r.refusal = Refusal::path_too_long;
      return r;
    case PathRefusal::too_short:
      r.refusal = Refusal::path_too_short;
      return r;
  }

  ArcTable* arc = &ws.arc;
  ReferenceMemo* memo = nullptr;
  if (cache) {
    if (!cache_holds(*cache, scenario.path, scenario.vehicle)) {
      cache_reset(*cache, scenario.path, scenario.vehicle);
      build_arc_table(r.path, cache->arc);
    }
    arc = &cache->arc;
    memo = &cache->memo;
  } else {
    build_arc_table(r.path, ws.arc);
  }
  const SimContext ctx{&r.path, arc, scenario.vehicle, scenario.error.kind, r.errors, memo};
  RandomSource random{scenario.random_state, &tables};
  CaltrajInfo info{};
  r.records = caltraj(ctx, random, ws.slip, ws.store, &info);
  r.random_state = random.state;
  if (scenario.error.kind == ErrorKind::slip) {
    r.last_errors = slip_step_errors(r.errors, info.last_slip_l, info.last_slip_r);
  }
  if (r.records >= MAX) {
    r.refusal = Refusal::too_many_records;
    r.failed_type = info.failed_type;
    return r;
  }

  TrajectoryStore& store = ws.store;
  for (AgvType t : agv_types) {
    const int i = type_index(t);
    trajectory_range(store.traj_last[i], store.cp_traj[i], &store.chart_range[i]);
    r.deviation[i] = deviation_summary(store, t);
    r.free_offset[i] = free_vehicle_offset(store, t);
  }
  if (!store_is_finite(store)) r.refusal = Refusal::not_finite;
  return r;
}

}  // namespace

ComputeResult compute(const Scenario& scenario, const NormalTables& tables, Workspace& ws) {
  return compute_with(scenario, tables, ws, nullptr);
}

ComputeResult compute(const Scenario& scenario, const NormalTables& tables, Workspace& ws,
                      ComputeCache& cache) {
  return compute_with(scenario, tables, ws, &cache);
}

namespace {

bool finite(const traj_rec& r) {
  return std::isfinite(r.s) && std::isfinite(r.theta) && std::isfinite(r.x) && std::isfinite(r.y) &&
         std::isfinite(r.delta) && std::isfinite(r.kappa);
}

}  // namespace

bool store_is_finite(const TrajectoryStore& store) {
  for (int i = 0; i < agv_type_count; ++i) {
    if (!std::isfinite(store.traj_tend[i]) || !std::isfinite(store.chart_range[i])) return false;
    for (int j = 0; j <= store.traj_last[i]; ++j) {
      const wheel_rec& w = store.wheel_traj[i][j];
      if (!finite(store.cp_traj[i][j]) || !std::isfinite(store.cp_traj[i][j].p) ||
          !finite(store.agv_traj[i][j]) || !finite(store.err_traj[i][j]) ||
          !finite(store.err_dev[i][j]) || !std::isfinite(w.travel_1) ||
          !std::isfinite(w.travel_2) || !std::isfinite(w.delta)) {
        return false;
      }
    }
  }
  return true;
}

void trajectory_range(int n, const traj_rec* points, double* out) {
  double hi = -1000.0;
  double lo = 1000.0;
  for (int i = 0; i <= n; ++i) {
    const double x = points[i].x, y = points[i].y;
    if (x > hi) hi = x;
    if (y > hi) hi = y;
    if (x < lo) lo = x;
    if (y < lo) lo = y;
  }
  *out = std::fabs(hi) > std::fabs(lo) ? std::fabs(hi) : std::fabs(lo);
}
