// Pictures of the window ('p', 'g') and of agvsim-export (--png, --gif): the window's own
// pixels, the GIF's frames and delays, and the requests that are refused.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/app_state.h"
#include "app/keys.h"
#include "app/picture_export.h"
#include "control/command_line.h"
#include "e2e/export_process.h"
#include "gui_support/frame_pixels.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"
#include "picture/gif_file.h"
#include "picture/png_file.h"
#include "support/committed_tables.h"
#include "support/scripted_console.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// The window's last frame, top row first as the file readers give it.
RgbImage window_pixels() {
  const Picture& f = capture_frame();
  RgbImage image{frame_size, frame_size, {}};
  for (int y = frame_size - 1; y >= 0; --y) {
    for (int x = 0; x < frame_size; ++x) {
      const Rgb p = f.at(x, y);
      image.rgb.insert(image.rgb.end(), {p.r, p.g, p.b});
    }
  }
  return image;
}

RgbImage read_png(const std::string& path) {
  RgbImage image;
  EXPECT_EQ(read_png_file(path, image), "") << path;
  return image;
}

// Pixels that differ (all of them when the sizes differ), so that a failure says how much.
long differing(const RgbImage& a, const RgbImage& b) {
  if (a.width != b.width || a.height != b.height) return static_cast<long>(a.width) * a.height;
  long n = 0;
  for (std::size_t i = 0; i < a.rgb.size(); i += 3) {
    n += a.rgb[i] != b.rgb[i] || a.rgb[i + 1] != b.rgb[i + 1] || a.rgb[i + 2] != b.rgb[i + 2];
  }
  return n;
}

// The exporter as on a machine without a display: DISPLAY unset, `variable` (NAME=VALUE)
// set when given.
ExportRun run_without_display(const std::vector<std::string>& args,
                              const std::string& variable = "") {
  const char* const set = std::getenv("DISPLAY");
  const std::string display = set ? set : "";
  unsetenv("DISPLAY");
  const std::string name = variable.substr(0, variable.find('='));
  if (!variable.empty()) setenv(name.c_str(), variable.substr(name.size() + 1).c_str(), 1);
  const ExportRun run = run_export_program(args);
  if (!variable.empty()) unsetenv(name.c_str());
  if (set) setenv("DISPLAY", display.c_str(), 1);
  return run;
}

bool ascii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

Scenario scenario_of(std::vector<const char*> args) {
  args.insert(args.begin(), "agvsim-export");
  CommandLine line;
  std::string error;
  EXPECT_TRUE(parse_command_line(static_cast<int>(args.size()), args.data(), &line, &error));
  return command_line_scenario(line);
}

// The window in a temporary working directory, showing the cosine with a rear wheel error
// of 3 % and -2 % as after its computation, type 2DW1C.
class PicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_window();
    reset_gui_state();
    app.tables = committed_tables();
    ASSERT_TRUE(app_run_scenario(app, scenario_of({"--error", "1", "3", "-2"})));
    fs::current_path(folder_.path());
  }
  void TearDown() override { fs::current_path(home_); }

  ScriptedConsole console_;
  TempDir folder_;
  fs::path home_ = fs::current_path();
};

TEST_F(PicturesTest, PngOfTheWindowAndOfTheExportHoldTheWindowsPixels) {
  app.step = 100;
  on_display(app);
  const RgbImage shown = window_pixels();
  on_key(app, 'p');
  on_key(app, 'p');  // the name exists now: a counter is added
  EXPECT_EQ(differing(read_png("agvsim-1-1-t1-100.png"), shown), 0);
  EXPECT_TRUE(fs::exists("agvsim-1-1-t1-100-2.png"));
  EXPECT_NE(console_.output().find("agvsim-1-1-t1-100-2.png"), std::string::npos);

  const ExportRun run = run_export_program(
      {"--error", "1", "3", "-2", "--type", "1", "--step", "100", "--png", "export.png"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(differing(read_png("export.png"), shown), 0);
}

// Without a display the context is made without one (EGL): the same renderer, the same
// pixels, also where the display named cannot be opened.
TEST_F(PicturesTest, ExportWithoutADisplayHoldsTheWindowsPixels) {
  app.step = 100;
  on_display(app);
  const RgbImage shown = window_pixels();
  const std::vector<std::string> args = {"--error", "1",      "3",   "-2",    "--type",
                                         "1",       "--step", "100", "--png", "headless.png"};
  const ExportRun run = run_without_display(args);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(differing(read_png("headless.png"), shown), 0);
  std::vector<std::string> unreachable = args;
  unreachable.back() = "unreachable.png";
  ASSERT_EQ(run_without_display(unreachable, "DISPLAY=:4711").status, 0);
  EXPECT_EQ(differing(read_png("unreachable.png"), shown), 0);
}

TEST_F(PicturesTest, GifRecordingHoldsTheWindowsFramesWithoutItsMarker) {
  const auto marker_pixels = [] { return count_in(capture_frame(), red, 700, 0, 799, 20); };
  on_key(app, 'g');
  EXPECT_GT(marker_pixels(), 0);
  on_key(app, 's');
  on_key(app, 's');
  on_key(app, 'g');
  EXPECT_EQ(marker_pixels(), 0);
  const RgbImage last = window_pixels();

  GifAnimation gif;
  std::vector<RgbImage> frames;
  ASSERT_EQ(read_gif_file("agvsim-1-1-t1-0.gif", gif, frames), "");
  ASSERT_EQ(frames.size(), 3u);  // steps 0, 3, 6, each 0.06 s apart; the last held 2 s
  EXPECT_EQ(gif.frames[0].delay_cs, 6);
  EXPECT_EQ(gif.frames[1].delay_cs, 6);
  EXPECT_EQ(gif.frames[2].delay_cs, 200);
  EXPECT_EQ(differing(frames[2], last), 0);
}

// --view compare: the frame names the three mechanisms, each with what the error does.
TEST_F(PicturesTest, ExportedFrameOfTheThreeTypesSideBySide) {
  const ExportRun run = run_export_program({"--lang", "en", "--path", "11", "--error", "3", "1",
                                            "--view", "compare", "--frame", "f.json"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::ifstream in("f.json");
  const std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const char* t : {"\"(1) 2DW1C\"", "\"(2) 1FDW1FS\"", "\"(3) 1RDW1FS\"",
                        "\"the error does not act here\"", "\"name\":\"compare\""}) {
    EXPECT_NE(json.find(t), std::string::npos) << t;
  }
}

// The default cosine of type 1: every second record (50 a second, at most 25 frames a
// second) and the last, in real time; the last frame is the PNG of the end.
TEST_F(PicturesTest, ExportedGifPlaysEveryShownStepInRealTimeAndEndsAtTheEnd) {
  const Scenario scenario = scenario_of({});
  auto ws = std::make_unique<Workspace>();
  ASSERT_EQ(compute(scenario, committed_tables(), *ws).refusal, Refusal::none);
  const int last = ws->store.traj_last[0];
  const std::vector<int> steps = gif_steps(last, scenario.vehicle.dt_sim, 25.0);
  ASSERT_EQ(steps[1], 2);

  ASSERT_EQ(run_export_program({"--gif", "cosine.gif"}).status, 0);
  ASSERT_EQ(run_export_program({"--png", "end.png", "--step", "end"}).status, 0);
  GifAnimation gif;
  RgbImage final_frame;
  ASSERT_EQ(read_gif_file("cosine.gif", gif,
                          [&](int, const RgbImage& picture) { final_frame = picture; }),
            "");
  ASSERT_EQ(gif.frames.size(), steps.size());
  EXPECT_EQ(gif.width, 800);
  EXPECT_EQ(gif.loop_count, 0);
  // The delays add up to the motion time and the 2 s the end is held; a step closer to the
  // last record than the shortest delay makes the end's hold as much shorter.
  long long total_cs = 0;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (i + 2 < steps.size()) {
      EXPECT_EQ(gif.frames[i].delay_cs, 4) << i;
    }
    total_cs += gif.frames[i].delay_cs;
  }
  EXPECT_EQ(total_cs, std::llround(ws->store.traj_tend[0] * 100.0) + 200);
  EXPECT_GE(gif.frames.back().delay_cs, 198);
  EXPECT_EQ(differing(final_frame, read_png("end.png")), 0);
}

TEST_F(PicturesTest, BadRequestsAndRefusedScenariosWriteNoFile) {
  const struct {
    std::vector<std::string> args;
    int status;
    const char* message;
  } cases[] = {
      {{"--png", "no/such/folder/a.png"}, 2, "no/such/folder"},
      {{"--png", "a.png", "--type", "4"}, 2, "no AGV type '4'"},
      {{"--png", "a.png", "--type", "all"}, 2, "--type all is for --gif"},
      {{"--gif", "a.gif", "--size", "800x8"}, 2, "bad size '800x8'"},
      {{"--gif", "a.gif", "--fps", "0"}, 2, "--fps 0 is not above 0"},
      {{"--step", "3"}, 2, "go with --png, --gif or --frame"},
      {{"--gif", "a.gif", "--const", "cosine_L=5", "--const", "cosine_n=20"}, 3, "nothing written"},
  };
  for (const auto& c : cases) {
    const ExportRun run = run_export_program(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[1];
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_TRUE(fs::is_empty("."));  // no picture, no temporary file left behind

  // Neither a display nor EGL's driver (the vendor list of the EGL dispatcher made empty).
  const ExportRun no_opengl = run_without_display(
      {"--lang", "en", "--png", "a.png"}, "__EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent.json");
  EXPECT_EQ(no_opengl.status, 2);
  EXPECT_NE(no_opengl.err.find("no display (DISPLAY is not set)"), std::string::npos);
  EXPECT_NE(no_opengl.err.find("libegl-mesa0"), std::string::npos) << no_opengl.err;
  EXPECT_TRUE(ascii(no_opengl.err)) << no_opengl.err;
  EXPECT_TRUE(fs::is_empty("."));

  // The picture files' own failures (a full disk), in English only.
  for (const char* option : {"--png", "--gif"}) {
    const ExportRun full = run_export_program({"--lang", "en", option, "/dev/full"});
    EXPECT_EQ(full.status, 1) << option;
    EXPECT_NE(full.err.find("cannot write /dev/full"), std::string::npos) << full.err;
    EXPECT_TRUE(ascii(full.err)) << full.err;
  }

  // A step past the end is drawn at the end, and said so.
  const ExportRun past = run_export_program({"--png", "past.png", "--step", "99999"});
  EXPECT_EQ(past.status, 0);
  EXPECT_NE(past.err.find("past the end"), std::string::npos) << past.err;
  ASSERT_EQ(run_export_program({"--png", "end.png"}).status, 0);
  EXPECT_EQ(differing(read_png("past.png"), read_png("end.png")), 0);
}

}  // namespace
