// Doubles to text and back: the library's charconv, or snprintf and strtod in its stead.
// LC_NUMERIC stays "C" in every program (encoding_*.cpp), so both write and read a '.'.
#include "platform/float_text.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace {

// Copies a NUL-terminated text to [first, last); the end, or `last` when it does not fit.
char* put(char* first, char* last, const char* text, std::size_t n) {
  if (static_cast<std::size_t>(last - first) < n) return last;
  std::memcpy(first, text, n);
  return first + n;
}

// A decimal of `count` significant digits: digits[0..count) times 10^(exponent - count + 1),
// so that `exponent` is the power of ten of the first digit.
struct Decimal {
  char digits[20];
  int count;
  int exponent;
};

// v (finite, positive) rounded to `count` significant digits by printf, which rounds
// correctly, ties to even.
Decimal rounded(double v, int count) {
  char text[40];
  std::snprintf(text, sizeof text, "%.*e", count - 1, v);
  Decimal d{};
  const char* p = text;
  for (; *p != 'e'; ++p) {
    if (*p != '.') d.digits[d.count++] = *p;
  }
  d.exponent = std::atoi(p + 1);
  return d;
}

double value_of(const Decimal& d) {
  char text[40];
  std::memcpy(text, d.digits, d.count);
  std::snprintf(text + d.count, sizeof text - d.count, "e%d", d.exponent - d.count + 1);
  return std::strtod(text, nullptr);
}

// The decimal one unit of the last digit away from d, up or down, with as many digits.
Decimal step(Decimal d, bool up) {
  int i = d.count - 1;
  if (up) {
    for (; i >= 0 && d.digits[i] == '9'; --i) d.digits[i] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {  // 99..9 + 1 = 10..0: one more place
      d.digits[0] = '1';
      ++d.exponent;
    }
  } else {
    for (; i >= 0 && d.digits[i] == '0'; --i) d.digits[i] = '9';
    --d.digits[i];             // i >= 0: d is not 0
    if (d.digits[0] == '0') {  // 10..0 - 1 = 9..9: one place less, digits all 9
      std::memset(d.digits, '9', d.count);
      --d.exponent;
    }
  }
  return d;
}

// The decimal of `count` digits that reads back as v and is nearest to it, if any.
bool round_trip(double v, int count, Decimal* out) {
  const Decimal nearest = rounded(v, count);
  const double r = value_of(nearest);
  if (r == v) {
    *out = nearest;
    return true;
  }
  // At a power of two the doubles below lie closer than those above: the other neighbour
  // can read back as v where the nearest does not.
  const Decimal other = step(nearest, r < v);
  if (value_of(other) != v) return false;
  *out = other;
  return true;
}

}  // namespace

char* write_shortest_by_printf(char* first, char* last, double v) {
  if (std::isnan(v))
    return std::signbit(v) ? put(first, last, "-nan", 4) : put(first, last, "nan", 3);
  char* out = first;
  if (std::signbit(v)) {
    out = put(out, last, "-", 1);
    v = -v;
  }
  if (std::isinf(v)) return put(out, last, "inf", 3);
  if (v == 0.0) return put(out, last, "0", 1);

  // Fewer digits read back only when more do (a decimal of n digits has n + 1 too): the
  // fewest are found by halving. 17 always do.
  Decimal best = rounded(v, 17);
  int low = 1, high = 17;
  while (low < high) {
    const int mid = (low + high) / 2;
    Decimal d;
    if (round_trip(v, mid, &d)) {
      best = d;
      high = mid;
    } else {
      low = mid + 1;
    }
  }
  if (best.count != low) round_trip(v, low, &best);
  while (best.count > 1 && best.digits[best.count - 1] == '0') --best.count;

  const int n = best.count, e = best.exponent;
  char text[48];
  // Scientific: d[.ddd]e±XX.
  char* s = text;
  *s++ = best.digits[0];
  if (n > 1) {
    *s++ = '.';
    std::memcpy(s, best.digits + 1, n - 1);
    s += n - 1;
  }
  s += std::snprintf(s, 8, "e%c%02d", e < 0 ? '-' : '+', e < 0 ? -e : e);
  const std::size_t scientific = s - text;
  // Fixed: digits, zeros up to the point, or "0.00ddd".
  const std::size_t fixed = e >= n - 1 ? e + 1 : e >= 0 ? n + 1 : n + 1 - e;
  if (scientific < fixed) return put(out, last, text, scientific);
  char* f = text;
  if (e >= n - 1) {  // a whole number: all its digits, as printf's "%.0f" writes them
    std::snprintf(f, sizeof text, "%.0f", v);
  } else if (e >= 0) {
    std::memcpy(f, best.digits, e + 1);
    f[e + 1] = '.';
    std::memcpy(f + e + 2, best.digits + e + 1, n - e - 1);
  } else {
    f[0] = '0';
    f[1] = '.';
    std::memset(f + 2, '0', -e - 1);
    std::memcpy(f + 1 - e, best.digits, n);
  }
  return put(out, last, text, fixed);
}

std::from_chars_result read_double_by_strtod(const char* first, const char* last, double& value) {
  auto digit = [&](const char* p) { return p < last && *p >= '0' && *p <= '9'; };
  const char* p = first;
  if (p < last && *p == '-') ++p;
  const char* mantissa = p;
  while (digit(p)) ++p;
  bool any = p > mantissa;
  if (p < last && *p == '.') {
    const char* fraction = ++p;
    while (digit(p)) ++p;
    any = any || p > fraction;
  }
  if (!any) return {first, std::errc::invalid_argument};
  const char* significand_end = p;
  if (p < last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q < last && (*q == '+' || *q == '-')) ++q;
    if (digit(q)) {
      while (digit(q)) ++q;
      p = q;
    }
  }
  // strtod wants the text NUL-terminated; numbers as long as this are never written.
  char text[512];
  if (static_cast<std::size_t>(p - first) >= sizeof text)
    return {first, std::errc::invalid_argument};
  std::memcpy(text, first, p - first);
  text[p - first] = '\0';
  errno = 0;
  const double v = std::strtod(text, nullptr);
  if (std::isinf(v)) return {p, std::errc::result_out_of_range};
  if (v == 0.0) {
    for (const char* c = mantissa; c < significand_end; ++c) {
      if (*c >= '1' && *c <= '9') return {p, std::errc::result_out_of_range};
    }
  }
  value = v;
  return {p, std::errc()};
}

char* write_thousandths(char* first, char* last, long long thousandths) {
  char text[16];
  char* p = text;
  long long k = thousandths;
  if (k < 0) {
    *p++ = '-';
    k = -k;
  }
  p = std::to_chars(p, text + sizeof text, k / 1000).ptr;
  int fraction = static_cast<int>(k % 1000);
  if (fraction != 0) {
    *p++ = '.';
    for (int unit = 100; fraction != 0; unit /= 10) {
      *p++ = static_cast<char>('0' + fraction / unit);
      fraction %= unit;
    }
  }
  return put(first, last, text, static_cast<std::size_t>(p - text));
}

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

char* write_shortest(char* first, char* last, double v) {
  const auto [end, ec] = std::to_chars(first, last, v);
  return ec == std::errc() ? end : last;
}

char* write_fixed(char* first, char* last, double v, int decimals) {
  const auto [end, ec] = std::to_chars(first, last, v, std::chars_format::fixed, decimals);
  return ec == std::errc() ? end : last;
}

std::from_chars_result read_double(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value, std::chars_format::general);
}

#else

char* write_shortest(char* first, char* last, double v) {
  return write_shortest_by_printf(first, last, v);
}

char* write_fixed(char* first, char* last, double v, int decimals) {
  char text[352];  // the widest double, 309 digits, and the decimals asked for here
  const int n = std::snprintf(text, sizeof text, "%.*f", decimals, v);
  if (n < 0 || static_cast<std::size_t>(n) >= sizeof text) return last;
  return put(first, last, text, n);
}

std::from_chars_result read_double(const char* first, const char* last, double& value) {
  return read_double_by_strtod(first, last, value);
}

#endif
