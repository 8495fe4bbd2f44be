#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/agv_type.h"
#include "picture/gif_file.h"

// When a recorded frame was shown: its motion time decides how long the GIF shows it.
struct FrameMoment {
  AgvType type;
  int step;
  double time;  // s, motion time of the step (record_time)
};

// How long each recorded frame shows, in hundredths of a second (a GIF's unit). A frame
// followed by one of the same motion (the same type, the same or a later step) shows for
// the motion time between the two: the GIF plays the motion in real time, whatever speed
// it was played at in the window. A frame that is the last one, or is followed by a motion
// begun anew (another type, an earlier step), is held for end_hold_cs. The delays are
// rounded so that they add up to the motion time, and none is below min_delay_cs, the
// shortest that viewers show as it is.
class FrameTimeline {
 public:
  static constexpr int end_hold_cs = 200;
  static constexpr int min_delay_cs = 2;

  // The delay of the frame shown at `shown`, followed by `next` (null: none follows).
  int delay_cs(const FrameMoment& shown, const FrameMoment* next);

 private:
  double due_cs_ = 0.0;     // what the frames so far should take
  long long given_cs_ = 0;  // what their delays add up to
};

// A GIF recording of frames read back from the drawing (gl/frame_capture.h). A
// frame's delay is known only when the next one comes, so each frame waits in one of two
// buffers, both made when the recording starts; the encoder (picture/gif_file.h) keeps
// only what changed from frame to frame.
class GifRecording {
 public:
  // Opens path for width x height frames (the file is created now, so a folder that cannot
  // be written to is told at once; path is replaced only by finish()) and makes the frame
  // buffers. Returns an empty string, or the reason.
  std::string start(const std::string& path, int width, int height);

  bool active() const { return writer_.is_open(); }
  int width() const { return width_; }
  int height() const { return height_; }

  // Where to read the next frame into: 3 * width * height bytes, bottom row first.
  unsigned char* next_frame() { return buffers_[next_].data(); }

  // The frame in next_frame() was shown at `moment`: encodes the frame before it, whose
  // delay is known now. On failure the recording is dropped and the reason returned.
  std::string add(const FrameMoment& moment);

  // Encodes the last frame (held FrameTimeline::end_hold_cs) and writes the file. Returns
  // an empty string, or the reason (nothing is written then).
  std::string finish();

  // Drops the recording; nothing is written.
  void cancel();

  // Frames stored in the file (equal frames in a row are one) and their total delay, as
  // the last finish() wrote them.
  int written_frames() const { return written_frames_; }
  long long written_cs() const { return written_cs_; }

  // Bytes held: the two frame buffers and what the encoder keeps.
  std::size_t memory_bytes() const;

 private:
  std::string encode_pending(const FrameMoment* next);

  GifWriter writer_;
  FrameTimeline timeline_;
  std::vector<unsigned char> buffers_[2];
  int next_ = 0;
  bool pending_ = false;  // the frame in the other buffer waits for its delay
  FrameMoment pending_moment_{};
  int width_ = 0;
  int height_ = 0;
  long long given_cs_ = 0;
  int written_frames_ = 0;
  long long written_cs_ = 0;
};
