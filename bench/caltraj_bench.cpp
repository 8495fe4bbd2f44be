// caltraj for all three AGV types on three cases: the default cosine without error, the
// default ellipse with a geometry error, and a 55 m cosine with random slip, close to the
// record limit for every type.
#include <benchmark/benchmark.h>

#include <string>

#include "control/settings.h"
#include "path/arc_length.h"
#include "path/path_constants.h"
#include "path/path_select.h"
#include "sim/caltraj.h"
#include "sim/normal_tables.h"
#include "sim/random_state.h"
#include "sim/trajectory_store.h"

namespace {

void load_tables() {
  for (int f = 0; f < normal_table_count; ++f) {
    const std::string path = std::string(AGV_BENCH_SOURCE_DIR) + "/data/" + normal_table_files[f];
    std::string error;
    read_normal_table(path.c_str(), f, &error);
  }
}

void prepare(int I, char kind, double v1, double v2) {
  reset_settings();
  reset_path_constants();
  reset_arc_tables();
  reset_store();
  reset_random_state();
  load_tables();
  Settings& st = settings;
  st.error_kind = kind;
  reset_errors();
  if (kind == '4') {
    st.WBerr = v1 * 0.01, st.TRerr = v2 * 0.01;
    st.tread_err = (1.0 + st.TRerr) * st.tread;
    st.wheel_base_err = (1.0 + st.WBerr) * st.wheel_base;
  } else if (kind == '5') {
    st.SLIP = v1 * 0.01;
  }
  if (I == 1 && v2 > 0.0) paths.cosine_A = 0.1, paths.cosine_L = 5, paths.cosine_n = 11;
  st.path_no = I;
  derive_path(I);
  check_path_length(I);
  build_arc_table(I);
}

void run(benchmark::State& state) {
  const int I = settings.path_no;
  for (auto _ : state) benchmark::DoNotOptimize(caltraj(I));
  state.counters["records"] = store.traj_last[0] + store.traj_last[1] + store.traj_last[2] + 3;
}

void BM_caltraj_default_cosine_kind0(benchmark::State& state) {
  prepare(1, '0', 0, 0);
  run(state);
}
void BM_caltraj_ellipse_kind4(benchmark::State& state) {
  prepare(11, '4', 5, 10);
  run(state);
}
void BM_caltraj_long_cosine_kind5(benchmark::State& state) {
  prepare(1, '5', 5, 1);
  run(state);
}

}  // namespace

BENCHMARK(BM_caltraj_default_cosine_kind0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_caltraj_ellipse_kind4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_caltraj_long_cosine_kind5)->Unit(benchmark::kMillisecond);
