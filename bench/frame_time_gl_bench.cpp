// Time of one whole frame (on_display, finished with glFinish) in the heaviest case: a
// motion of 3000 records shown at its last step, so both trails are full and the CP line
// and the chart curves have every segment. Arguments: the AGV type, and how the frame is
// drawn: 0 one primitive at a time, 1 in gathered runs (the frame before anything was
// kept from frame to frame, without the status line), 2 as the program draws it now (runs
// gathered, grid and trails in display lists, CP line and charts a kept image, the status
// line shown), 3 the projector style in the same window. Argument 3: 0 the last step in every
// frame; 1 playback, one record more each frame through the last 100 records and again (each
// restart draws the trails anew). Reported: wall time and the CPU time of the whole process (the
// renderer's threads too), median and minimum of the repetitions. Needs an X display (Xvfb will
// do).
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/keys.h"
#include "display/frame.h"
#include "gl/window.h"
#include "gui_support/gui_state.h"
#include "gui_support/sample_motion.h"

namespace {

bool window_ready() {
  static bool open = false;
  if (open) return true;
  if (std::getenv("DISPLAY") == nullptr) return false;
  static char name[] = "agv_display_bench";
  static char* argv[] = {name, nullptr};
  int argc = 1;
  open_window(&argc, argv,
              {[](void* s) { on_display(*static_cast<AppState*>(s)); },
               [](void* s, unsigned char key) { on_key(*static_cast<AppState*>(s), key); }},
              &app);
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
  const int mode = static_cast<int>(state.range(1));
  app.renderer.options = {mode != 0, mode >= 2};
  app.status_shown = mode >= 2;
  app.style = mode == 3 ? FrameStyle::projector : FrameStyle::classic;
  if (mode == 3) reset_view(app);
  const bool playing = state.range(2) != 0;
  int i = 0;
  for (auto _ : state) {
    app.step = playing ? MAX - 100 + (i++ % 100) : MAX - 1;
    on_display(app);
    glFinish();
  }
  app.renderer.options = {};
  app.style = FrameStyle::classic;
}

// The draw list of the same frame composed alone, without drawing it: what each frame pays
// before OpenGL sees it. Needs no display.
void compose_heaviest_frame(benchmark::State& state) {
  reset_gui_state();
  app.scenario.error.kind = static_cast<ErrorKind>('1');
  fill_sample_motion(MAX - 1);
  app.agv_type = static_cast<AgvType>(static_cast<int>(state.range(0)));
  app.step = MAX - 1;
  DrawList list;
  for (auto _ : state) {
    compose_frame(list, app_frame(app));
    benchmark::DoNotOptimize(list.commands().data());
  }
}

double smallest(const std::vector<double>& v) {
  return *std::min_element(v.begin(), v.end());
}

}  // namespace

BENCHMARK(compose_heaviest_frame)->ArgName("type")->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

BENCHMARK(heaviest_frame)
    ->ArgNames({"type", "mode", "playing"})
    ->ArgsProduct({{1, 2, 3}, {1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->MinTime(0.5)
    ->Repetitions(5)
    ->ComputeStatistics("min", smallest)
    ->ReportAggregatesOnly(true);
