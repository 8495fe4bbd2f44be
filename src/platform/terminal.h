#pragma once

// Terminal mode for single-key reads. The saved mode is restored on every exit path:
// after each key, at normal exit (atexit) and on SIGINT, SIGTERM, SIGHUP and SIGQUIT. Job
// control works during a key read: on SIGTSTP (Ctrl-Z) the saved mode is restored before
// the program stops, and when it is continued (SIGCONT) the waiting read is raw again.

// True when standard input is a terminal.
bool terminal_is_tty();

// Reads one byte from standard input in raw mode (no echo, no canonical line editing,
// Ctrl-C still raises SIGINT), restoring the previous mode before returning. It reads
// through std::cin, like the line reads of the console, so no buffered byte is lost between
// the two. Returns the byte 0..255, or -1 at end of input.
int terminal_read_raw_key();

// Puts the terminal back into the mode saved before the last raw read, if any.
void terminal_restore();
