// The computation step for all three AGV types on three cases: the default cosine without
// error, the default ellipse with a geometry error, and a 55 m cosine with random slip,
// close to the record limit for every type. And the sweep of 20 slip sizes on that 55 m
// cosine, on one thread and on every core.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_tables.h"
#include "control/sweep.h"
#include "sim/computation.h"

namespace {

Scenario scenario_of(int I, ErrorKind kind, double v1, double v2) {
  Scenario s = default_scenario();
  set_default_path(s, I);
  s.error = {kind, {v1, v2}};
  return s;
}

Scenario long_cosine() {
  Scenario s = scenario_of(1, ErrorKind::slip, 5, 0);
  s.path.constants[0] = 0.1, s.path.constants[1] = 5, s.path.constants[2] = 11;
  return s;
}

void run(benchmark::State& state, const Scenario& s) {
  auto ws = std::make_unique<Workspace>();
  ComputeResult r{};
  for (auto _ : state) {
    r = compute(s, bench_tables(), *ws);
    benchmark::DoNotOptimize(r.records);
  }
  const int* last = ws->store.traj_last;
  state.counters["records"] = last[0] + last[1] + last[2] + 3;
}

void BM_compute_default_cosine_kind0(benchmark::State& state) {
  run(state, scenario_of(1, ErrorKind::none, 0, 0));
}
void BM_compute_ellipse_kind4(benchmark::State& state) {
  run(state, scenario_of(11, ErrorKind::geometry, 5, 10));
}
void BM_compute_long_cosine_kind5(benchmark::State& state) {
  run(state, long_cosine());
}

// 20 sizes of slip, 1 % to 20 %; the argument is the number of threads.
void BM_sweep_long_cosine_20_sizes(benchmark::State& state) {
  const SweepRange range{ErrorKind::slip, 1.0, 20.0, 1.0, 0.0};
  for (auto _ : state) {
    const auto points =
        run_sweep(long_cosine(), range, bench_tables(), static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(points.data());
  }
}

}  // namespace

BENCHMARK(BM_compute_default_cosine_kind0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_compute_ellipse_kind4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_compute_long_cosine_kind5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sweep_long_cosine_20_sizes)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
