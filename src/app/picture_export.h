#pragma once

#include <string>
#include <vector>

#include "app/gif_recording.h"
#include "control/command_line.h"
#include "gl/offscreen_frame.h"
#include "gl/renderer.h"
#include "model/scenario.h"
#include "picture/png_file.h"
#include "platform/replacing_file.h"
#include "scene/draw_list.h"
#include "sim/computation.h"
#include "sim/trajectory_store.h"

// The records a GIF shows of a motion whose last record is `last`: every n-th from 0, n
// the smallest whole number that keeps them at most `fps` a second of motion (records are
// dt_sim apart), and the last one.
std::vector<int> gif_steps(int last, double dt_sim, double fps);

// The pictures of agvsim-export (--png, --gif): frames of the window's own drawing code,
// drawn off the screen at the size asked for, as the window of that size shows them; and
// the draw list of the --png frame as JSON (--frame), which needs no OpenGL.
class PictureExport {
 public:
  // Before anything is written: creates the picture files (status 2 when one cannot be
  // created) and the off-screen target (status 2 when there is no display or no OpenGL,
  // with how to run under a virtual display, `arguments` being the command line to show).
  // Returns 0 when ready; messages go to the error stream.
  int prepare(const PictureOptions& options, const std::vector<std::string>& arguments);

  // Draws the pictures and writes them. Returns the exit status: 0, or 1 when a file could
  // not be written.
  int write(const Scenario& scenario, const ComputeResult& result, const TrajectoryStore& store);

 private:
  PictureOptions options_;
  PngWriter png_;
  GifRecording gif_;
  OffscreenFrame target_;
  ReplacingFile frame_file_;  // --frame
  DrawList list_;
  GlRenderer renderer_;
};
