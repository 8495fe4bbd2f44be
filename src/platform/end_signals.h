#pragma once

// The signals that end the program from outside: on POSIX SIGINT (Ctrl-C), SIGTERM,
// SIGHUP and SIGQUIT; on Windows the console's Ctrl-C, Ctrl-Break and close events. What
// must not outlive the program (a terminal left raw, a temporary file) is put right by
// cleanups that run when one comes, before the program ends as the signal ends it. A
// signal the program was started with ignored (nohup) stays ignored.

// Adds a cleanup: it runs in the signal handler, so it may only do async-signal-safe
// things (restore a terminal mode, unlink a file). At most eight.
void end_signals_add_cleanup(void (*cleanup)());

// While held, an ending signal only is noted and the program goes on: it ends itself at a
// point where that is safe, after it has finished what the signal would have cut short
// (end_signal_pending, end_by_signal). Releasing the hold with a signal noted ends the
// program at once.
void end_signals_hold(bool hold);

// The signal noted while held, or 0.
int end_signal_pending();

// Runs the cleanups and ends the program as the signal does.
[[noreturn]] void end_by_signal(int sig);
