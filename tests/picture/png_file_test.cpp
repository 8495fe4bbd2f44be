// PNG files: orientation and row padding of OpenGL's read-back, and writes that fail
// without leaving anything behind or touching an existing file.
#include "picture/png_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "picture_test_folder.h"

namespace {

TEST(PngFile, OddSizedPictureReadsBackUprightWithOrWithoutRowPadding) {
  TestFolder folder;
  const int w = 7, h = 5;
  // OpenGL's default pack alignment pads each 21-byte row to 24; the padding must be skipped.
  const std::size_t stride = gl_rgb_row_bytes(w);
  ASSERT_EQ(stride, 24u);
  std::vector<unsigned char> padded(stride * h, 0xEE);
  std::vector<unsigned char> packed(3 * w * h);
  for (int gl_row = 0; gl_row < h; ++gl_row) {  // gl_row 0 is the bottom row
    for (int x = 0; x < w; ++x) {
      const unsigned char pixel[3] = {static_cast<unsigned char>(30 * x),
                                      static_cast<unsigned char>(50 * gl_row),
                                      static_cast<unsigned char>(200 + x + gl_row)};
      std::copy(pixel, pixel + 3, &padded[gl_row * stride + 3 * x]);
      std::copy(pixel, pixel + 3, &packed[(gl_row * w + x) * 3]);
    }
  }
  ASSERT_EQ(write_png_file(folder.file("padded.png"), w, h, padded.data(), stride), "");
  ASSERT_EQ(write_png_file(folder.file("packed.png"), w, h, packed.data()), "");

  RgbImage image;
  ASSERT_EQ(read_png_file(folder.file("padded.png"), image), "");
  ASSERT_EQ(image.width, w);
  ASSERT_EQ(image.height, h);
  for (int y = 0; y < h; ++y) {  // y 0 is the top row of the file
    for (int x = 0; x < w; ++x) {
      const unsigned char* expected = &packed[((h - 1 - y) * w + x) * 3];
      EXPECT_TRUE(std::equal(expected, expected + 3, image.at(x, y))) << x << "," << y;
    }
  }
  RgbImage from_packed;
  ASSERT_EQ(read_png_file(folder.file("packed.png"), from_packed), "");
  EXPECT_EQ(from_packed.rgb, image.rgb);
  EXPECT_EQ(folder.names(), (std::set<std::string>{"packed.png", "padded.png"}));
}

TEST(PngFile, FailedWritesLeaveNothingBehindAndTheOldFileUnchanged) {
  TestFolder folder;
  std::vector<unsigned char> noise(3 * 64 * 64);
  unsigned state = 12345;
  for (unsigned char& byte : noise)
    byte = static_cast<unsigned char>((state = state * 1103515245 + 12345) >> 16);

  const std::string error = write_png_file(folder.file("missing/a.png"), 64, 64, noise.data());
  EXPECT_NE(error.find(folder.file("missing")), std::string::npos) << error;
  EXPECT_TRUE(folder.names().empty());

  const std::string target = folder.file("a.png");
  write_text(target, "old picture");
  {
    FileSizeLimit disk_full(500);  // the noise compresses to about 12 kB
    const std::string full = write_png_file(target, 64, 64, noise.data());
    EXPECT_NE(full.find(target), std::string::npos) << full;
  }
  EXPECT_NE(write_png_file(target, 0, 64, noise.data()), "");
  EXPECT_NE(write_png_file(target, 64, 64, noise.data(), 3 * 64 - 1), "");
  EXPECT_EQ(read_text(target), "old picture");
  EXPECT_EQ(folder.names(), std::set<std::string>{"a.png"});
}

}  // namespace
