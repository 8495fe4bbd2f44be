#pragma once

#include <string>
#include <string_view>
#include <vector>

// Numbers as people type them, read from UTF-8 text. One reader for the console dialogue
// and the command line, so that both take and refuse the same entries. Pure functions: no
// I/O, no global state, the same result in every locale.
//
// A number is a decimal as strtod reads it in the C locale: an optional sign, digits with
// an optional decimal point (at least one digit: "3.", ".5"), an optional exponent
// ("1e-3", "2E+5"). The value is the double strtod gives for the same text, bit for bit.
// A fraction "a/b" of two such numbers is a / b in double precision ("1/2", "-1/3",
// "1.5/3", "1/-4"); there are no blanks around '/': "1 / 2" is three entries.
//
// Full-width forms of a Japanese input method mean the same as their ASCII forms: digits
// ０-９, ＋, － and − (U+2212), ．, ／, ｅ and Ｅ; they may be mixed with ASCII in one number.
//
// Not numbers (reported, never guessed): other text, hex floats, "inf", "nan", a lone
// sign, a number followed by anything ("3abc", "1e", "2-"). A value too large for a double
// ("1e999", "1e300/1e-300") is out of range. A value too small for a double ("1e-400") is
// read as strtod reads it: the nearest double, 0 (with the sign of the entry) or a
// subnormal. The result is always finite.

enum class NumberError {
  none,
  not_a_number,      // the text is not a number (or is empty)
  division_by_zero,  // a fraction whose divisor is 0 ("1/0", "0/0")
  out_of_range,      // too large for a double, or (whole numbers) beyond int
  not_whole,         // whole numbers only: the value has a fractional part ("2.5")
};

// One entry of a line.
struct NumberItem {
  std::string_view text;  // as typed; points into the line that was read
  double value;           // the number when error is none, else 0
  NumberError error;
};

// Splits a line into entries and reads each one. Entries are separated by blanks (space,
// tab, CR, LF, VT, FF and the ideographic space U+3000) and by commas (',', '，' U+FF0C,
// '、' U+3001), which count as blanks: "3,-2", "３，−２", "3、-2" and "3, -2" all give 3 and -2;
// runs of separators count as one, so an empty line or a line of separators gives no entry.
// Every entry is reported, numbers or not, in the order typed.
std::vector<NumberItem> read_number_items(std::string_view line);

// Reads one entry as a number. Blanks around it are ignored; anything else that is not
// part of a number, separators included, makes it not a number. On success stores the
// value and returns NumberError::none; otherwise leaves *value untouched.
NumberError parse_number(std::string_view text, double* value);

// Reads one entry as a whole number, as for menu choices: the entry is read by
// parse_number (so "３", "+4", "2.0", "1e1" and "6/3" are whole numbers) and its value must
// have no fractional part (else not_whole; nothing is rounded) and lie within int (else
// out_of_range; nothing is clamped). A decimal with more digits than a double holds is
// judged by its double: "2.00000000000000001" is 2. "-0" is 0. On success stores the value;
// otherwise leaves *value untouched.
NumberError parse_whole_number(std::string_view text, int* value);

// The one-line notices for an entry that was refused, Japanese first and English in
// brackets, without a line break. The entry is quoted as typed (long entries shortened,
// control characters shown as '?'); an empty entry reads as "no value". Both return ""
// for NumberError::none.
//   number_notice_used("abc", not_a_number, 0):
//     'abc' は数値ではないので 0 とします ('abc' is not a number; 0 is used)
//   number_notice_again("1/0", division_by_zero):
//     '1/0' は 0 で割っているので、もう一度入力してください ('1/0' divides by zero; please
//     enter it again)
// The value used is written as the shortest text that reads back as the same double.
std::string number_notice_used(std::string_view text, NumberError error, double used);
std::string number_notice_again(std::string_view text, NumberError error);
