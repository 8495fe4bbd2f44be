#include "picture/png_file.h"

#include <png.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/catalogue.h"
#include "platform/replacing_file.h"

namespace {

std::string cannot_write(const std::string& path, const std::string& why) {
  return format_text(tr(Msg::picture_cannot_write), path.c_str(), why.c_str());
}

}  // namespace

std::string write_png_file(const std::string& path, int width, int height,
                           const unsigned char* pixels, std::size_t row_bytes) {
  PngWriter writer;
  if (std::string error = writer.open(path); !error.empty()) return error;
  return writer.write(width, height, pixels, row_bytes);
}

std::string PngWriter::open(const std::string& path) {
  path_ = path;
  return file_.create(path);
}

std::string PngWriter::write(int width, int height, const unsigned char* pixels,
                             std::size_t row_bytes) {
  const std::string& path = path_;
  if (!file_.is_open()) return cannot_write(path, tr(Msg::picture_no_file_open));
  const std::size_t packed = 3 * static_cast<std::size_t>(width > 0 ? width : 0);
  if (row_bytes == 0) row_bytes = packed;
  if (width <= 0 || height <= 0 || !pixels || row_bytes < packed ||
      row_bytes > static_cast<std::size_t>(std::numeric_limits<png_int_32>::max())) {
    file_.discard();
    return cannot_write(path, format_text(tr(Msg::picture_bad_size), width, height));
  }

  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  // A negative stride tells libpng that the bottom row comes first in memory, as OpenGL
  // reads it back; the file gets the rows top first.
  errno = 0;
  if (!png_image_write_to_stdio(&image, file_.stream(), 0, pixels,
                                -static_cast<png_int_32>(row_bytes), nullptr)) {
    const int err = errno;
    std::string why = image.message;
    if (err) why += std::string(" (") + std::strerror(err) + ")";
    png_image_free(&image);
    file_.discard();
    return cannot_write(path, why);
  }
  return file_.commit();
}

namespace {

// Why a read failed: libpng's reason, for the file at path or, with none, for the bytes in
// memory. Frees the image.
std::string read_failure(png_image& image, const std::string* path) {
  const std::string why = image.message;
  png_image_free(&image);
  return path ? format_text(tr(Msg::picture_cannot_read), path->c_str(), why.c_str())
              : format_text(tr(Msg::png_memory_unreadable), why.c_str());
}

// The second half of a read begun on `image`: the pixels as 8-bit RGB, top row first.
std::string finish_read(png_image& image, const std::string* path, RgbImage& result) {
  image.format = PNG_FORMAT_RGB;
  RgbImage read;
  read.width = static_cast<int>(image.width);
  read.height = static_cast<int>(image.height);
  read.rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, read.rgb.data(), 0, nullptr)) {
    return read_failure(image, path);
  }
  result = std::move(read);
  return {};
}

}  // namespace

std::string read_png_file(const std::string& path, RgbImage& result) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return read_failure(image, &path);
  return finish_read(image, &path, result);
}

std::string read_png_bytes(const void* bytes, std::size_t size, RgbImage& result) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes, size)) return read_failure(image, nullptr);
  return finish_read(image, nullptr, result);
}
