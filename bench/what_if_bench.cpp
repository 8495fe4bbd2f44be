// A change of the error value in the window: the computation of the new setting with what
// the previous one of the same path left (compute with a ComputeCache), against the whole
// computation of the same setting. One case per path at its default constants, each with
// the error kind slowest to compute on that path; the value goes up and down by one step
// of the window's arrow keys, so every computation follows one of the other value. The
// window has one frame (16.7 ms at 60 Hz) for it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench_tables.h"
#include "sim/computation.h"

namespace {

struct Case {
  int I;
  ErrorKind kind;
  double v1;
  double v2;
};

// The slowest kind of each path (full_kind below): random slip on the cartesian paths and
// the arc, the rear wheels on the other polar ones; the values of the store digests' cases.
constexpr Case cases[] = {
    {1, ErrorKind::slip, 5, 0},          {2, ErrorKind::slip, 5, 0},
    {3, ErrorKind::slip, 5, 0},          {4, ErrorKind::slip, 5, 0},
    {11, ErrorKind::rear_wheels, 3, -2}, {12, ErrorKind::rear_wheels, 3, -2},
    {13, ErrorKind::rear_wheels, 3, -2}, {14, ErrorKind::rear_wheels, 3, -2},
    {15, ErrorKind::slip, 5, 0},         {16, ErrorKind::rear_wheels, 3, -2},
};

Scenario scenario_of(const Case& c, double step) {
  Scenario s = default_scenario();
  set_default_path(s, c.I);
  s.error = {c.kind, {c.v1 + step, c.v2}};
  return s;
}

void what_if(benchmark::State& state, const Case& c) {
  auto ws = std::make_unique<Workspace>();
  auto cache = std::make_unique<ComputeCache>();
  const Scenario up = scenario_of(c, 0.1), down = scenario_of(c, 0.0);
  ComputeResult r = compute(down, bench_tables(), *ws, *cache);
  bool at_up = false;
  for (auto _ : state) {
    at_up = !at_up;
    r = compute(at_up ? up : down, bench_tables(), *ws, *cache);
    benchmark::DoNotOptimize(r.records);
  }
  state.counters["refusal"] = static_cast<double>(r.refusal);
}

void full(benchmark::State& state, const Case& c) {
  auto ws = std::make_unique<Workspace>();
  const Scenario up = scenario_of(c, 0.1), down = scenario_of(c, 0.0);
  ComputeResult r{};
  bool at_up = false;
  for (auto _ : state) {
    at_up = !at_up;
    r = compute(at_up ? up : down, bench_tables(), *ws);
    benchmark::DoNotOptimize(r.records);
  }
  state.counters["refusal"] = static_cast<double>(r.refusal);
}

// The full computation of every kind on every path, to find the slowest kind of each.
void kinds(benchmark::State& state) {
  Case c = cases[state.range(0)];
  const double values[6][2] = {{0, 0}, {3, -2}, {5, 0}, {1.5, 0}, {5, 10}, {5, 0}};
  c.kind = static_cast<ErrorKind>('0' + state.range(1));
  c.v1 = values[state.range(1)][0], c.v2 = values[state.range(1)][1];
  full(state, c);
}

// what_if/pathI and full/pathI for every case, and full_kind/S/K: path slot S with kind K.
const bool registered = [] {
  for (const Case& c : cases) {
    const std::string I = std::to_string(c.I);
    benchmark::RegisterBenchmark(("what_if/path" + I).c_str(), what_if, c)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("full/path" + I).c_str(), full, c)->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("full_kind", kinds)
      ->ArgsProduct({benchmark::CreateDenseRange(0, 9, 1), benchmark::CreateDenseRange(0, 5, 1)})
      ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
