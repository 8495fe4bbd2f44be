// One slip sequence of full length, as caltraj draws two per run with error kind 5.
#include <benchmark/benchmark.h>

#include <string>

#include "control/settings.h"
#include "sim/normal_tables.h"
#include "sim/random_state.h"
#include "sim/slip_noise.h"

namespace {

void BM_SlipNoiseGen(benchmark::State& state) {
  reset_settings();
  reset_random_state();
  for (int f = 0; f < normal_table_count; ++f) {
    const std::string path = std::string(AGV_BENCH_SOURCE_DIR "/data/") + normal_table_files[f];
    std::string error;
    if (!read_normal_table(path.c_str(), f, &error)) {
      state.SkipWithError((path + ": " + error).c_str());
      return;
    }
  }
  for (auto _ : state) {
    slip_noise_gen(slip_noise_len, random_state.slip_noise_l);
    benchmark::DoNotOptimize(random_state.slip_noise_l[slip_noise_len - 1]);
  }
  state.SetItemsProcessed(state.iterations() * slip_noise_len);
}
BENCHMARK(BM_SlipNoiseGen)->Unit(benchmark::kMicrosecond);

}  // namespace
