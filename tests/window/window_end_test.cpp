// How the window program ends besides ESC, and both programs with standard output closed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "gui_support/x_program.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

void pause_ms(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool has_temporary(const std::string& dir) {
  for (const auto& f : fs::directory_iterator(dir))
    if (f.path().filename().string().find(".tmp") != std::string::npos) return true;
  return false;
}

// Ended by signal `sig`, or by exiting with 128 + sig as a shell reports it.
bool ended_by(int status, int sig) {
  return (WIFSIGNALED(status) && WTERMSIG(status) == sig) ||
         (WIFEXITED(status) && WEXITSTATUS(status) == 128 + sig);
}

// With a GIF being recorded ('g', then space), the close button (WM_DELETE_WINDOW) and the
// window destroyed by another program end the program as ESC does (the GIF written, status
// 0); SIGTERM, SIGINT, SIGHUP and SIGQUIT write the GIF and end it by the signal. No
// temporary file is left behind.
TEST(WindowEnd, CloseButtonDestroyAndSignalsWriteTheRecording) {
  for (int end : {-1, -2, SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
    SCOPED_TRACE(end == -1 ? "close button" : end == -2 ? "destroyed" : strsignal(end));
    TempDir dir;
    XProgram p(AGV_AGVSIM_EXE, {"--path", "1"}, dir.path());
    ASSERT_TRUE(p.wait_window()) << p.err();
    p.keys({"g"});
    pause_ms(300);
    p.keys({"space"});
    pause_ms(700);
    if (end == -1)
      p.close_request();
    else if (end == -2)
      p.destroy_window();
    else
      kill(p.pid(), end);
    const int status = p.wait_end();
    ASSERT_NE(status, -1) << "the program still runs: " << p.out() << p.err();
    if (end < 0) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    } else {
      EXPECT_TRUE(ended_by(status, end)) << status;
    }
    const std::string log = p.out() + p.err();
    EXPECT_NE(log.find("saved the GIF: agvsim-1-0-t1-0.gif"), std::string::npos) << log;
    char magic[7] = {};
    std::ifstream(dir.path() + "/agvsim-1-0-t1-0.gif", std::ios::binary).read(magic, 6);
    EXPECT_STREQ(magic, "GIF89a");
    EXPECT_FALSE(has_temporary(dir.path()));
    EXPECT_EQ(log.find("X Error"), std::string::npos) << log;
  }
}

// The exporter killed while it draws a GIF leaves no file.
TEST(WindowEnd, ExporterKilledWhileDrawingLeavesNothing) {
  TempDir dir;
  XProgram p(AGV_EXPORT_EXE, {"--path", "11", "--type", "all", "--gif", "keep.gif"}, dir.path());
  for (int i = 0; i < 100 && !has_temporary(dir.path()); ++i) pause_ms(50);
  ASSERT_TRUE(has_temporary(dir.path())) << "no temporary file made";
  kill(p.pid(), SIGTERM);
  const int status = p.wait_end();
  EXPECT_TRUE(ended_by(status, SIGTERM)) << status;
  for (const auto& f : fs::directory_iterator(dir.path())) {
    const std::string name = f.path().filename().string();
    EXPECT_TRUE(name == "out" || name == "err") << name << " left";
  }
}

// agvsim with standard output closed: the window's X connection must not take descriptor
// 1, or the dialogue after 'e' writes into it and the window hangs. The exporter says that
// standard output is closed and exits with 1.
TEST(ClosedStandardOutput, WindowStillTakesKeysAfterTheDialogue) {
  TempDir dir;
  {
    XProgram exporter(AGV_EXPORT_EXE, {}, dir.path(), {.stdout_closed = true});
    const int status = exporter.wait_end();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_NE(exporter.err().find("standard output is closed"), std::string::npos);
  }
  XProgram p(AGV_AGVSIM_EXE, {}, dir.path(), {.input_pipe = true, .stdout_closed = true});
  p.write_input("0n\nk");
  ASSERT_TRUE(p.wait_window()) << p.err();
  p.keys({"e"});
  pause_ms(500);
  p.write_input("0n\nk");  // the second dialogue, written nowhere
  pause_ms(1000);
  p.keys({"Escape"});
  const int status = p.wait_end();
  EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
