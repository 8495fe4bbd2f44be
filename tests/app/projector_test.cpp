// The projector style: a frame that fills a window of any shape, texts that grow with it,
// the style and language keys, and the exporter's --style and --lang.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/app_state.h"
#include "app/keys.h"
#include "control/command_line.h"
#include "display/projector_frame.h"
#include "e2e/export_process.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"
#include "picture/png_file.h"
#include "platform/scalable_font.h"
#include "support/committed_tables.h"
#include "support/scripted_console.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

Scenario ellipse_with_rear_wheel_error() {
  const char* args[] = {"agvsim", "--path", "11", "--error", "1", "3", "-2"};
  CommandLine line;
  std::string error;
  EXPECT_TRUE(parse_command_line(7, args, &line, &error)) << error;
  return command_line_scenario(line);
}

class ProjectorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_window();
    reset_gui_state();
    app.tables = committed_tables();
    ASSERT_TRUE(app_run_scenario(app, ellipse_with_rear_wheel_error()));
  }
  void TearDown() override {
    app.style = FrameStyle::classic;
    app.language = Language::ja;
  }

  // The frame of the window at a size, in the projector style.
  const DrawList& frame_at(int width, int height) {
    app_reshape(app, width, height);
    app.style = FrameStyle::projector;
    reset_view(app);
    compose_frame(list_, app_frame(app));
    return list_;
  }

  ScriptedConsole console_;
  DrawList list_;
};

// Every text at least 2 % of the window's height (the status line 3 %), 20 pixels from
// 720 on; and 'f' fits the motion to at least 80 % of the top view one way or the other.
TEST_F(ProjectorTest, TextsGrowWithTheWindowAndTheMotionFillsTheTopView) {
  app.step = app.workspace->store.traj_last[type_index(app.agv_type)];  // the whole trail
  for (const auto& [w, h] : {std::pair{1920, 1080}, {1280, 720}, {1024, 768}, {1280, 800}}) {
    const DrawList& list = frame_at(w, h);
    for (const DrawCmd& c : list.commands()) {
      if (c.kind != DrawKind::text) continue;
      ASSERT_TRUE(c.font.is_scalable());
      EXPECT_GE(c.font.px, std::max(0.02 * h, h >= 720 ? 20.0 : 0.0)) << list.text_of(c);
    }
    const DrawPart* status = list.part(PartId::status);
    ASSERT_NE(status, nullptr);
    EXPECT_GE(list.commands()[status->first + status->count - 1].font.px, 0.03 * h);

    Box trails{1e9, 1e9, -1e9, -1e9};
    for (const PartId id : {PartId::red_trail, PartId::blue_trail}) {
      const DrawPart* p = list.part(id);
      for (int i = p->first; i < p->first + p->count; ++i) {
        const DrawCmd& c = list.commands()[i];
        for (int j = 0; j < c.count; ++j) {
          const point2d v = list.vertices(c)[j];
          trails = {std::min(trails.x0, v.x), std::min(trails.y0, v.y), std::max(trails.x1, v.x),
                    std::max(trails.y1, v.y)};
        }
      }
    }
    const Box top = projector_top_view(w, h);
    const double across = (trails.x1 - trails.x0) / (top.x1 - top.x0);
    const double up = (trails.y1 - trails.y0) / (top.y1 - top.y0);
    EXPECT_GE(std::max(across, up), 0.8) << w << "x" << h;
  }
}

// A long line (the WheelBase/Tread error, the status line) in a window no wider than it is
// high stays inside the window, in both languages.
TEST_F(ProjectorTest, LongLinesStayInsideANarrowWindow) {
  Scenario geometry = ellipse_with_rear_wheel_error();
  geometry.error = {ErrorKind::geometry, {5.0, 10.0}};
  ASSERT_TRUE(app_run_scenario(app, geometry));
  for (const Language language : {Language::ja, Language::en}) {
    app.language = language;
    const DrawList& list = frame_at(1000, 1000);
    for (const DrawCmd& c : list.commands()) {
      if (c.kind != DrawKind::text) continue;
      const double right = c.origin.x + scalable_text_width(list.text_of(c), c.font.px) / 500.0;
      EXPECT_LE(right, list.half_width() + 1e-9) << list.text_of(c);
    }
  }
}

// 'v' changes the style, 'l' the language of the window's texts; both come back.
TEST_F(ProjectorTest, StyleAndLanguageKeys) {
  app.language = Language::ja;
  on_key(app, 'v');
  EXPECT_EQ(app.style, FrameStyle::projector);
  const auto deviation_text = [&] {
    compose_frame(list_, app_frame(app));
    const DrawPart* status = list_.part(PartId::status);
    return std::string(list_.text_of(list_.commands()[status->first + status->count - 1]));
  };
  const std::string japanese = deviation_text();
  on_key(app, 'l');
  EXPECT_EQ(app.language, Language::en);
  EXPECT_NE(deviation_text(), japanese);
  on_key(app, 'l');
  on_key(app, 'v');
  EXPECT_EQ(app.language, Language::ja);
  EXPECT_EQ(app.style, FrameStyle::classic);
}

// A 16:9 picture of the exporter without a display: the drawing spans the picture, the
// English one differs from the Japanese one, whose draw list holds Japanese text.
TEST(ProjectorExport, FillsA16By9PictureInEitherLanguage) {
  TempDir folder;
  const std::vector<std::string> scenario = {
      "--path", "11", "--error", "1", "3", "-2", "--size", "1920x1080", "--style", "projector"};
  const auto run = [&](const char* lang, const std::string& option, const std::string& file) {
    std::vector<std::string> args = scenario;
    args.insert(args.end(), {"--lang", lang, option, (fs::path(folder.path()) / file).string()});
    return run_export_program(args).status;
  };
  ASSERT_EQ(run("ja", "--png", "ja.png"), 0);
  ASSERT_EQ(run("en", "--png", "en.png"), 0);
  ASSERT_EQ(run("ja", "--frame", "ja.json"), 0);
  RgbImage ja;
  RgbImage en;
  ASSERT_EQ(read_png_file((fs::path(folder.path()) / "ja.png").string(), ja), "");
  ASSERT_EQ(read_png_file((fs::path(folder.path()) / "en.png").string(), en), "");
  int x0 = ja.width, y0 = ja.height, x1 = -1, y1 = -1;
  for (int y = 0; y < ja.height; ++y) {
    for (int x = 0; x < ja.width; ++x) {
      const unsigned char* p = &ja.rgb[3 * (static_cast<std::size_t>(y) * ja.width + x)];
      if (p[0] == 255 && p[1] == 255 && p[2] == 255) continue;
      x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
  }
  EXPECT_GE(x1 - x0 + 1, 0.9 * 1920);
  EXPECT_GE(y1 - y0 + 1, 0.85 * 1080);
  EXPECT_NE(ja.rgb, en.rgb);
  std::ifstream json(fs::path(folder.path()) / "ja.json");
  std::stringstream text;
  text << json.rdbuf();
  EXPECT_NE(text.str().find("楕円"), std::string::npos);
}

}  // namespace
