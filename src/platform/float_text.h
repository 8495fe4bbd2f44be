#pragma once

#include <charconv>

// Doubles to text and back, the same in every locale and with every standard library. Where
// the library has the floating-point std::to_chars and std::from_chars these are they;
// where it has not (the browser build's libc++) the *_by_printf functions below stand in,
// giving the same text and the same values through snprintf and strtod.

// The shortest text that reads back as v, as std::to_chars(first, last, v) writes it: the
// fewest significant digits (the nearest such decimal when several), in fixed or in
// scientific notation, whichever is shorter (fixed on a tie). Returns the end of the text;
// `last` when it does not fit (at most 24 characters are needed).
char* write_shortest(char* first, char* last, double v);

// thousandths / 1000 as write_shortest writes that double, for |thousandths| < 10^7 (below
// 10000 the shortest form is plain decimals): from the whole number, with no search for
// the shortest digits; "0" for 0. Returns the end; `last` when it does not fit (at most 13
// characters are needed).
char* write_thousandths(char* first, char* last, long long thousandths);

// v with `decimals` digits after the point, as std::to_chars with chars_format::fixed and a
// precision writes it (printf's "%.*f"). Returns the end; `last` when it does not fit.
char* write_fixed(char* first, char* last, double v, int decimals);

// A decimal at the start of [first, last), as std::from_chars with chars_format::general
// reads it: an optional '-', digits with an optional point, an optional exponent; no blanks,
// no '+', no hex, and here no "inf" or "nan" either. The value is the nearest double. ec is
// invalid_argument when there is no number (value untouched), result_out_of_range when it
// is too large or too small for a double (value untouched).
std::from_chars_result read_double(const char* first, const char* last, double& value);

// The stand-ins, built everywhere so that they can be checked against the library.
char* write_shortest_by_printf(char* first, char* last, double v);
std::from_chars_result read_double_by_strtod(const char* first, const char* last, double& value);
