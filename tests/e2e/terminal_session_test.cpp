// The real program on a pseudo-terminal: keys typed without Enter, and the terminal mode
// after the program has ended, normally or by Ctrl-C.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utmp.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>

#include "support/console_texts.h"
#include "support/program_run.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLimit = std::chrono::seconds(20);

class TerminalSession {
 public:
  ~TerminalSession() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
  }

  // Starts the program with the slave side as its controlling terminal. The test keeps the
  // slave open to read its mode after the program has gone.
  bool start() {
    if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) return false;
    if (tcgetattr(slave_, &before_) != 0) return false;
    const std::string program = agvsim_path();
    pid_ = fork();
    if (pid_ < 0) return false;
    if (pid_ == 0) {
      close(master_);
      const int slave = dup(slave_);
      login_tty(slave);
      for (int sig : {SIGINT, SIGTERM, SIGHUP}) signal(sig, SIG_DFL);
      if (chdir(dir_.path().c_str()) != 0) _exit(126);
      unsetenv("DISPLAY");
      unsetenv("WAYLAND_DISPLAY");
      setenv("LC_ALL", "C.UTF-8", 1);
      execl(program.c_str(), program.c_str(), "--no-window", static_cast<char*>(nullptr));
      _exit(127);
    }
    return true;
  }

  // Reads the program's output until it contains text.
  bool wait_for_output(const std::string& text, Clock::duration limit = kLimit) {
    for (auto end = Clock::now() + limit; output_.find(text) == std::string::npos;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
      pollfd p{master_, POLLIN, 0};
      if (left.count() <= 0 || poll(&p, 1, int(left.count())) <= 0) return false;
      char buffer[4096];
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n <= 0) return false;
      for (ssize_t i = 0; i < n; ++i) {
        if (buffer[i] != '\r') output_ += buffer[i];  // the terminal's CR LF
      }
    }
    return true;
  }

  // Waits until the program has put the terminal into the mode of a key read.
  bool wait_for_key_mode() {
    for (auto end = Clock::now() + kLimit; Clock::now() < end;) {
      termios mode;
      if (tcgetattr(slave_, &mode) == 0 && !(mode.c_lflag & (ICANON | ECHO))) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }

  // Types one key, without Enter, once the program waits for it after printing prompt.
  void type_after(const std::string& prompt, char key) {
    ASSERT_TRUE(wait_for_output(prompt)) << output_;
    ASSERT_TRUE(wait_for_key_mode());
    ASSERT_EQ(write(master_, &key, 1), 1);
  }

  int wait_for_exit() {
    int status = -1;
    for (auto end = Clock::now() + kLimit; Clock::now() < end;) {
      char buffer[4096];  // what the window library says on failing, not compared
      pollfd p{master_, POLLIN, 0};
      if (poll(&p, 1, 1) > 0 && read(master_, buffer, sizeof buffer) < 0) continue;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return status;
      }
    }
    ADD_FAILURE() << "the program did not end";
    return status;
  }

  void expect_mode_restored() {
    termios after;
    ASSERT_EQ(tcgetattr(slave_, &after), 0);
    EXPECT_TRUE(after.c_lflag & ICANON);
    EXPECT_TRUE(after.c_lflag & ECHO);
    EXPECT_EQ(after.c_lflag, before_.c_lflag);
  }

  // Types keys at once, whatever the program does.
  void type(const std::string& keys) {
    ASSERT_EQ(write(master_, keys.data(), keys.size()), ssize_t(keys.size()));
  }

  char interrupt_char() const { return char(before_.c_cc[VINTR]); }
  const std::string& output() const { return output_; }

 private:
  TempDir dir_;
  int master_ = -1, slave_ = -1;
  pid_t pid_ = -1;
  termios before_{};
  std::string output_;
};

const std::string error_key_prompt = "Error Number=";
const std::string yes_no_prompt = "no:n  ";

TEST(TerminalSession, KeysWithoutEnterAndTheModeRestored) {
  TerminalSession session;
  ASSERT_TRUE(session.start());
  ASSERT_NO_FATAL_FAILURE(session.type_after(error_key_prompt, '0'));
  ASSERT_NO_FATAL_FAILURE(session.type_after(yes_no_prompt, 'n'));
  ASSERT_NO_FATAL_FAILURE(session.type_after("描画画面へ       ", 'q'));
  ASSERT_TRUE(session.wait_for_output(" q"));
  session.wait_for_exit();
  session.expect_mode_restored();
  // The terminal echoed nothing: the only echoes are the program's own, and the echo of the
  // last key shows before anything the window library says.
  const std::string expected = load_message + dialogue_title() + first_error_menu() +
                               error_choice('0') + cp_change_prompt(1, 0.5, 2, 1) + "n" +
                               successful_end(2, report_error('0'), report_path(1, 0.5, 2, 1), 'q');
  EXPECT_EQ(session.output().substr(0, expected.size()), expected);
}

// What was typed before the dialogue asks its first question is not taken as answers:
// "0n" typed ahead would choose no error and keep the path.
TEST(TerminalSession, TypeAheadIsDroppedBeforeTheFirstQuestion) {
  TerminalSession session;
  ASSERT_TRUE(session.start());
  session.type("0n");
  ASSERT_TRUE(session.wait_for_output(error_key_prompt)) << session.output();
  ASSERT_TRUE(session.wait_for_key_mode());
  // Half a second for the program to show a choice, if it took the keys typed ahead.
  EXPECT_FALSE(session.wait_for_output("ERROR=", std::chrono::milliseconds(500)))
      << session.output();
  ASSERT_NO_FATAL_FAILURE(session.type_after(error_key_prompt, '1'));
  EXPECT_TRUE(session.wait_for_output("ERROR=1"));
}

TEST(TerminalSession, CtrlCWhileAKeyIsAwaited) {
  for (const bool at_yes_no : {false, true}) {
    SCOPED_TRACE(at_yes_no ? "at the yes/no key" : "at the error key");
    TerminalSession session;
    ASSERT_TRUE(session.start());
    if (at_yes_no) {
      ASSERT_NO_FATAL_FAILURE(session.type_after(error_key_prompt, '0'));
    }
    ASSERT_NO_FATAL_FAILURE(
        session.type_after(at_yes_no ? yes_no_prompt : error_key_prompt, session.interrupt_char()));
    const int status = session.wait_for_exit();
    EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) ||
                (WIFEXITED(status) && WEXITSTATUS(status) != 0))
        << status;
    session.expect_mode_restored();
  }
}

}  // namespace
