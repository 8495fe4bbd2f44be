// Single-key reads on a real terminal: a child process runs the console layer with the slave
// side of a pseudo-terminal as its controlling terminal, standard input and output.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <functional>

#include "platform/console.h"
#include "support/pseudo_terminal.h"

namespace {

// body on the console layer of the child, with the real standard streams.
bool start_console(PtyChild& child, const std::function<void()>& body, bool job_control = false) {
  return child.start(
      [body] {
        console_set_streams(nullptr, nullptr, nullptr);
        console_set_output_codeset("UTF-8");
        body();
        console_flush();
      },
      job_control);
}

TEST(TerminalKeyTest, KeyComesAtOnceWithoutEcho) {
  PtyChild child;
  ASSERT_TRUE(start_console(child, [] {
    console_print("prompt:");
    const int key = console_read_key();
    console_print("[%d]", key);
  }));
  ASSERT_TRUE(child.wait_for_output("prompt:"));  // flushed before the read
  ASSERT_TRUE(child.wait_for_mode(true));
  child.send("x");  // no Enter
  ASSERT_TRUE(child.wait_for_output("[120]"));
  EXPECT_EQ(child.output().find('x'), std::string::npos) << "echoed: " << child.output();
  const int status = child.wait_for_exit();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  child.expect_mode_restored();
}

TEST(TerminalKeyTest, KeyAndLineReadsLoseNoTypedByte) {
  PtyChild child;
  ASSERT_TRUE(start_console(child, [] {
    const int first = console_read_key();
    int number = 0;
    console_read_int(&number);
    const int second = console_read_key();
    console_print("[%d %d %d]", first, number, second);
  }));
  ASSERT_TRUE(child.wait_for_mode(true));
  child.send("a");
  ASSERT_TRUE(child.wait_for_mode(false));
  child.send("42\nb");  // "b" is typed ahead while the line is read
  ASSERT_TRUE(child.wait_for_output("[97 42 98]")) << child.output();
  child.wait_for_exit();
  child.expect_mode_restored();
}

TEST(TerminalKeyTest, SignalsWhileWaitingRestoreTheModeAndEndTheChild) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    SCOPED_TRACE(sig);
    PtyChild child;
    ASSERT_TRUE(start_console(child, [] { console_read_key(); }));
    ASSERT_TRUE(child.wait_for_mode(true));
    if (sig == SIGINT || sig == SIGQUIT) {  // Ctrl-C or Ctrl-\ typed on the terminal
      child.send(std::string(1, child.control_char(sig == SIGINT ? VINTR : VQUIT)));
    } else {
      child.kill_with(sig);
    }
    const int status = child.wait_for_exit();
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << status;
    child.expect_mode_restored();
  }
}

// Ctrl-Z at a key prompt gives the shell its terminal mode back; fg makes the waiting read
// raw again, and the key typed then comes at once.
TEST(TerminalKeyTest, StoppedWhileWaitingTheShellGetsItsModeAndFgTheRawOne) {
  PtyChild child;
  ASSERT_TRUE(start_console(
      child,
      [] {
        const int key = console_read_key();
        console_print("[%d]", key);
      },
      true));
  ASSERT_TRUE(child.wait_for_mode(true));
  child.send(std::string(1, child.control_char(VSUSP)));
  ASSERT_TRUE(child.wait_for_stop());
  child.expect_mode_restored();
  child.continue_in_foreground();
  ASSERT_TRUE(child.wait_for_mode(true));
  child.send("y");
  ASSERT_TRUE(child.wait_for_output("[121]")) << child.output();
  const int status = child.wait_for_exit();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  child.expect_mode_restored();
}

}  // namespace
