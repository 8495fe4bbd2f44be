#include "platform/end_signals.h"

#include <signal.h>
#include <unistd.h>

#include <cstdlib>

namespace {

constexpr int kEndSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int kMaxCleanups = 8;

// Read by the handler: plain static data.
void (*volatile cleanups[kMaxCleanups])() = {};
volatile sig_atomic_t cleanup_count = 0;
volatile sig_atomic_t held = 0;
volatile sig_atomic_t pending = 0;
bool installed = false;

void run_cleanups() {
  for (int i = 0; i < cleanup_count; ++i) cleanups[i]();
}

void on_end_signal(int sig) {
  if (held) {
    pending = sig;
    return;
  }
  run_cleanups();
  signal(sig, SIG_DFL);
  raise(sig);  // delivered with the default action, at the latest when the handler returns
}

void install() {
  if (installed) return;
  installed = true;
  for (int sig : kEndSignals) {
    struct sigaction old_action;
    if (sigaction(sig, nullptr, &old_action) != 0) continue;
    if (old_action.sa_handler == SIG_IGN) continue;  // e.g. SIGHUP under nohup
    struct sigaction action {};
    action.sa_handler = on_end_signal;
    sigemptyset(&action.sa_mask);
    for (int other : kEndSignals) sigaddset(&action.sa_mask, other);  // one at a time
    action.sa_flags = SA_RESTART;
    sigaction(sig, &action, nullptr);
  }
}

// The signal mask with the ending signals blocked, for changes the handler must not see
// half done.
struct BlockEndSignals {
  sigset_t before;
  BlockEndSignals() {
    sigset_t block;
    sigemptyset(&block);
    for (int sig : kEndSignals) sigaddset(&block, sig);
    sigprocmask(SIG_BLOCK, &block, &before);
  }
  ~BlockEndSignals() { sigprocmask(SIG_SETMASK, &before, nullptr); }
};

}  // namespace

void end_signals_add_cleanup(void (*cleanup)()) {
  {
    const BlockEndSignals block;
    for (int i = 0; i < cleanup_count; ++i) {
      if (cleanups[i] == cleanup) return;
    }
    if (cleanup_count == kMaxCleanups) std::abort();
    cleanups[cleanup_count] = cleanup;
    cleanup_count = cleanup_count + 1;
  }
  install();
}

void end_signals_hold(bool hold) {
  install();
  held = hold ? 1 : 0;
  if (!hold && pending) end_by_signal(pending);
}

int end_signal_pending() {
  return pending;
}

void end_by_signal(int sig) {
  {
    const BlockEndSignals block;
    held = 0;
    run_cleanups();
    signal(sig, SIG_DFL);
    raise(sig);  // pending until the mask is restored
  }
  _exit(128 + sig);  // a signal whose default action does not end the program
}
