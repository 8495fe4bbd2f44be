#pragma once

#include <sys/types.h>
#include <termios.h>

#include <chrono>
#include <functional>
#include <string>

// A child process on a pseudo-terminal: the slave side is its controlling terminal and its
// standard input, output and error; the test types into the master side, reads what the
// child prints and looks at the terminal's mode. Nothing can hang the test: every wait
// gives up after 20 seconds, and a child still running at the end is killed.
class PtyChild {
 public:
  PtyChild() = default;
  ~PtyChild();
  PtyChild(const PtyChild&) = delete;
  PtyChild& operator=(const PtyChild&) = delete;

  // Runs body in the child, which ends with status 0 when body returns. The signals that end
  // or stop a program have their default actions there, as in a terminal window. With
  // job_control the child is the foreground job of a small shell in between, so that
  // Ctrl-Z really stops it (a session leader alone would be an orphaned process group, which
  // the stop signals of the terminal do not stop).
  bool start(const std::function<void()>& body, bool job_control = false);

  // Waits until the terminal is in the mode of a key read (raw: no line editing, no echo)
  // or back in line mode (!raw).
  bool wait_for_mode(bool raw);
  void send(const std::string& bytes);
  // Collects what the child prints (without the terminal's CR) until it contains text, for
  // at most `limit`.
  bool wait_for_output(const std::string& text,
                       std::chrono::milliseconds limit = std::chrono::seconds(20));
  // The wait status of the child (with job control: the shell's, which exits with the
  // job's status, or 128 + the signal that ended it).
  int wait_for_exit();
  // The local modes are as before the child started: line editing and echo on.
  void expect_mode_restored();

  // With job control: waits until the job has stopped and the shell has the terminal back;
  // then continues it in the foreground, as the shell's fg does.
  bool wait_for_stop();
  void continue_in_foreground();

  // The terminal's character for VINTR, VQUIT, VSUSP, ...
  char control_char(int index) const { return static_cast<char>(before_.c_cc[index]); }
  const std::string& output() const { return output_; }
  void kill_with(int sig);

 private:
  bool read_some(int timeout_ms);

  int master_ = -1, slave_ = -1;
  int events_ = -1, commands_ = -1;  // pipes from and to the job-control shell
  pid_t pid_ = -1;
  termios before_{};
  std::string output_;
};
