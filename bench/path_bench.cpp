// Arc-length machinery of the CP path: the table build and the parameter search as the
// simulation uses it (a forward search from 0.1 below the previous parameter).
#include <benchmark/benchmark.h>

#include <memory>

#include "path/arc_length.h"
#include "path/path_length_check.h"
#include "path/path_table.h"

namespace {

struct Prepared {
  Path path;
  std::unique_ptr<ArcTable> arc = std::make_unique<ArcTable>();
};

Prepared prepare(int I) {
  Prepared p;
  make_path(default_path_choice(*find_path(I)), &p.path);
  check_path_length(p.path, 0.02);
  build_arc_table(p.path, *p.arc);
  return p;
}

void BM_build_arc_table(benchmark::State& state) {
  Prepared p = prepare(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    build_arc_table(p.path, *p.arc);
    benchmark::DoNotOptimize(p.arc->last);
  }
}

void BM_param_at_length_whole_path(benchmark::State& state) {
  Prepared p = prepare(static_cast<int>(state.range(0)));
  const double sf = p.path.length;
  int calls = 0;
  for (auto _ : state) {
    double q = 0.0;
    calls = 0;
    for (double s = 0.004; s < sf; s += 0.004, ++calls) {
      q = param_at_length(q - 0.1, s, p.path, *p.arc);
    }
    benchmark::DoNotOptimize(q);
  }
  state.counters["calls"] = calls;
}

}  // namespace

BENCHMARK(BM_build_arc_table)->Arg(1)->Arg(11)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_param_at_length_whole_path)->Arg(1)->Arg(11)->Unit(benchmark::kMicrosecond);
