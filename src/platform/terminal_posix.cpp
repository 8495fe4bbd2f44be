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

namespace {

// The mode saved before the current raw read; only valid while raw_active is set. Both are
// read by the signal handler, so they stay plain static data.
struct termios saved_mode;
volatile sig_atomic_t raw_active = 0;
bool exit_paths_installed = false;

constexpr int kEndSignals[] = {SIGINT, SIGTERM, SIGHUP};

void restore_on_signal(int sig) {
  // tcsetattr, signal and raise are async-signal-safe.
  if (raw_active) {
    tcsetattr(STDIN_FILENO, TCSANOW, &saved_mode);
    raw_active = 0;
  }
  signal(sig, SIG_DFL);
  raise(sig);  // delivered with the default action, at the latest when the handler returns
}

void restore_at_exit() {
  terminal_restore();
}

void install_exit_paths() {
  if (exit_paths_installed) return;
  exit_paths_installed = true;
  std::atexit(restore_at_exit);
  for (int sig : kEndSignals) {
    struct sigaction old_action;
    if (sigaction(sig, nullptr, &old_action) != 0) continue;
    if (old_action.sa_handler == SIG_IGN) continue;  // e.g. SIGHUP under nohup: keep it ignored
    struct sigaction action {};
    action.sa_handler = restore_on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(sig, &action, nullptr);
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

// The terminal takes and sends the bytes of its own codeset already.
void terminal_prepare_streams(const std::string&) {}

int terminal_read_raw_key() {
  struct termios mode;
  if (tcgetattr(STDIN_FILENO, &mode) != 0) return read_byte_from_cin();
  install_exit_paths();
  saved_mode = mode;
  mode.c_lflag &= ~(ICANON | ECHO);  // ISIG stays: Ctrl-C still interrupts
  mode.c_cc[VMIN] = 1;
  mode.c_cc[VTIME] = 0;
  raw_active = 1;
  tcsetattr(STDIN_FILENO, TCSANOW, &mode);
  int c = read_byte_from_cin();
  terminal_restore();
  return c;
}

void terminal_restore() {
  if (!raw_active) return;
  tcsetattr(STDIN_FILENO, TCSANOW, &saved_mode);
  raw_active = 0;
}

void terminal_discard_typeahead() {
  if (!terminal_is_tty()) return;
  tcflush(STDIN_FILENO, TCIFLUSH);
  __fpurge(stdin);
}
