#pragma once

#include <string>
#include <vector>

#include "app/gif_recording.h"
#include "control/command_line.h"
#include "display/offscreen_frame.h"
#include "model/scenario.h"
#include "picture/png_file.h"
#include "sim/computation.h"
#include "sim/trajectory_store.h"

// The records a GIF shows of a motion whose last record is `last`: every n-th from 0, n
// the smallest whole number that keeps them at most `fps` a second of motion (records are
// dt_sim apart), and the last one.
std::vector<int> gif_steps(int last, double dt_sim, double fps);

// The pictures of agvsim-export (--png, --gif): frames of the window's own drawing code,
// drawn off the screen at the size asked for, as the window of that size shows them.
class PictureExport {
 public:
  // Before anything is written: creates the picture files (status 2 when one cannot be
  // created) and the off-screen target (status 2 when OpenGL can be had neither on an X
  // display nor without one). Returns 0 when ready; messages go to the error stream.
  int prepare(const PictureOptions& options);

  // Draws the pictures and writes them. Returns the exit status: 0, or 1 when a file could
  // not be written.
  int write(const Scenario& scenario, const ComputeResult& result, const TrajectoryStore& store);

 private:
  PictureOptions options_;
  PngWriter png_;
  GifRecording gif_;
  OffscreenFrame target_;
};
