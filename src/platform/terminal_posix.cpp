// Terminal layer: one key at a time in raw mode, with the saved mode put back on every exit
// path (after the key, at exit, and on the signals that end the program).
#include "platform/terminal.h"

#include <stdio_ext.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "platform/end_signals.h"

namespace {

// The mode saved before the current raw read and the raw mode itself; only valid while
// raw_active is set, which stays set from the start of a raw read to its end, also while
// the program is stopped by job control. All are read by the signal handlers, so they stay
// plain static data.
struct termios saved_mode;
struct termios raw_mode;
volatile sig_atomic_t raw_active = 0;
bool exit_paths_installed = false;

// A cleanup of the signals that end the program (platform/end_signals.h).
void restore_on_signal() {
  // tcsetattr is async-signal-safe.
  if (raw_active) {
    tcsetattr(STDIN_FILENO, TCSANOW, &saved_mode);
    raw_active = 0;
  }
}

void install(int sig, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(sig, &action, nullptr);
}

// Ctrl-Z: the terminal goes back to the mode the shell expects, then the program stops as
// it would without this handler. When it is continued the handler returns and the pending
// key read goes on in raw mode again.
void stop_on_signal(int sig) {
  const int saved_errno = errno;
  if (raw_active) tcsetattr(STDIN_FILENO, TCSANOW, &saved_mode);
  signal(sig, SIG_DFL);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, sig);
  raise(sig);                                // pending: blocked while the handler runs
  sigprocmask(SIG_UNBLOCK, &stop, nullptr);  // stops here until continued
  install(sig, stop_on_signal);
  // Continued (or never stopped, as in an orphaned process group): raw again.
  if (raw_active) tcsetattr(STDIN_FILENO, TCSANOW, &raw_mode);
  errno = saved_errno;
}

// Continued after a stop (by the shell's fg, or a SIGCONT from elsewhere): a key read that
// is still waiting needs its raw mode again.
void resume_on_signal(int) {
  const int saved_errno = errno;
  if (raw_active) tcsetattr(STDIN_FILENO, TCSANOW, &raw_mode);
  errno = saved_errno;
}

void restore_at_exit() {
  terminal_restore();
}

void install_exit_paths() {
  if (exit_paths_installed) return;
  exit_paths_installed = true;
  std::atexit(restore_at_exit);
  end_signals_add_cleanup(restore_on_signal);
  // Job control: only where stopping is not ignored (a shell without job control ignores it).
  struct sigaction old_stop;
  if (sigaction(SIGTSTP, nullptr, &old_stop) == 0 && old_stop.sa_handler != SIG_IGN) {
    install(SIGTSTP, stop_on_signal);
    install(SIGCONT, resume_on_signal);
  }
}

// One byte from std::cin, the stream the line reads use too, so that nothing buffered there
// is skipped. A read cut short by a signal that did not end the program is tried again.
int read_byte_from_cin() {
  for (;;) {
    int c = std::cin.get();
    if (c != std::char_traits<char>::eof()) return static_cast<unsigned char>(c);
    if (!(std::ferror(stdin) && errno == EINTR)) return -1;
    std::clearerr(stdin);
    std::cin.clear();
  }
}

}  // namespace

bool terminal_is_tty() {
  return isatty(STDIN_FILENO) == 1;
}

bool terminal_error_is_tty() {
  return isatty(STDERR_FILENO) == 1;
}

// The terminal takes and sends the bytes of its own codeset already.
void terminal_prepare_streams(const std::string&) {}

namespace {

// Raw mode for a read: a key at a time (min_bytes 1), or what is there (0).
bool enter_raw_mode(cc_t min_bytes) {
  struct termios mode;
  if (tcgetattr(STDIN_FILENO, &mode) != 0) return false;
  install_exit_paths();
  saved_mode = mode;
  mode.c_lflag &= ~(ICANON | ECHO);  // ISIG stays: Ctrl-C still interrupts
  mode.c_cc[VMIN] = min_bytes;
  mode.c_cc[VTIME] = 0;
  raw_mode = mode;
  raw_active = 1;
  tcsetattr(STDIN_FILENO, TCSANOW, &raw_mode);
  return true;
}

}  // namespace

int terminal_read_raw_key() {
  if (!enter_raw_mode(1)) return read_byte_from_cin();
  int c = read_byte_from_cin();
  terminal_restore();
  return c;
}

std::string terminal_read_ready() {
  std::string bytes;
  if (!enter_raw_mode(0)) return bytes;
  // With nothing left a read returns at once with no byte, which the stream takes as its end.
  for (int c; (c = std::cin.get()) != std::char_traits<char>::eof();) bytes += static_cast<char>(c);
  std::clearerr(stdin);
  std::cin.clear();
  terminal_restore();
  return bytes;
}

void terminal_restore() {
  if (!raw_active) return;
  // No stop or continue in between: a continue handled after the mode was put back would
  // make the terminal raw again.
  sigset_t job_control, before;
  sigemptyset(&job_control);
  sigaddset(&job_control, SIGTSTP);
  sigaddset(&job_control, SIGCONT);
  sigprocmask(SIG_BLOCK, &job_control, &before);
  tcsetattr(STDIN_FILENO, TCSANOW, &saved_mode);
  raw_active = 0;
  sigprocmask(SIG_SETMASK, &before, nullptr);
}

void terminal_discard_typeahead() {
  if (!terminal_is_tty()) return;
  tcflush(STDIN_FILENO, TCIFLUSH);
  __fpurge(stdin);
}
