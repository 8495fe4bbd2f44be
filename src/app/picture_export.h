#pragma once

#include <memory>
#include <string>
#include <vector>

#include "control/command_line.h"
#include "model/scenario.h"
#include "sim/computation.h"
#include "sim/trajectory_store.h"

// The records a GIF shows of a motion whose last record is `last`: every n-th from 0, n
// the smallest whole number that keeps them at most `fps` a second of motion (records are
// dt_sim apart), and the last one.
std::vector<int> gif_steps(int last, double dt_sim, double fps);

// The pictures of agvsim-export (--png, --gif): frames of the window's own drawing code,
// drawn off the screen at the size asked for, as the window of that size shows them; and
// the draw list of the --png frame as JSON (--frame). A build without pictures (AGV_WITH_PICTURES
// off) has the same class from app/picture_export_none.cpp, which refuses every picture.
class PictureExport {
 public:
  PictureExport();
  ~PictureExport();
  PictureExport(const PictureExport&) = delete;
  PictureExport& operator=(const PictureExport&) = delete;

  // Before anything is written: creates the picture files (status 2 when one cannot be
  // created) and the off-screen target (status 2 when OpenGL can be had neither on an X
  // display nor without one, and always in a build without pictures). Returns 0 when
  // ready; messages go to the error stream.
  int prepare(const PictureOptions& options);

  // Draws the pictures and writes them. Returns the exit status: 0, or 1 when a file could
  // not be written.
  int write(const Scenario& scenario, const ComputeResult& result, const TrajectoryStore& store);

 private:
  struct Output;  // the picture files, the off-screen target and its renderer
  // The frame composed last, as JSON into the --frame file; the exit status.
  int write_frame_json(int width, int height);

  PictureOptions options_;
  std::unique_ptr<Output> out_;
};
