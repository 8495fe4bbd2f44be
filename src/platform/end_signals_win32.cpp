#include "platform/end_signals.h"

#include <windows.h>

#include <csignal>
#include <cstdlib>

namespace {

constexpr int kMaxCleanups = 8;

// Read by the handler, which Windows runs on a thread of its own.
void (*volatile cleanups[kMaxCleanups])() = {};
volatile LONG cleanup_count = 0;
volatile LONG held = 0;
volatile LONG pending = 0;
bool installed = false;

void run_cleanups() {
  for (LONG i = 0; i < cleanup_count; ++i) cleanups[i]();
}

int signal_of(DWORD event) {
  return event == CTRL_C_EVENT ? SIGINT : event == CTRL_BREAK_EVENT ? SIGBREAK : SIGTERM;
}

BOOL WINAPI on_end_event(DWORD event) {
  if (held) {
    InterlockedExchange(&pending, signal_of(event));
    // A close event ends the program when the handler returns: wait for it to end itself.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
      Sleep(4000);
    }
    return TRUE;
  }
  run_cleanups();
  return FALSE;  // the next handler, in the end the system's, ends the program
}

void install() {
  if (installed) return;
  installed = true;
  SetConsoleCtrlHandler(on_end_event, TRUE);
}

}  // namespace

void end_signals_add_cleanup(void (*cleanup)()) {
  for (LONG i = 0; i < cleanup_count; ++i) {
    if (cleanups[i] == cleanup) return;
  }
  if (cleanup_count == kMaxCleanups) std::abort();
  cleanups[cleanup_count] = cleanup;
  InterlockedIncrement(&cleanup_count);
  install();
}

void end_signals_hold(bool hold) {
  install();
  InterlockedExchange(&held, hold ? 1 : 0);
  if (!hold && pending) end_by_signal(pending);
}

int end_signal_pending() {
  return static_cast<int>(pending);
}

void end_by_signal(int sig) {
  InterlockedExchange(&held, 0);
  run_cleanups();
  std::_Exit(sig == SIGINT ? STATUS_CONTROL_C_EXIT : 128 + sig);
}
