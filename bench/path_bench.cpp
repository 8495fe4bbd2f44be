// Arc-length machinery of the CP path: the table build and the parameter search as the
// simulation uses it (a forward search from 0.1 below the previous parameter).
#include <benchmark/benchmark.h>

#include "control/settings.h"
#include "path/arc_length.h"
#include "path/path_constants.h"
#include "path/path_select.h"

namespace {

void prepare(int I) {
  reset_settings();
  reset_path_constants();
  reset_arc_tables();
  derive_path(I);
  check_path_length(I);
  build_arc_table(I);
}

void BM_build_arc_table(benchmark::State& state) {
  const int I = static_cast<int>(state.range(0));
  prepare(I);
  for (auto _ : state) {
    build_arc_table(I);
    benchmark::DoNotOptimize(arc_tables.last[arc_table_slot(I)]);
  }
}

void BM_param_at_length_whole_path(benchmark::State& state) {
  const int I = static_cast<int>(state.range(0));
  prepare(I);
  const double sf = paths.path_length[I];
  int calls = 0;
  for (auto _ : state) {
    double p = 0.0;
    calls = 0;
    for (double s = 0.004; s < sf; s += 0.004, ++calls) p = param_at_length(p - 0.1, s, I);
    benchmark::DoNotOptimize(p);
  }
  state.counters["calls"] = calls;
}

}  // namespace

BENCHMARK(BM_build_arc_table)->Arg(1)->Arg(11)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_param_at_length_whole_path)->Arg(1)->Arg(11)->Unit(benchmark::kMicrosecond);
