#pragma once

#include <iosfwd>
#include <string>

// The console layer: every text the program shows and every key or number it reads goes
// through here. Texts are UTF-8 in the source; they are converted to the terminal's
// encoding when the locale's codeset is not UTF-8 (Shift-JIS / CP932 included).

// Formatted printing (printf formats) to the console output, converted as needed.
void console_print(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The same on the error stream (standard error unless replaced).
void console_error(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Flushes the console output.
void console_flush();

// Reads one key. On a terminal: at once, without echo and without Enter (Ctrl-C still
// interrupts). Otherwise: the next byte that is not a line break. Returns it as 0..255.
// At end of input it calls console_end_of_input() and does not return.
int console_read_key();

// Drops what was typed ahead on the terminal (keys pressed while the window was up), so
// that the next read waits for a new answer. Only on a terminal: piped input and replaced
// streams are left as they are.
void console_discard_typeahead();

// Reads a whole number like scanf("%d"): white space and line breaks before it are skipped.
// Returns true and drops the rest of the line after a number; returns false when the
// input is not a number, after dropping the line. Values beyond int are clamped to
// INT_MIN / INT_MAX. End of input before a number calls console_end_of_input().
bool console_read_int(int* value);

// Reads n reals like scanf("%lf %lf ..."): white space and line breaks separate them.
// Returns how many were read (n on success); the values read are stored in order and the
// others are left untouched. The rest of the line is dropped in every case. Each value is
// read as strtod reads it (exponents, "nan", "inf", hex floats). End of input before the
// n-th value calls console_end_of_input().
int console_read_reals(int n, double* values);

// End of input while the program waits: a message in Japanese and English on the error
// stream, the terminal restored, exit status 1. Tests may replace what happens (the
// replacement must not return, for example it throws).
[[noreturn]] void console_end_of_input();
void console_set_end_of_input_handler(void (*handler)());

// Replaces the input and output streams (tests); nullptr restores the standard ones.
// With a replaced input no terminal mode is ever touched.
void console_set_streams(std::istream* in, std::ostream* out, std::ostream* err = nullptr);

// Output encoding: the codeset of the locale by default (set when the layer starts, from
// setlocale(LC_ALL, "")); tests may force one, e.g. "CP932". "" or "UTF-8" writes UTF-8;
// nullptr goes back to the locale's codeset.
// UTF-8 texts also go out unchanged for a plain ASCII codeset (the C locale), and Shift-JIS
// goes out as CP932, its superset.
void console_set_output_codeset(const char* codeset);

// Takes the locale from the environment (setlocale(LC_ALL, "")) and its codeset for the
// output, keeping LC_NUMERIC at "C" so numbers always print and read with a decimal point.
// The layer does this by itself at first use; calling it again reads the environment anew.
void console_init_locale();

// Converts a UTF-8 text to the given codeset (what console_print does to its output).
// Characters that cannot be converted become '?'.
std::string console_convert(const std::string& utf8, const char* codeset);
