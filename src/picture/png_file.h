#pragma once

#include <cstddef>
#include <string>

#include "picture/rgb_image.h"
#include "platform/replacing_file.h"

// PNG files of RGB pictures with 8 bits per channel (libpng).
//
// Writes width x height pixels laid out as glReadPixels(GL_RGB, GL_UNSIGNED_BYTE) returns
// them (bottom row first, see rgb_image.h; row_bytes 0 = tightly packed) to path; the file
// shows the picture upright. The file is written beside path under a temporary name and
// renamed over path only when complete: on any failure the temporary file is removed and an
// existing file at path is left as it was. Returns an empty string when written, otherwise
// the reason in the language of the process (platform/catalogue.h).
[[nodiscard]] std::string write_png_file(const std::string& path, int width, int height,
                                         const unsigned char* pixels, std::size_t row_bytes = 0);

// The same in two steps, so that a file that cannot be created is told before the picture
// is drawn: open() creates the temporary file beside path, write() writes the picture into
// it and replaces path. A writer that is not written removes its temporary file.
class PngWriter {
 public:
  [[nodiscard]] std::string open(const std::string& path);
  [[nodiscard]] std::string write(int width, int height, const unsigned char* pixels,
                                  std::size_t row_bytes = 0);

 private:
  ReplacingFile file_;
  std::string path_;
};

// Reads a PNG file as 8-bit RGB, the top row first (any colour type is converted; alpha is
// dropped). Returns an empty string on success, otherwise the reason.
[[nodiscard]] std::string read_png_file(const std::string& path, RgbImage& image);

// The same for a PNG file held in memory (size bytes at `bytes`).
[[nodiscard]] std::string read_png_bytes(const void* bytes, std::size_t size, RgbImage& image);
