#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "picture/rgb_image.h"
#include "platform/replacing_file.h"

// Animated GIF files of the window's motion (giflib).
//
// The frames hold a few exact colours (anti-aliasing is off), so the writer keeps them
// exact: the palette is made of the colours present, never quantised or dithered. One
// global palette is written when all frames together use at most 256 colours; otherwise
// each frame gets its own palette. A frame whose stored rectangle (see below) has more than
// 256 colours is refused.
//
// Frames after the first store only the rectangle that changed since the previous frame
// and are shown with "do not dispose", so each rectangle is drawn over the picture before;
// inside the rectangle, pixels equal to the previous frame's are stored as transparent
// (one palette entry, dropped when the changed colours need all 256).
// A frame equal to the previous one stores nothing: its delay is added to the previous
// stored frame (as long as that stays within the 655.35 s a GIF delay can hold; beyond that
// a transparent 1x1 frame carries the delay). The animation loops for ever (NETSCAPE2.0
// block).
//
// Memory: the previous frame (3 bytes per pixel) and, per stored frame, one byte per pixel
// of its rectangle plus its colours, until finish().
//
// Use: open(), add_frame() for each frame, finish(). Every call returns an empty string on
// success, otherwise the reason in the language of the process (platform/catalogue.h). A
// refused frame ends the recording: later calls return the same reason and nothing is
// written.
class GifWriter {
 public:
  GifWriter() = default;
  // A recording that was not finished is dropped; nothing is written.
  ~GifWriter() = default;
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  // Starts a recording of width x height frames into path. The temporary file beside path
  // is created now, so a folder that cannot be written to is reported at once; path itself
  // is replaced only by a successful finish().
  [[nodiscard]] std::string open(const std::string& path, int width, int height);
  // One frame laid out as glReadPixels(GL_RGB, GL_UNSIGNED_BYTE) returns it (bottom row
  // first, see rgb_image.h; row_bytes 0 = tightly packed), shown for delay_cs hundredths
  // of a second (0 to 65535; many viewers show delays below 2 more slowly).
  [[nodiscard]] std::string add_frame(const unsigned char* pixels, int delay_cs,
                                      std::size_t row_bytes = 0);
  // Writes the file and replaces path with it. The writer can then open a new recording.
  [[nodiscard]] std::string finish();

  // Drops the recording: the temporary file is removed and nothing is written.
  void discard();

  bool is_open() const { return file_.is_open(); }
  // Frames stored so far (unchanged frames are merged into the one before).
  int stored_frames() const { return static_cast<int>(frames_.size()); }
  // Bytes held for the recording: the previous frame and the stored rectangles.
  std::size_t memory_bytes() const;

 private:
  struct Frame {
    int left = 0, top = 0, width = 0, height = 0;  // in the file's coordinates, top row 0
    int delay_cs = 0;
    std::vector<std::uint32_t> colours;  // 0xRRGGBB, this frame's palette in first-seen order
    std::vector<std::uint8_t> indices;   // width * height, top row first, into colours
    int transparent = -1;                // the entry of unchanged pixels, or -1
  };

  std::string fail(std::string reason);
  std::string write_file();
  void reset();

  ReplacingFile file_;
  std::string path_;
  std::string error_;  // the reason a recording was refused; sticks until finish()
  int width_ = 0;
  int height_ = 0;
  int added_ = 0;                        // frames passed to add_frame
  std::vector<unsigned char> previous_;  // the last frame, RGB, top row first
  std::vector<Frame> frames_;
  // Every colour of the recording with its place in the global palette (first seen first).
  std::unordered_map<std::uint32_t, int> colour_ids_;
};

// One frame of a GIF file as read back.
struct GifFrameInfo {
  int left = 0, top = 0, width = 0, height = 0;  // stored rectangle, top row 0
  int delay_cs = 0;
  int disposal = 0;  // giflib's DISPOSAL_UNSPECIFIED, DISPOSE_DO_NOT, ...
  bool local_palette = false;
};

struct GifAnimation {
  int width = 0;
  int height = 0;
  int loop_count = -1;  // from the NETSCAPE2.0 block: 0 = for ever; -1 = no such block
  bool global_palette = false;
  std::vector<GifFrameInfo> frames;
};

// Reads a GIF file (giflib's DGifSlurp) and composites its frames: on_frame is called for
// each frame, in order, with its index and the whole picture as shown after it (top row
// first). Returns an empty string on success, otherwise the reason (on_frame may have seen
// the frames before a damaged one).
[[nodiscard]] std::string read_gif_file(
    const std::string& path, GifAnimation& animation,
    const std::function<void(int index, const RgbImage& picture)>& on_frame);
// The same, keeping every composited picture (for short animations).
[[nodiscard]] std::string read_gif_file(const std::string& path, GifAnimation& animation,
                                        std::vector<RgbImage>& pictures);
