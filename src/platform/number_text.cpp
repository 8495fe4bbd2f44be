// Reading numbers from typed text: full-width forms mapped to ASCII, then from_chars.
#include "platform/number_text.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <system_error>

#include "platform/catalogue.h"
#include "platform/float_text.h"

namespace {

// Separators between entries: a length in bytes, 0 when s[i] does not start one.
// The multi-byte ones are U+3000 (ideographic space), U+3001 (、) and U+FF0C (，).
size_t separator_length(std::string_view s, size_t i) {
  switch (s[i]) {
    case ' ':
    case '\t':
    case '\n':
    case '\r':
    case '\v':
    case '\f':
    case ',':
      return 1;
    default:
      break;
  }
  const std::string_view rest = s.substr(i, 3);
  return rest == "\u3000" || rest == "\u3001" || rest == "\uFF0C" ? 3 : 0;
}

// Blanks around a single entry: the ASCII ones and U+3000.
size_t blank_length(std::string_view s, size_t i) {
  if (s[i] == ',') return 0;
  const size_t n = separator_length(s, i);
  return n == 1 || s.substr(i, 3) == "\u3000" ? n : 0;
}

std::string_view trim_blanks(std::string_view s) {
  for (size_t n; !s.empty() && (n = blank_length(s, 0)) > 0;) s.remove_prefix(n);
  // The trailing blank is either one ASCII byte or the three bytes of U+3000.
  for (;;) {
    if (!s.empty() && blank_length(s, s.size() - 1) == 1) {
      s.remove_suffix(1);
    } else if (s.size() >= 3 && s.substr(s.size() - 3) == "\u3000") {
      s.remove_suffix(3);
    } else {
      return s;
    }
  }
}

// Full-width characters a Japanese input method gives for the characters of a number,
// and their ASCII forms. All are three bytes long in UTF-8.
struct WideForm {
  const char* utf8;
  char ascii;
};
constexpr WideForm kWideForms[] = {
    {"\uFF10", '0'}, {"\uFF11", '1'}, {"\uFF12", '2'}, {"\uFF13", '3'}, {"\uFF14", '4'},
    {"\uFF15", '5'}, {"\uFF16", '6'}, {"\uFF17", '7'}, {"\uFF18", '8'}, {"\uFF19", '9'},
    {"\uFF0B", '+'}, {"\uFF0D", '-'}, {"\u2212", '-'}, {"\uFF0E", '.'}, {"\uFF0F", '/'},
    {"\uFF45", 'e'}, {"\uFF25", 'E'},
};

bool is_number_char(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E' ||
         c == '/';
}

// The entry with full-width forms replaced by ASCII; false when it has a character that
// cannot be part of a number. Only digits, signs, '.', 'e', 'E' and '/' come through, so
// from_chars never sees "inf", "nan" or a hex float.
bool to_ascii(std::string_view text, std::string* ascii) {
  ascii->clear();
  ascii->reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    char c = text[i];
    size_t length = 1;
    if (static_cast<unsigned char>(c) >= 0x80) {
      c = 0;
      const std::string_view here = text.substr(i, 3);
      for (const WideForm& w : kWideForms) {
        if (here == w.utf8) c = w.ascii;
      }
      length = 3;
    }
    if (!is_number_char(c)) return false;
    *ascii += c;
    i += length;
  }
  return true;
}

// For a decimal that from_chars found out of range: true when it is too small for a double,
// false when too large. Out of range means below 1e-300 or above 1e300, so the order of
// magnitude decides: with the first significant digit at place k (1 for the units, 0 for
// tenths, -1 for hundredths...) and exponent e, the value is below 1 when k + e <= 0.
bool is_underflow(std::string_view s) {
  long long place = 0;
  bool point = false, significant = false;
  size_t i = 0;
  if (i < s.size() && s[i] == '-') ++i;
  for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
    if (s[i] == '.') {
      point = true;
    } else if (!significant && s[i] == '0') {
      if (point) --place;  // a zero after the point before the first significant digit
    } else {
      significant = true;
      if (!point) ++place;
    }
  }
  long long exponent = 0;
  bool negative = false;
  if (i < s.size()) ++i;  // 'e'
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  // Saturated: any exponent beyond this is far outside the range of a double.
  for (; i < s.size() && exponent < 1'000'000'000'000LL; ++i)
    exponent = exponent * 10 + (s[i] - '0');
  if (negative) exponent = -exponent;
  return place + exponent <= 0;
}

// One decimal in ASCII, as strtod reads it in the C locale.
NumberError parse_decimal(std::string_view s, double* value) {
  // from_chars takes no '+'; one '+' before the digits is allowed, as strtod allows it.
  if (!s.empty() && s[0] == '+') {
    if (s.size() == 1 || s[1] == '-') return NumberError::not_a_number;
    s.remove_prefix(1);
  }
  const char* end = s.data() + s.size();
  double v = 0.0;
  const auto [ptr, ec] = read_double(s.data(), end, v);
  if (s.empty() || ptr != end) return NumberError::not_a_number;
  if (ec == std::errc::result_out_of_range && is_underflow(s)) {
    v = s[0] == '-' ? -0.0 : 0.0;  // what strtod gives: the nearest double
  } else if (ec != std::errc() || !std::isfinite(v)) {
    return NumberError::out_of_range;
  }
  *value = v;
  return NumberError::none;
}

// A decimal whose digits before any exponent are not all zero: one that reads as zero only
// because it is too small for a double.
bool names_nonzero(std::string_view s) {
  for (const char c : s) {
    if (c == 'e' || c == 'E') break;
    if (c >= '1' && c <= '9') return true;
  }
  return false;
}

// The worse of two results: not a number before out of range.
NumberError worse(NumberError a, NumberError b) {
  if (a == NumberError::not_a_number || b == NumberError::not_a_number) {
    return NumberError::not_a_number;
  }
  return a != NumberError::none ? a : b;
}

// How an entry is quoted in a notice: at most this many characters, then "...".
constexpr int kQuotedCharacters = 24;

std::string quoted(std::string_view text) {
  std::string q = "'";
  int characters = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool starts_character = (byte & 0xC0) != 0x80;
    if (starts_character && ++characters > kQuotedCharacters) {
      q += "...";
      break;
    }
    q += byte < 0x20 || byte == 0x7F ? '?' : text[i];
  }
  return q + "'";
}

// Why an entry is refused, to follow the quoted entry (in Japanese it ends with "ので",
// because).
Msg reason_of(NumberError error) {
  switch (error) {
    case NumberError::division_by_zero:
      return Msg::number_divides_by_zero;
    case NumberError::out_of_range:
      return Msg::number_out_of_range;
    case NumberError::not_whole:
      return Msg::number_not_whole;
    default:
      return Msg::number_not_a_number;
  }
}

// "'abc' は数値ではないので" and "'abc' is not a number", or the words for no value: in the
// language of the process and in English.
void describe(std::string_view text, NumberError error, std::string* words, std::string* english) {
  text = trim_blanks(text);
  const Msg id = text.empty() ? Msg::number_no_value : reason_of(error);
  const std::string q = text.empty() ? std::string() : quoted(text);
  *words = q + tr(id);
  *english = q + ::text(Language::en, id);
}

}  // namespace

std::vector<NumberItem> read_number_items(std::string_view line) {
  std::vector<NumberItem> items;
  size_t i = 0;
  while (i < line.size()) {
    if (const size_t n = separator_length(line, i)) {
      i += n;
      continue;
    }
    const size_t start = i;
    while (i < line.size() && separator_length(line, i) == 0) ++i;
    NumberItem item{line.substr(start, i - start), 0.0, NumberError::none};
    item.error = parse_number(item.text, &item.value);
    items.push_back(item);
  }
  return items;
}

NumberError parse_number(std::string_view text, double* value) {
  std::string ascii;
  if (!to_ascii(trim_blanks(text), &ascii)) return NumberError::not_a_number;
  const size_t slash = ascii.find('/');
  if (slash == std::string::npos) return parse_decimal(ascii, value);

  const std::string_view s = ascii;
  double a = 0.0, b = 0.0;
  const NumberError error =
      worse(parse_decimal(s.substr(0, slash), &a), parse_decimal(s.substr(slash + 1), &b));
  if (error != NumberError::none) return error;  // also a second '/': not a number
  // 1/1e-400 divides by a number too small for a double, not by zero.
  if (b == 0.0) {
    return names_nonzero(s.substr(slash + 1)) ? NumberError::out_of_range
                                              : NumberError::division_by_zero;
  }
  const double quotient = a / b;
  if (!std::isfinite(quotient)) return NumberError::out_of_range;
  *value = quotient;
  return NumberError::none;
}

NumberError parse_whole_number(std::string_view text, int* value) {
  double v = 0.0;
  const NumberError error = parse_number(text, &v);
  if (error != NumberError::none) return error;
  if (v < static_cast<double>(INT_MIN) || v > static_cast<double>(INT_MAX)) {
    return NumberError::out_of_range;
  }
  if (std::trunc(v) != v) return NumberError::not_whole;
  *value = static_cast<int>(v);
  return NumberError::none;
}

std::string number_notice_used(std::string_view text, NumberError error, double used) {
  if (error == NumberError::none) return "";
  char number[32];
  char* const last = number + sizeof number;
  char* const end = write_shortest(number, last, used);
  const std::string u(number, end == last ? number : end);
  std::string words, english;
  describe(text, error, &words, &english);
  return format_text(tr(Msg::number_used), words.c_str(), u.c_str(), english.c_str(), u.c_str());
}

std::string number_notice_again(std::string_view text, NumberError error) {
  if (error == NumberError::none) return "";
  std::string words, english;
  describe(text, error, &words, &english);
  return format_text(tr(Msg::number_again), words.c_str(), english.c_str());
}
