// Single-key reads on a real terminal: a child process runs the console layer with the slave
// side of a pseudo-terminal as its controlling terminal, standard input and output.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <iostream>
#include <string>
#include <thread>

#include "platform/console.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLimit = std::chrono::seconds(5);  // no failure can hang the test run

class PtyChild {
 public:
  ~PtyChild() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
  }

  bool start(const std::function<void()>& body) {
    if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) return false;
    if (tcgetattr(slave_, &before_) != 0) return false;
    std::cout.flush();
    std::fflush(nullptr);
    pid_ = fork();
    if (pid_ < 0) return false;
    if (pid_ == 0) {
      close(master_);
      setsid();
      ioctl(slave_, TIOCSCTTY, 0);
      dup2(slave_, STDIN_FILENO);
      dup2(slave_, STDOUT_FILENO);
      // As in a terminal window, even when the test runs where these are ignored (the
      // layer leaves ignored signals alone).
      for (int sig : {SIGINT, SIGTERM, SIGHUP}) signal(sig, SIG_DFL);
      console_set_streams(nullptr, nullptr, nullptr);
      console_set_output_codeset("UTF-8");
      body();
      console_flush();
      _exit(0);
    }
    return true;
  }

  // Waits until the terminal is (raw) or is no longer (!raw) in the mode of a key read.
  bool wait_for_mode(bool raw) {
    for (auto end = Clock::now() + kLimit; Clock::now() < end;) {
      termios mode;
      if (tcgetattr(slave_, &mode) == 0 && raw == !(mode.c_lflag & ICANON)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }

  void send(const std::string& bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
  }

  // Collects what the child prints until it contains text.
  bool wait_for_output(const std::string& text) {
    for (auto end = Clock::now() + kLimit; output_.find(text) == std::string::npos;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
      pollfd p{master_, POLLIN, 0};
      if (left.count() <= 0 || poll(&p, 1, int(left.count())) <= 0) return false;
      char buffer[256];
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n <= 0) return false;
      output_.append(buffer, n);
    }
    return true;
  }

  // The wait status of the child; it is killed when it does not end in time.
  int wait_for_exit() {
    int status = -1;
    for (auto end = Clock::now() + kLimit; Clock::now() < end;) {
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return status;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ADD_FAILURE() << "the child did not end";
    return status;
  }

  // The terminal is back in the mode it had before the child started.
  void expect_mode_restored() {
    termios after;
    ASSERT_EQ(tcgetattr(slave_, &after), 0);
    EXPECT_EQ(after.c_lflag & (ICANON | ECHO | ISIG), before_.c_lflag & (ICANON | ECHO | ISIG));
    EXPECT_TRUE(after.c_lflag & ICANON);
    EXPECT_TRUE(after.c_lflag & ECHO);
  }

  const std::string& output() const { return output_; }
  void kill_with(int sig) { kill(pid_, sig); }

 private:
  int master_ = -1, slave_ = -1;
  pid_t pid_ = -1;
  termios before_{};
  std::string output_;
};

TEST(TerminalKeyTest, KeyComesAtOnceWithoutEcho) {
  PtyChild child;
  ASSERT_TRUE(child.start([] {
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
  ASSERT_TRUE(child.start([] {
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
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(sig);
    PtyChild child;
    ASSERT_TRUE(child.start([] { console_read_key(); }));
    ASSERT_TRUE(child.wait_for_mode(true));
    if (sig == SIGINT) {
      child.send("\x03");  // Ctrl-C typed on the terminal
    } else {
      child.kill_with(sig);
    }
    const int status = child.wait_for_exit();
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << status;
    child.expect_mode_restored();
  }
}

}  // namespace
