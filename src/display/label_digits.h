#pragma once

// Window labels with numbers: the digits are written into fixed templates, never through
// the standard library's formatting, so the truncation rules below hold exactly.
//
// A magnitude shows as two digits, tens and units, each truncated toward zero in double
// precision (a ratio just below a whole percent shows the lower digit), after a sign
// position that holds '-' for a value below 0, else a blank. A magnitude of 100 or more
// shows every digit of its integer part, built the same way, starting at the sign position
// unless the value is negative ("(150,-03)%"); one that is not finite or has more than 12
// digits shows "??" after the sign position.
//
// A magnitude that is not a whole number of percent or degrees (within 1e-6) shows with
// its decimals instead, two at most, after the sign position: 0.5 degrees as " 0.5[deg]",
// 2.25 % as " 2.25%".

inline constexpr char digit_table[] = "0123456789s";
inline constexpr int label_capacity = 48;
using label_text = char[label_capacity];

// The digit character of d, d held to 0..9.
char digit_char(long long d);

// "( 05,-03)%\n": two ratios (fractions) in percent.
void percent_pair_label(label_text& out, double first, double second);

// " 12%\n": one ratio in percent; with `with_sign` false the sign position stays blank.
void percent_label(label_text& out, double ratio, bool with_sign);

// " 01[deg]\n": a steering drift in radians, shown in degrees after adding 0.01 rad.
void drift_label(label_text& out, double drift);

// "I=4", "I=13\n": the CP path number ("I=??" outside 0..99).
void path_label(label_text& out, int path_no);

// "7s\n", "23s\n\n": whole seconds (n >= 0). Returns the number of digits written.
int seconds_label(label_text& out, long long seconds);
