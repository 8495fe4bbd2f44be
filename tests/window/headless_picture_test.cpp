// A picture drawn with no display is the picture drawn on the X display, pixel for pixel:
// the same renderer, the same software rasteriser, one through EGL, one through GLX.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gui_support/gui_window.h"
#include "picture/png_file.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace {

TEST(HeadlessPicture, SamePixelsAsOnTheXDisplay) {
  ensure_window();  // takes the display of the fixture
  const char* display = std::getenv("DISPLAY");
  ASSERT_NE(display, nullptr);
  TempDir dir;
  const std::vector<std::string> scenario = {"--path", "11",     "--error", "1",      "3",
                                             "-2",     "--step", "200",     "--type", "2"};
  // The GL driver keeps memory until the program ends: no leak check for the drawing runs
  // (under the sanitizers).
  const auto draw = [&](const std::string& file, std::vector<std::string> environment) {
    environment.push_back("ASAN_OPTIONS=detect_leaks=0");
    std::vector<std::string> args = scenario;
    args.insert(args.end(), {"--png", file, "--size", "1000x700"});
    const ProgramRun run = run_program(AGV_EXPORT_EXE, "", dir.path(), 60, environment, args);
    EXPECT_EQ(run.exit_code(), 0) << run.err;
    RgbImage image;
    EXPECT_EQ(read_png_file(dir.path() + "/" + file, image), "");
    return image;
  };
  const RgbImage on_x = draw("x.png", {std::string("DISPLAY=") + display});
  const RgbImage headless = draw("headless.png", {});
  ASSERT_EQ(on_x.width, 1000);
  EXPECT_EQ(headless.width, on_x.width);
  EXPECT_EQ(headless.height, on_x.height);
  EXPECT_TRUE(headless.rgb == on_x.rgb);
}

}  // namespace
