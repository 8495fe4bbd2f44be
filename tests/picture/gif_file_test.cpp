// Animated GIF files: exact colours and composited frames, changed rectangles, merged
// unchanged frames, palettes, refusals, and the size of a 15 s motion.
#include "picture/gif_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "picture_test_folder.h"

namespace {

// A frame as OpenGL reads it back (bottom row first, tightly packed), drawn with
// coordinates counted from the top like the file's.
struct Frame {
  int width, height;
  std::vector<unsigned char> rows;
  Frame(int w, int h, std::uint32_t colour) : width(w), height(h), rows(3 * w * h) {
    fill(0, 0, w, h, colour);
  }
  void set(int x, int y, std::uint32_t colour) {
    unsigned char* p = &rows[3 * ((height - 1 - y) * width + x)];
    p[0] = colour >> 16, p[1] = colour >> 8, p[2] = colour;
  }
  void fill(int x0, int y0, int w, int h, std::uint32_t colour) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) set(x, y, colour);
  }
  // The same pixels top row first, as the reader gives them.
  std::vector<unsigned char> top_first() const {
    std::vector<unsigned char> out(rows.size());
    const std::size_t row = 3 * width;
    for (int y = 0; y < height; ++y) {
      std::copy_n(&rows[(height - 1 - y) * row], row, &out[y * row]);
    }
    return out;
  }
};

constexpr std::uint32_t white = 0xffffff, black = 0x000000, red = 0xff0000, blue = 0x0000ff,
                        grey = 0xc8c8c8;

std::string write_gif(const std::string& path, const std::vector<Frame>& frames,
                      const std::vector<int>& delays) {
  GifWriter gif;
  std::string error = gif.open(path, frames[0].width, frames[0].height);
  for (std::size_t i = 0; error.empty() && i < frames.size(); ++i) {
    error = gif.add_frame(frames[i].rows.data(), delays[i]);
  }
  return error.empty() ? gif.finish() : error;
}

TEST(GifFile, FewColourFramesRoundTripExactlyWithSmallChangedRectangles) {
  TestFolder folder;
  Frame a(9, 7, white);
  a.fill(0, 3, 9, 1, grey);
  a.fill(4, 0, 1, 7, grey);
  a.set(8, 6, black);
  Frame b = a;  // a 2x2 patch changes
  b.fill(2, 1, 2, 2, red);
  Frame d = b;  // two far corners change
  d.set(0, 0, blue);
  d.set(8, 6, blue);
  const std::string path = folder.file("motion.gif");
  ASSERT_EQ(write_gif(path, {a, b, b, d}, {10, 20, 7, 30}), "");

  GifAnimation gif;
  std::vector<RgbImage> pictures;
  ASSERT_EQ(read_gif_file(path, gif, pictures), "");
  EXPECT_EQ(gif.width, 9);
  EXPECT_EQ(gif.height, 7);
  EXPECT_EQ(gif.loop_count, 0);
  EXPECT_TRUE(gif.global_palette);
  ASSERT_EQ(gif.frames.size(), 3u);  // the repeated frame lengthens the one before
  ASSERT_EQ(pictures.size(), 3u);
  const Frame* expected[] = {&a, &b, &d};
  const int delays[] = {10, 27, 30};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pictures[i].rgb, expected[i]->top_first()) << "frame " << i;
    EXPECT_EQ(gif.frames[i].delay_cs, delays[i]);
    EXPECT_EQ(gif.frames[i].disposal, 1) << "do not dispose";
    EXPECT_FALSE(gif.frames[i].local_palette);
  }
  const GifFrameInfo& patch = gif.frames[1];
  EXPECT_EQ((std::vector{patch.left, patch.top, patch.width, patch.height}),
            (std::vector{2, 1, 2, 2}));
  const GifFrameInfo& corners = gif.frames[2];
  EXPECT_EQ((std::vector{corners.left, corners.top, corners.width, corners.height}),
            (std::vector{0, 0, 9, 7}));
  EXPECT_EQ(folder.names(), std::set<std::string>{"motion.gif"});
}

// 200 shades of one channel: 0xRRGGBB with the shade shifted into place.
Frame shades(int shift) {
  Frame f(20, 10, white);
  for (int i = 0; i < 200; ++i) f.set(i % 20, i / 20, static_cast<std::uint32_t>(i) << shift);
  return f;
}

TEST(GifFile, MoreThan256ColoursInAllFramesGetAPalettePerFrame) {
  TestFolder folder;
  const Frame reds = shades(16), greens = shades(8);
  const std::string path = folder.file("many.gif");
  ASSERT_EQ(write_gif(path, {reds, greens}, {5, 5}), "");
  GifAnimation gif;
  std::vector<RgbImage> pictures;
  ASSERT_EQ(read_gif_file(path, gif, pictures), "");
  EXPECT_FALSE(gif.global_palette);
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[0].rgb, reds.top_first());
  EXPECT_EQ(pictures[1].rgb, greens.top_first());
  EXPECT_TRUE(gif.frames[0].local_palette && gif.frames[1].local_palette);
}

// 256 colours change and a pixel keeps its colour: no room for the transparent entry, so the
// rectangle is stored with its own colours only.
TEST(GifFile, ChangedColoursFillingThePaletteAreStoredWithoutTransparency) {
  TestFolder folder;
  Frame before(20, 20, white);
  before.set(0, 0, black);
  Frame after = before;  // (0, 0) stays black; black and 255 blues appear around it
  for (int i = 1; i < 17 * 16; ++i) after.set(i % 17, i / 17, i < 256 ? i : black);
  const std::string path = folder.file("full.gif");
  ASSERT_EQ(write_gif(path, {before, after}, {5, 5}), "");
  GifAnimation gif;
  std::vector<RgbImage> pictures;
  ASSERT_EQ(read_gif_file(path, gif, pictures), "");
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[1].rgb, after.top_first());
}

// A rectangle of more than 256 colours (antialiased text) gets the palette that represents
// it best; pixels come back close to their colours, unchanged ones as they were.
TEST(GifFile, MoreThan256ColoursInOneRectangleAreReducedToAPalette) {
  TestFolder folder;
  Frame colourful(20, 20, white);
  for (int i = 0; i < 380; ++i)
    colourful.set(i % 20, i / 20, static_cast<std::uint32_t>(i * 0x020101));
  const std::string path = folder.file("many.gif");
  ASSERT_EQ(write_gif(path, {Frame(20, 20, white), colourful}, {5, 5}), "");
  GifAnimation gif;
  std::vector<RgbImage> pictures;
  ASSERT_EQ(read_gif_file(path, gif, pictures), "");
  ASSERT_EQ(pictures.size(), 2u);
  const std::vector<unsigned char> want = colourful.top_first();
  int worst = 0;
  for (std::size_t k = 0; k < want.size(); ++k) {
    worst = std::max(worst, std::abs(int{pictures[1].rgb[k]} - int{want[k]}));
  }
  EXPECT_LE(worst, 12);
  EXPECT_EQ(std::vector<unsigned char>(pictures[1].rgb.end() - 60, pictures[1].rgb.end()),
            std::vector<unsigned char>(want.end() - 60, want.end()));  // white stays white
}

TEST(GifFile, RefusalsAndFailedWritesLeaveTheOldFileUnchanged) {
  TestFolder folder;
  const std::string target = folder.file("a.gif");
  write_text(target, "old animation");
  GifWriter gif;
  EXPECT_NE(gif.open(folder.file("missing/a.gif"), 20, 20).find(folder.file("missing")),
            std::string::npos);
  EXPECT_NE(gif.add_frame(Frame(20, 20, white).rows.data(), 4), "") << "nothing is open";

  ASSERT_EQ(gif.open(target, 20, 20), "");
  EXPECT_NE(gif.add_frame(Frame(20, 20, white).rows.data(), 65536), "");
  EXPECT_NE(gif.finish(), "");

  // The disk fills up while the file is written.
  Frame noise(64, 64, white);
  for (int i = 0; i < 64 * 64; ++i) noise.set(i % 64, i / 64, (i * 2654435761u >> 24) * 0x010101);
  ASSERT_EQ(gif.open(target, 64, 64), "");
  ASSERT_EQ(gif.add_frame(noise.rows.data(), 4), "");
  {
    FileSizeLimit disk_full(500);
    const std::string full = gif.finish();
    EXPECT_NE(full.find(target), std::string::npos) << full;
  }
  EXPECT_FALSE(gif.is_open());
  EXPECT_EQ(read_text(target), "old animation");
  EXPECT_EQ(folder.names(), std::set<std::string>{"a.gif"});
}

// The stand-in for a recorded motion: an 800x800 window with a grid, a 24x12 vehicle that
// moves every frame and the red trail of its centre.
void draw_motion(Frame& f, int step) {
  const auto centre = [](int t) {
    return std::pair{40 + t * 9 / 5, 400 - static_cast<int>(std::lround(250 * std::sin(t / 60.0)))};
  };
  if (step == 0) {
    f.fill(0, 0, 800, 800, white);
    for (int i = 0; i < 800; i += 40) f.fill(i, 0, 1, 800, grey), f.fill(0, i, 800, 1, grey);
    f.fill(0, 400, 800, 1, black);
  } else {
    const auto [x, y] = centre(step - 1);  // where the vehicle was
    f.fill(x - 12, y - 6, 24, 12, white);
    for (int t = 0; t < step; ++t) f.fill(centre(t).first, centre(t).second, 2, 2, red);
  }
  const auto [x, y] = centre(step);
  f.fill(x - 12, y - 6, 24, 12, blue);
}

TEST(GifFile, FifteenSecondsAt25FramesPerSecondStayUnderTwoMegabytes) {
  TestFolder folder;
  const std::string path = folder.file("motion.gif");
  const int frames = 375;
  Frame f(800, 800, white);
  GifWriter gif;
  ASSERT_EQ(gif.open(path, 800, 800), "");
  std::chrono::duration<double> encoding{0};
  std::size_t memory = 0;
  for (int step = 0; step < frames; ++step) {
    draw_motion(f, step);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(gif.add_frame(f.rows.data(), 4), "");
    encoding += std::chrono::steady_clock::now() - start;
  }
  memory = gif.memory_bytes();
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(gif.finish(), "");
  encoding += std::chrono::steady_clock::now() - start;
  const auto bytes = std::filesystem::file_size(path);
  std::printf("375 frames of 800x800: %ju bytes, %.3f s to encode, %zu bytes held\n",
              static_cast<std::uintmax_t>(bytes), encoding.count(), memory);
  EXPECT_LT(bytes, 2'000'000u);
  EXPECT_LT(memory, 8'000'000u);

  // Every composited frame equals the frame that was drawn.
  GifAnimation animation;
  Frame again(800, 800, white);
  int mismatches = 0;
  ASSERT_EQ(read_gif_file(path, animation,
                          [&](int index, const RgbImage& picture) {
                            draw_motion(again, index);
                            mismatches += picture.rgb != again.top_first();
                          }),
            "");
  EXPECT_EQ(animation.frames.size(), static_cast<std::size_t>(frames));
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
