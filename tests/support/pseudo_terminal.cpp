#include "support/pseudo_terminal.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utmp.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLimit = std::chrono::seconds(20);

void default_signals() {
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP, SIGCONT, SIGTTOU, SIGTTIN}) {
    signal(sig, SIG_DFL);
  }
  const rlimit no_core{0, 0};  // Ctrl-\ ends the child without leaving a core file
  setrlimit(RLIMIT_CORE, &no_core);
}

// The shell between the test and a job: runs body as the foreground process group, tells
// the test through `events` when the job stops, and on a byte from `commands` gives it the
// terminal back and continues it. Exits with the job's status.
[[noreturn]] void job_control_shell(const std::function<void()>& body, int events, int commands) {
  signal(SIGTTOU, SIG_IGN);  // taking the terminal back from the background, as shells do
  const pid_t job = fork();
  if (job == 0) {
    setpgid(0, 0);
    tcsetpgrp(STDIN_FILENO, getpid());
    close(events);
    close(commands);
    default_signals();
    body();
    std::cout.flush();
    std::fflush(nullptr);
    _exit(0);
  }
  setpgid(job, job);
  tcsetpgrp(STDIN_FILENO, job);
  for (;;) {
    int status;
    if (waitpid(job, &status, WUNTRACED) < 0) {
      if (errno == EINTR) continue;
      _exit(125);
    }
    if (WIFSTOPPED(status)) {
      tcsetpgrp(STDIN_FILENO, getpgrp());
      char c = 's';
      if (write(events, &c, 1) != 1 || read(commands, &c, 1) != 1) _exit(125);
      tcsetpgrp(STDIN_FILENO, job);
      kill(-job, SIGCONT);
      continue;
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
  }
}

}  // namespace

PtyChild::~PtyChild() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  for (int fd : {master_, slave_, events_, commands_}) {
    if (fd >= 0) close(fd);
  }
}

bool PtyChild::start(const std::function<void()>& body, bool job_control) {
  if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) return false;
  if (tcgetattr(slave_, &before_) != 0) return false;
  int events[2] = {-1, -1}, commands[2] = {-1, -1};
  if (job_control && (pipe(events) != 0 || pipe(commands) != 0)) return false;
  std::cout.flush();
  std::fflush(nullptr);
  pid_ = fork();
  if (pid_ < 0) return false;
  if (pid_ == 0) {
    close(master_);
    login_tty(dup(slave_));  // a new session; the slave as terminal and standard streams
    if (!job_control) {
      default_signals();
      body();
      std::cout.flush();
      std::fflush(nullptr);
      _exit(0);
    }
    close(events[0]);
    close(commands[1]);
    job_control_shell(body, events[1], commands[0]);
  }
  if (job_control) {
    close(events[1]);
    close(commands[0]);
    events_ = events[0];
    commands_ = commands[1];
  }
  return true;
}

bool PtyChild::wait_for_mode(bool raw) {
  for (auto end = Clock::now() + kLimit; Clock::now() < end;) {
    termios mode;
    if (tcgetattr(slave_, &mode) == 0) {
      const bool is_raw = !(mode.c_lflag & (ICANON | ECHO));
      if (raw ? is_raw : (mode.c_lflag & ICANON) != 0) return true;
    }
    read_some(1);  // keep the output flowing meanwhile
  }
  return false;
}

void PtyChild::send(const std::string& bytes) {
  ASSERT_EQ(write(master_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
}

bool PtyChild::read_some(int timeout_ms) {
  pollfd p{master_, POLLIN, 0};
  if (poll(&p, 1, timeout_ms) <= 0) return false;
  char buffer[4096];
  const ssize_t n = read(master_, buffer, sizeof buffer);
  if (n <= 0) return false;
  for (ssize_t i = 0; i < n; ++i) {
    if (buffer[i] != '\r') output_ += buffer[i];
  }
  return true;
}

bool PtyChild::wait_for_output(const std::string& text, std::chrono::milliseconds limit) {
  for (auto end = Clock::now() + limit; output_.find(text) == std::string::npos;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    if (left.count() <= 0 || !read_some(static_cast<int>(left.count()))) return false;
  }
  return true;
}

int PtyChild::wait_for_exit() {
  int status = -1;
  for (auto end = Clock::now() + kLimit; Clock::now() < end;) {
    read_some(1);  // a child blocked on a full terminal would never end
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return status;
    }
  }
  ADD_FAILURE() << "the child did not end";
  return status;
}

void PtyChild::expect_mode_restored() {
  termios after;
  ASSERT_EQ(tcgetattr(slave_, &after), 0);
  EXPECT_TRUE(after.c_lflag & ICANON);
  EXPECT_TRUE(after.c_lflag & ECHO);
  EXPECT_EQ(after.c_lflag, before_.c_lflag);
}

bool PtyChild::wait_for_stop() {
  pollfd p{events_, POLLIN, 0};
  char c;
  return events_ >= 0 && poll(&p, 1, static_cast<int>(kLimit / std::chrono::milliseconds(1))) > 0 &&
         read(events_, &c, 1) == 1;
}

void PtyChild::continue_in_foreground() {
  const char c = 'f';
  ASSERT_EQ(write(commands_, &c, 1), 1);
}

void PtyChild::kill_with(int sig) {
  kill(pid_, sig);
}
