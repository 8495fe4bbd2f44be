// Inputs that once took seconds to compute or to refuse. In every one of them the faulty
// vehicle's travel went below zero, and each search of the path parameter for it marched
// a thousand steps beyond the end of the path. Each case is one whole computation (all
// three types); the values that make the vehicle meaningless are refused by the
// computation itself. The last benchmark is the one search on its own.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_tables.h"
#include "path/arc_length.h"
#include "sim/computation.h"

namespace {

void compute_case(benchmark::State& state, int I, ErrorKind kind, double v1, double v2) {
  Scenario s = default_scenario();
  set_default_path(s, I);
  s.error = {kind, {v1, v2}};
  auto ws = std::make_unique<Workspace>();
  ComputeResult r{};
  for (auto _ : state) {
    r = compute(s, bench_tables(), *ws);
    benchmark::DoNotOptimize(r.records);
  }
  state.counters["refusal"] = static_cast<double>(r.refusal);
}

// Random slip of 50 % (fast before as well), 70 % and 100 % on the default cosine.
BENCHMARK_CAPTURE(compute_case, slip_50, 1, ErrorKind::slip, 50, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compute_case, slip_70, 1, ErrorKind::slip, 70, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compute_case, slip_100, 1, ErrorKind::slip, 100, 0)
    ->Unit(benchmark::kMillisecond);
// The dialogue's slip of 513713.5 %: refused now.
BENCHMARK_CAPTURE(compute_case, slip_513713_5, 1, ErrorKind::slip, 513713.5, 0)
    ->Unit(benchmark::kMillisecond);
// Rear wheels of -150 % (a negative radius): refused now.
BENCHMARK_CAPTURE(compute_case, rear_wheels_m150_m150, 1, ErrorKind::rear_wheels, -150, -150)
    ->Unit(benchmark::kMillisecond);
// A Tread of -1e6 %: refused now (it was refused before, for too many records, after 11 s).
BENCHMARK_CAPTURE(compute_case, tread_m1e6, 1, ErrorKind::geometry, 0, -1e6)
    ->Unit(benchmark::kMillisecond);
// Steering drift of 120 degrees: the front-driven vehicle drives backwards.
BENCHMARK_CAPTURE(compute_case, drift_120, 1, ErrorKind::steering_drift, 120, 0)
    ->Unit(benchmark::kMillisecond);

// The parameter at a length below the start of the default cosine.
void BM_param_at_negative_length(benchmark::State& state) {
  Scenario s = default_scenario();
  Path path;
  PathCheck check;
  check_scenario_path(s, &path, &check);
  auto arc = std::make_unique<ArcTable>();
  build_arc_table(path, *arc);
  for (auto _ : state) benchmark::DoNotOptimize(param_at_length(0.5, -0.01, path, *arc));
}
BENCHMARK(BM_param_at_negative_length);

}  // namespace
