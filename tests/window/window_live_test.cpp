// The real agvsim under X with a scenario on the command line: the setting changed by keys
// in the window, without the console. Up changes the picture and Down gives back the first
// one pixel for pixel; Shift+Up takes ten steps; 'r' and 'R' go to the next path and back,
// leaving a ghost of the other path that 'b' hides.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "gui_support/x_program.h"
#include "support/temp_dir.h"

namespace {

// The window once it differs from `before` (a busy machine may answer a key late), or
// `before` after 5 s.
Shot after(XProgram& p, const Shot& before) {
  for (int i = 0; i < 25; ++i) {
    const Shot now = p.shot();
    if (!(now == before)) return now;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  return before;
}

TEST(WindowLive, UpThenDownGivesBackThePicture) {
  TempDir dir;
  XProgram p(AGV_AGVSIM_EXE, {"--path", "11", "--error", "1", "3", "-2"}, dir.path());
  ASSERT_TRUE(p.wait_window()) << p.err();
  p.move(0, 0);
  const Shot first = p.shot();
  p.keys({"Up"});
  const Shot up = after(p, first);
  ASSERT_FALSE(up == first) << "Up left the picture as it was";
  p.keys({"Down"});
  const Shot down = after(p, up);
  EXPECT_TRUE(down == first) << "Down did not give back the first picture";
  p.keys({"shift+Up"});
  const Shot coarse = after(p, down);
  ASSERT_FALSE(coarse == down) << "Shift+Up left the picture as it was";
  EXPECT_FALSE(coarse == up) << "Shift+Up changed the value as Up does";
  p.keys({"r"});
  const Shot next_path = after(p, coarse);
  ASSERT_FALSE(next_path == coarse) << "'r' did not change the path";
  p.keys({"R"});
  const Shot back = after(p, next_path);
  EXPECT_FALSE(back == coarse) << "no ghost of the other path";
  p.keys({"b"});
  EXPECT_TRUE(after(p, back) == coarse) << "'R' did not give back the path and its picture";
  EXPECT_EQ(p.out().find("Error Number="), std::string::npos) << "the console dialogue ran";
  p.keys({"Escape"});
  const int status = p.wait_end();
  EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
