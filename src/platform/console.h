#pragma once

#include <iosfwd>
#include <string>

// The console layer: every text the program shows and every key or number it reads goes
// through here. Texts are UTF-8 in the source; they are converted to the terminal's
// encoding when the locale's codeset is not UTF-8 (Shift-JIS / CP932 included).

// printf formats as the C library of the build reads them: MinGW's follows C99, not the
// formats of Windows' own library that plain "printf" would check against.
#ifdef __MINGW32__
#define AGV_PRINTF_FORMAT(f, a) __attribute__((format(gnu_printf, f, a)))
#else
#define AGV_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#endif

// Formatted printing (printf formats) to the console output, converted as needed.
void console_print(const char* format, ...) AGV_PRINTF_FORMAT(1, 2);

// The same on the error stream (standard error unless replaced).
void console_error(const char* format, ...) AGV_PRINTF_FORMAT(1, 2);

// Flushes the console output.
void console_flush();

// Reads one key: one character of the console's codeset, all of its bytes. On a terminal:
// at once, without echo and without Enter (Ctrl-C still interrupts). Otherwise: the next
// character that is not a line break (CR or LF). Returns an ASCII character as itself, and
// the full-width form of one (０-９, ｙ, ｎ, ...; U+FF01-U+FF5E, and the ideographic space)
// as the ASCII one it stands for; any other character as its first byte (0x80..0xFF),
// which is no answer to any question. At end of input it calls console_end_of_input() and
// does not return.
int console_read_key();

// The last key read as it was typed, in UTF-8: what its echo shows.
const std::string& console_key_text();

// After a key that answered nothing: when nothing in the rest of its line answers
// (answers(key) false for every key of it), drops that rest, so that a wrong line is one
// wrong answer however long; a line that still holds an answer goes on being read key by
// key. On a terminal the line is only what was typed or pasted with the key and is there
// already, its Enter included: a key typed alone is still an answer of its own.
void console_drop_wrong_line(bool (*answers)(int key));

// Drops what was typed ahead on the terminal (keys pressed while the window was up), so
// that the next read waits for a new answer. Only on a terminal: piped input and replaced
// streams are left as they are.
void console_discard_typeahead();

// Number reads take whole lines: a line ends at LF, at CR or at CR LF, and lines without
// any entry are skipped. In a locale whose codeset is not UTF-8 (Shift-JIS: CP932) the line
// is converted to UTF-8 first. Entries are read by the number reader (platform/number_text.h):
// decimals, fractions "a/b", full-width digits and signs, separated by blanks or commas
// ("3 -2", "3,-2", "３ −２"). Whatever follows the entries asked for is dropped with its
// line. An entry that is refused ("abc", "1/0", "1e999") is told in one line on the console
// output, starting with a line break.

// What becomes of a refused entry among the real numbers read.
enum class NumberRefused {
  zero,  // it counts as 0 ("... 0 とします"); the line it is on is the last one read
  again,  // the read stops and fails ("... もう一度入力してください"); the caller asks again
};

// Reads a whole number for a menu choice from the first entry of the next line that has
// one. Returns true and stores it, or returns false after the notice when the entry is not
// a whole number within int ("abc", "2.5", "1e10"); *value is then untouched. End of input
// before an entry calls console_end_of_input().
bool console_read_int(int* value);

// Reads n reals, as many lines as it takes to get n entries, and stores them in order.
// With NumberRefused::zero every refused entry gets its notice and the value 0, and so do
// the places that the line of a refused entry leaves without an entry: all n values are
// set. With NumberRefused::again the first refused entry gets its notice and the read stops;
// the values before it are stored and the others are left untouched. Returns how many of
// the n values were typed as numbers (n when nothing was refused). End of input before the
// n-th value calls console_end_of_input().
int console_read_reals(int n, double* values, NumberRefused refused);

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
