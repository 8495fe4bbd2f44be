#pragma once

// Descriptors 0, 1 and 2 (standard input, output and error) that are closed when the
// program starts are opened on the null device, so that no file or connection the program
// opens later gets one of those numbers and with it the texts meant for the console (or,
// for input, reads meant for the keyboard). Call it first thing in main, before anything
// else opens a file. Returns which were closed: bit d set for descriptor d.
int open_closed_standard_streams();

inline constexpr int standard_output_was_closed = 1 << 1;
