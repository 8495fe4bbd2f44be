// Time of one whole frame (on_display, finished with glFinish) in the heaviest case: a
// motion of 3000 records shown at its last step, so both trails are full and the CP line
// and the chart curves have every segment. Arguments: the AGV type, and 1 for the gathered
// runs of the program or 0 for one primitive at a time (the same pixels, for comparison).
// Needs an X display (Xvfb will do).
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "app/keys.h"
#include "display/window.h"
#include "gui_support/gui_state.h"
#include "gui_support/sample_motion.h"
#include "scene/batches.h"

namespace {

bool window_ready() {
  static bool open = false;
  if (open) return true;
  if (std::getenv("DISPLAY") == nullptr) return false;
  static char name[] = "agv_display_bench";
  static char* argv[] = {name, nullptr};
  int argc = 1;
  open_window(&argc, argv, {on_display, on_key});
  on_reshape(800, 800);
  open = true;
  return true;
}

void heaviest_frame(benchmark::State& state) {
  if (!window_ready()) {
    state.SkipWithError("no X display (set DISPLAY)");
    return;
  }
  reset_gui_state();
  app.scenario.error.kind = static_cast<ErrorKind>('1');
  app.result.errors.RearWHeelerr_L = 0.05;
  app.result.errors.RearWHeelerr_R = -0.03;
  fill_sample_motion(MAX - 1);
  app.agv_type = static_cast<AgvType>(static_cast<int>(state.range(0)));
  app.step = MAX - 1;
  batch_runs = state.range(1) != 0;
  for (auto _ : state) {
    on_display();
    glFinish();
  }
  batch_runs = true;
}

}  // namespace

BENCHMARK(heaviest_frame)
    ->ArgNames({"type", "batched"})
    ->ArgsProduct({{1, 2, 3}, {1, 0}})
    ->Unit(benchmark::kMillisecond);
