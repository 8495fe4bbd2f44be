// The real agvsim under X, as a lecturer and a student use it: keys sent to its window,
// screenshots checked at pixels computed from the geometry, the console dialogue again
// after 'e', playback in real time, 'f', other window sizes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "gui_support/x_program.h"
#include "support/temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;

void pause_ms(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool is_black(const Shot& s, int x, int y) {
  const Rgb p = s.at(x, y);
  return p.r < 60 && p.g < 60 && p.b < 60;
}
bool is_red(const Shot& s, int x, int y) {
  const Rgb p = s.at(x, y);
  return p.r > 200 && p.g < 80 && p.b < 80;
}

// Distance from the first run of dark pixels to the next: one grid cell.
int cell(const std::vector<int>& dark) {
  for (size_t i = 1, start = 0; i < dark.size(); ++i) {
    if (dark[i] > dark[i - 1] + 1) return dark[i] - dark[start];
  }
  return -1;
}

bool ended_with(XProgram& p, int code) {
  const int status = p.wait_end();
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == code;
}

// The dialogue answered through a pipe, keys in the window, then 'e': a new computation.
TEST(WindowSession, KeysScreenshotsAndANewComputation) {
  TempDir dir;
  XProgram p(AGV_AGVSIM_EXE, {}, dir.path(), {.input_pipe = true});
  p.write_input("0n\nk");  // no error, the default cosine, any key to the window
  ASSERT_TRUE(p.wait_output("計算終了", 1)) << p.err();
  ASSERT_TRUE(p.wait_window()) << p.err();
  p.move(0, 0);  // without a window manager it may lie partly off the screen
  // Type 2, four steps of 3 records, the scene 0.05 to the left and zoomed in once.
  p.keys({"2", "s", "s", "s", "s", "x", "W"}, 60);
  const Shot keys = p.shot();
  ASSERT_EQ(keys.width, 800);
  // Scale 0.2 / 0.9 and shift -0.05: world x = m metres lies at pixel
  // ((m - 1.5) * 0.2 / 0.9 - 0.05 + 1) * 400; the y axis (2 pixels at 246.7) at 246 and 247.
  EXPECT_TRUE(is_black(keys, 246, 700) || is_black(keys, 247, 700)) << "y axis";
  EXPECT_EQ(keys.at(202, 666), white) << "inside a grid cell";
  // Right of x = 0.35 (pixel 540) the chart panel hides the grid line of x = 5 m (691).
  EXPECT_EQ(keys.at(691, 700), white) << "the chart panel hides the scene";
  EXPECT_EQ(keys.at(560, 780), white);
  // The CP path y = 0.5 (1 - cos(pi x)) crosses x = 1.5 m at y = 0.5 m: pixel (380, 400).
  EXPECT_TRUE(is_red(keys, 380, 400) || is_red(keys, 380, 399)) << "CP line";
  EXPECT_GT(keys.dark(20, 28, 150, 42), 40) << "legend's type line";
  const int legend_before = keys.dark(20, 50, 400, 64);

  // Keys pressed while the console asks are dropped (the shift would move the y axis).
  p.keys({"e"});
  ASSERT_TRUE(p.wait_output("Error Number=", 2));
  p.keys({"x", "x", "x", "2", "s", "s"});
  pause_ms(300);
  p.write_input("4\n5 10\nn\nk");  // WheelBase 5 %, Tread 10 %, the same path
  ASSERT_TRUE(p.wait_output("計算終了", 2));
  EXPECT_NE(p.out().find("ERROR=4を選択"), std::string::npos);
  pause_ms(500);
  p.keys({"0"});
  const Shot after = p.shot();
  // The legend's error line now reads "(4) WheelBase and Tread Error= ( 05, 10)%".
  EXPECT_GT(after.dark(20, 50, 400, 64), legend_before + 100);
  // The dialogue reset the scale to 0.2 and kept the shift: the y axis at pixel 260.
  EXPECT_TRUE(is_black(after, 259, 700) || is_black(after, 260, 700)) << "y axis after 'e'";

  const int session = p.pid();
  p.keys({"Escape"});
  EXPECT_TRUE(ended_with(p, 0));
  EXPECT_NE(kill(-session, 0), 0) << "processes of the session are left";
}

// A scenario on the command line opens the window at once; space plays the motion to its
// end in real time; other window sizes keep the grid square, legend and charts inside.
TEST(WindowDemo, PlaybackInRealTimeAndOtherWindowSizes) {
  TempDir dir;
  XProgram p(AGV_AGVSIM_EXE, {"--path", "1", "--error", "1", "3", "0"}, dir.path());
  ASSERT_TRUE(p.wait_window()) << p.err();
  EXPECT_EQ(p.out().find("Error Number="), std::string::npos) << "the dialogue ran";
  p.move(0, 0);
  const int h = p.shot().height;
  const Shot status_start = p.take(0, h - 36, 420, 36);
  // 146 records of type 1, 2.92 s: the status line until a second after the end.
  const Clock::time_point t0 = Clock::now();
  p.keys({"space"}, 0);
  std::vector<std::pair<double, Shot>> playing;
  for (double t = 0; t <= 4.0; t = std::chrono::duration<double>(Clock::now() - t0).count())
    playing.emplace_back(t, p.take(0, h - 36, 420, 36));
  // The same status, reached by stepping: 's' 49 times goes to the last record.
  p.keys({"0"});
  for (int i = 0; i < 7; ++i) p.keys({"s", "s", "s", "s", "s", "s", "s"}, 15);
  p.shot();
  const Shot status_end = p.take(0, h - 36, 420, 36);
  EXPECT_FALSE(status_end == status_start) << "the status line does not change with the step";
  double reached = -1;
  for (const auto& [t, s] : playing) {
    if (s == status_end) {
      reached = t;
      break;
    }
  }
  EXPECT_GE(reached, 0) << "playing never showed the end of the motion";
  EXPECT_LE(reached, 3.92) << "the end of a 2.92 s motion showed only after " << reached << " s";

  for (const auto& [w, h2] : {std::pair{1200, 600}, std::pair{640, 480}}) {
    p.resize(w, h2);
    p.keys({"0"});
    const Shot s = p.shot();
    ASSERT_EQ(s.width, w);
    ASSERT_EQ(s.height, h2);
    const int side = std::min(w, h2), x0 = (w - side) / 2, y0 = (h2 - side) / 2;
    if (x0 > 0) {
      EXPECT_EQ(s.count(white, 0, 0, x0 - 1, h2 - 1), x0 * h2) << w << ": left bar";
      EXPECT_EQ(s.count(white, x0 + side, 0, w - 1, h2 - 1), x0 * h2) << w << ": right bar";
    }
    // The world axes cross at (0, 0) m; one metre on the next grid line, as far across as up.
    const double scale = side / 2.0 * 0.2;  // pixels per metre in the default view
    const int ax = static_cast<int>(std::lround(x0 + (1 + (0 - 1.5) * 0.2) * side / 2));
    const int ay = static_cast<int>(std::lround(y0 + (1 - (0 - 0.5) * 0.2) * side / 2));
    const int row = ay + 2 * static_cast<int>(scale) / 3;
    const int col = ax - static_cast<int>(scale) / 3;
    const int dx = cell(s.dark_run(x0 + 1, row, side * 130 / 200, true));
    const int dy = cell(s.dark_run(col, y0 + side * 40 / 200, side * 160 / 200, false));
    EXPECT_GT(dx, 0) << w;
    EXPECT_LE(std::abs(dx - dy), 1) << w << ": grid cells " << dx << " x " << dy;
    // The charts' right borders at x = 0.9, the legend's text left of the chart panel.
    const int border = static_cast<int>(std::lround(x0 + 1.9 * side / 2));
    EXPECT_LT(s.at(border, y0 + side * 40 / 200).r, 80) << w << ": chart border";
    EXPECT_GT(s.count(text_colour, x0, y0, x0 + side * 135 / 200 - 1, y0 + side * 40 / 200), 1000)
        << w << ": legend";
  }
  p.keys({"Escape"});
  EXPECT_TRUE(ended_with(p, 0));
}

// 'f' fits the ellipse A = 3, whose vehicles at x = 3 m reach under the chart panel.
TEST(WindowDemo, FitKeepsTheVehiclesOutOfTheChartPanel) {
  TempDir dir;
  XProgram p(AGV_AGVSIM_EXE, {"--path", "11", "--const", "ellipse_A=3", "--error", "1", "3", "0"},
             dir.path());
  ASSERT_TRUE(p.wait_window()) << p.err();
  p.move(0, 0);
  const Shot start = p.shot();
  const int panel = start.width * 135 / 200, bottom = start.height - 50;
  EXPECT_GE(start.right_edge(blue, 0, 0, panel - 1, bottom), panel - 2);
  p.keys({"f"});
  const Shot fitted = p.shot();
  const int edge = fitted.right_edge(blue, 0, 0, panel - 1, bottom);
  EXPECT_TRUE(edge >= 0 && edge < panel - 10) << edge;
  p.keys({"plus", "plus", "plus", "space"});
  pause_ms(2500);  // 13.4 s of motion at x8
  const Shot end = p.shot();
  for (Rgb c : {blue, red}) {
    const int x1 = end.right_edge(c, 0, 0, panel - 1, bottom);
    EXPECT_TRUE(x1 >= 0 && x1 < panel - 10) << x1;
  }
  p.keys({"Escape"});
  EXPECT_TRUE(ended_with(p, 0));
}

}  // namespace
