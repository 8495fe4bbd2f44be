#include "display/label_digits.h"

#include <cmath>

#include "platform/float_text.h"

namespace {

constexpr double max_lead = 1.0e11;  // magnitude / 10 below this: at most 12 digits

// Appends to a label, never past its end (the last byte stays the terminating zero).
struct Writer {
  label_text& out;
  int len = 0;

  void put(char c) {
    if (len < label_capacity - 1) out[len++] = c;
    out[len] = '\0';
  }
  void put(const char* s) {
    while (*s != '\0') put(*s++);
  }
  // Every digit of n >= 0, most significant first.
  void put_digits(long long n) {
    char rev[20];
    int k = 0;
    do {
      rev[k++] = digit_char(n % 10);
      n /= 10;
    } while (n > 0 && k < 20);
    while (k > 0) put(rev[--k]);
  }
};

// A signed magnitude: the sign position, then tens and units. tens_part is the magnitude
// / 10 and whole the magnitude, both as the caller computes them; tens = trunc(tens_part),
// units = trunc(whole - tens * 10). Three digits or more start at the sign position
// unless the sign is '-', so "150" fills the places of " 15".
void put_magnitude(Writer& w, char sign, double tens_part, double whole) {
  if (!std::isfinite(tens_part) || !std::isfinite(whole) || tens_part < 0.0 ||
      tens_part >= max_lead) {
    w.put(sign);
    w.put("??");
    return;
  }
  const auto tens = static_cast<long long>(tens_part);
  const auto units = static_cast<long long>(whole - static_cast<double>(tens) * 10.0);
  if (tens < 10) {
    w.put(sign);
    w.put(digit_char(tens));
  } else {
    if (sign == '-') w.put(sign);
    w.put_digits(tens);
  }
  w.put(digit_char(units));
}

char sign_char(double v) {
  return v < 0.0 ? '-' : ' ';
}

// True when a magnitude in percent or degrees, as converted back from what was entered, is
// not a whole number: it then shows with up to two decimals.
constexpr double whole_tolerance = 1e-6;
bool has_decimals(double m) {
  return std::isfinite(m) && m < max_lead && std::fabs(m - std::round(m)) > whole_tolerance;
}

// The sign position, then the magnitude with two decimals at most ("0.5", "2.25").
void put_decimals(Writer& w, char sign, double m) {
  char text[32];
  char* const end = text + sizeof text - 1;
  char* last = write_fixed(text, end, m, 2);
  if (last == end) last = text;
  while (last > text && last[-1] == '0') --last;
  if (last > text && last[-1] == '.') --last;
  *last = '\0';
  w.put(sign);
  w.put(text);
}

void put_percent(Writer& w, char sign, double ratio) {
  const double m = std::fabs(ratio);
  if (has_decimals(m * 100.0)) {
    put_decimals(w, sign, m * 100.0);
    return;
  }
  put_magnitude(w, sign, m * 10.0, m * 100.0);
}

}  // namespace

char digit_char(long long d) {
  if (d < 0) d = 0;
  if (d > 9) d = 9;
  return digit_table[d];
}

void percent_pair_label(label_text& out, double first, double second) {
  Writer w{out};
  w.put('(');
  put_percent(w, sign_char(first), first);
  w.put(',');
  put_percent(w, sign_char(second), second);
  w.put(")%\n");
}

void percent_label(label_text& out, double ratio, bool with_sign) {
  Writer w{out};
  put_percent(w, with_sign ? sign_char(ratio) : ' ', ratio);
  w.put("%\n");
}

void drift_label(label_text& out, double drift) {
  Writer w{out};
  const double degrees = std::fabs(drift) * 57.29577951308232;
  if (has_decimals(degrees)) {
    put_decimals(w, sign_char(drift), degrees);
    w.put("[deg]\n");
    return;
  }
  const double a = (std::fabs(drift) + 0.01) * 57.2957795;
  put_magnitude(w, sign_char(drift), a / 10.0, a);
  w.put("[deg]\n");
}

void path_label(label_text& out, int path_no) {
  Writer w{out};
  w.put("I=");
  if (path_no < 0 || path_no > 99) {
    w.put("??");
    return;
  }
  w.put_digits(path_no);
  if (path_no > 10) w.put('\n');
}

int seconds_label(label_text& out, long long seconds) {
  Writer w{out};
  if (seconds < 0) seconds = 0;
  w.put_digits(seconds);
  const int digits = w.len;
  w.put(digits == 1 ? "s\n" : "s\n\n");
  return digits;
}
