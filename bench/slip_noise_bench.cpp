// One slip sequence of full length, as a computation with random slip draws two.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_tables.h"
#include "sim/slip_noise.h"
#include "sim/uniform_rand.h"

namespace {

void BM_SlipNoiseGen(benchmark::State& state) {
  auto seq = std::make_unique<SlipSequences>();
  RandomSource source{lcg_start_state, &bench_tables()};
  for (auto _ : state) {
    slip_noise_gen(slip_noise_len, seq->slip_noise_l, source, 0.02, seq->work);
    benchmark::DoNotOptimize(seq->slip_noise_l[slip_noise_len - 1]);
  }
  state.SetItemsProcessed(state.iterations() * slip_noise_len);
}
BENCHMARK(BM_SlipNoiseGen)->Unit(benchmark::kMicrosecond);

}  // namespace
