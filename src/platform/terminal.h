#pragma once

#include <string>

// Terminal input: single keys in raw mode, and standard input read as the console layer
// expects it. The saved mode is restored on every exit path: after each key, at normal
// exit, and when the program is ended from the keyboard (on POSIX SIGINT, SIGTERM, SIGHUP
// and SIGQUIT; on Windows the console's Ctrl-C and close events). On POSIX job control
// works during a key read: on SIGTSTP (Ctrl-Z) the saved mode is restored before the
// program stops, and when it is continued (SIGCONT) the waiting read is raw again.

// True when standard input is a terminal (a console on Windows).
bool terminal_is_tty();

// True when standard error goes to a terminal: where progress may be shown.
bool terminal_error_is_tty();

// Makes the standard streams carry text in the given codeset (the console's) to and from the
// terminal. POSIX terminals take and give such bytes by themselves. On a Windows console
// std::cout and std::cerr write through the console's UTF-16 output, and std::cin reads it
// as UTF-16 a line at a time, each line converted: every character shows and every
// character typed (full-width digits included) arrives intact, whatever the console's code
// pages. Files and pipes are left alone. Called when the console layer starts; calling it
// again only changes the codeset.
void terminal_prepare_streams(const std::string& codeset);

// Reads one byte from standard input in raw mode (no echo, no line editing; Ctrl-C still
// interrupts), restoring the previous mode before returning. It reads through std::cin,
// like the line reads of the console, so no buffered byte is lost between the two. A key
// that is more than one byte in the codeset gives its first byte; the others follow in
// the next reads. Enter gives '\n'. Returns the byte 0..255, or -1 at end of input.
int terminal_read_raw_key();

// What was typed (or pasted) and not read yet, without waiting for more: the bytes in the
// terminal's queue and in the standard input stream's buffer, read in raw mode as keys are.
// Empty when nothing waits.
std::string terminal_read_ready();

// Puts the terminal back into the mode saved before the last raw read, if any.
void terminal_restore();

// Drops what was typed into the terminal and not read yet: the terminal's input queue and
// what the standard input stream has buffered. Does nothing when standard input is not a
// terminal, so piped input is read in full.
void terminal_discard_typeahead();
