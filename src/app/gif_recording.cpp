#include "app/gif_recording.h"

#include <algorithm>
#include <cmath>

#include "platform/catalogue.h"

int FrameTimeline::delay_cs(const FrameMoment& shown, const FrameMoment* next) {
  double span = end_hold_cs;
  if (next && next->type == shown.type && next->step >= shown.step) {
    span = std::max(0.0, (next->time - shown.time) * 100.0);
  }
  due_cs_ += span;
  const long long delay = std::llround(due_cs_) - given_cs_;
  const int clamped = static_cast<int>(std::clamp<long long>(delay, min_delay_cs, 65535));
  given_cs_ += clamped;
  return clamped;
}

std::string GifRecording::start(const std::string& path, int width, int height) {
  cancel();
  if (std::string error = writer_.open(path, width, height); !error.empty()) return error;
  const std::size_t bytes = 3 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  buffers_[0].assign(bytes, 0);
  buffers_[1].assign(bytes, 0);
  width_ = width;
  height_ = height;
  return {};
}

std::string GifRecording::encode_pending(const FrameMoment* next) {
  const int delay = timeline_.delay_cs(pending_moment_, next);
  given_cs_ += delay;
  std::string error = writer_.add_frame(buffers_[1 - next_].data(), delay);
  if (!error.empty()) cancel();
  return error;
}

std::string GifRecording::add(const FrameMoment& moment) {
  if (!active()) return tr(Msg::gif_not_recording);
  if (pending_) {
    if (std::string error = encode_pending(&moment); !error.empty()) return error;
  }
  pending_ = true;
  pending_moment_ = moment;
  next_ = 1 - next_;
  return {};
}

std::string GifRecording::finish() {
  if (!active()) return tr(Msg::gif_not_recording);
  if (pending_) {
    if (std::string error = encode_pending(nullptr); !error.empty()) return error;
  }
  const int frames = writer_.stored_frames();
  const long long total = given_cs_;
  std::string error = writer_.finish();
  cancel();
  if (error.empty()) {
    written_frames_ = frames;
    written_cs_ = total;
  }
  return error;
}

void GifRecording::cancel() {
  writer_.discard();
  std::vector<unsigned char>().swap(buffers_[0]);
  std::vector<unsigned char>().swap(buffers_[1]);
  timeline_ = FrameTimeline();
  next_ = 0;
  pending_ = false;
  given_cs_ = 0;
}

std::size_t GifRecording::memory_bytes() const {
  return buffers_[0].capacity() + buffers_[1].capacity() + writer_.memory_bytes();
}
