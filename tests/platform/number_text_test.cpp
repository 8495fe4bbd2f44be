#include "platform/number_text.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

using E = NumberError;

double number(std::string_view text) {
  double v = -777.0;
  EXPECT_EQ(parse_number(text, &v), E::none) << text;
  return v;
}

// What strtod reads from text in the C locale. MinGW's strtod (the tests keep the "C"
// locale there) rounds correctly as glibc's does.
double c_strtod(const char* text, char** end) {
#ifdef __GLIBC__
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
  return strtod_l(text, end, c_locale);
#else
  return std::strtod(text, end);
#endif
}

E refusal(std::string_view text) {
  double v = -777.0;
  const E e = parse_number(text, &v);
  EXPECT_EQ(v, -777.0) << text << ": the value must stay untouched";
  return e;
}

// The same text with every character of a number in its full-width form.
std::string full_width(std::string_view ascii) {
  std::string wide;
  for (char c : ascii) {
    if (c >= '0' && c <= '9') {
      wide += "\xEF\xBC";
      wide += static_cast<char>(0x90 + (c - '0'));
    } else {
      wide += c == '+' ? "＋" : c == '-' ? "－" : c == '.' ? "．" : c == '/' ? "／" : "Ｅ";
    }
  }
  return wide;
}

TEST(NumberText, FullWidthFormsMeanTheirAsciiForms) {
  EXPECT_EQ(number("\u2212２"), -2.0);  // MINUS SIGN
  EXPECT_EQ(number("＋３ｅ２"), 300.0);
  EXPECT_EQ(number("１／４"), 0.25);
  EXPECT_EQ(number("１.5"), 1.5);  // mixed in one entry
  EXPECT_EQ(number("\u3000７\u3000"), 7.0);
  EXPECT_EQ(number(" \t3\r\n"), 3.0);  // blanks around one entry
}

TEST(NumberText, Fractions) {
  EXPECT_EQ(number("1/2"), 0.5);
  EXPECT_EQ(number("-1/3"), -1.0 / 3.0);
  EXPECT_EQ(number("1/-3"), -1.0 / 3.0);
  EXPECT_EQ(number("1.5/3"), 0.5);
  EXPECT_EQ(number("1e3/8"), 125.0);
  EXPECT_EQ(number("1e-300/1e300"), 0.0);  // too small: 0, as for a decimal
  EXPECT_EQ(refusal("1/0"), E::division_by_zero);
  EXPECT_EQ(refusal("0/0"), E::division_by_zero);
  EXPECT_EQ(refusal("-1/-0.0"), E::division_by_zero);
  EXPECT_EQ(refusal("1e300/1e-300"), E::out_of_range);
  // A denominator too small for a double is out of range, though alone it reads as 0.
  EXPECT_EQ(refusal("1/1e-400"), E::out_of_range);
  EXPECT_EQ(refusal("1/-0.000e-400"), E::division_by_zero);
  EXPECT_EQ(refusal("1e999/2"), E::out_of_range);
  for (const char* bad : {"1/2/3", "/2", "1/", "/", "abc/0", "1//2"}) {
    EXPECT_EQ(refusal(bad), E::not_a_number) << bad;
  }
}

TEST(NumberText, RefusalsOfWhatIsNotANumber) {
  for (const char* bad :
       {"",    "   ",      "abc", "3abc", "1e",     "1e+",      "2-",    "+",     "-",   "+-4",
        "--4", "++4",      ".",   "e5",   ".e5",    "1.2.3",    "0x1p3", "0x10",  "inf", "-inf",
        "nan", "infinity", "1,5", "1 2",  "１。５", "\xEF\xBC", "\xFF",  "1\x80", "ー２"}) {
    EXPECT_EQ(refusal(bad), E::not_a_number) << bad;
  }
}

// Every decimal strtod reads fully gives the same double, bit for bit, in ASCII and in full
// width, or is out of range where strtod gives infinity: hard roundings, halfway cases,
// the subnormal boundary, underflow to zero, long digit strings, and random 17-25 digit
// decimals over the whole exponent range.
TEST(NumberText, BitIdenticalWithStrtod) {
  // clang-format off
  std::vector<std::string> texts = {
      "-2", "3.", ".5", "+4", "1e-3", "2E+2", "007", "-0", "-0.0", "0.1", "1e23", "8.589973e9",
      "7.038531e-26", "1.448997445238699", "9007199254740993", "9007199254740995",
      "9007199254740993.00000000000000000001",
      "1.00000000000000011102230246251565404236316680908203125",  // halfway: to even
      "1.00000000000000011102230246251565404236316680908203124",
      "1.00000000000000011102230246251565404236316680908203126",
      "2.2250738585072011e-308", "2.2250738585072014e-308", "4e-324", "2.4703282292062327e-324",
      "2.4703282292062328e-324", "-2.4703282292062328e-324", "1e-400", "-1e-400", "0e999999",
      "1e-99999999999999999999999", "1.7976931348623157e308", "1.7976931348623158e308",
      "-1.7976931348623159e308", "1e999", "1e99999999999999999999999",
      "123456789012345678901234567890e-20", "0.000000000000000000000000000000000000001e38"};
  // clang-format on
  texts.push_back("0." + std::string(400, '0') + "1");
  texts.push_back("1" + std::string(400, '0'));
  texts.push_back("1" + std::string(5000, '0') + "e-5000");
  texts.push_back("0." + std::string(1000, '3'));
  std::mt19937_64 random(12345);
  for (int i = 0; i < 2000; ++i) {
    std::string t = i % 2 ? "-" : "";
    const int digits = 17 + static_cast<int>(random() % 9);
    for (int d = 0; d < digits; ++d) t += static_cast<char>('0' + random() % 10);
    t.insert(t.size() - static_cast<size_t>(random() % digits), ".");
    t += "e" + std::to_string(static_cast<int>(random() % 660) - 330);
    texts.push_back(t);
  }
  for (const std::string& t : texts) {
    char* end = nullptr;
    const double expected = c_strtod(t.c_str(), &end);
    ASSERT_EQ(*end, '\0') << t;
    if (std::isinf(expected)) {
      EXPECT_EQ(refusal(t), E::out_of_range) << t;
      continue;
    }
    EXPECT_EQ(std::bit_cast<uint64_t>(number(t)), std::bit_cast<uint64_t>(expected)) << t;
    EXPECT_EQ(std::bit_cast<uint64_t>(number(full_width(t))), std::bit_cast<uint64_t>(expected))
        << t;
  }
}

std::string items_of(std::string_view line) {
  std::string out;
  for (const NumberItem& item : read_number_items(line)) {
    out += "[" + std::string(item.text) + "]";
    if (item.error == E::none) {
      out += std::to_string(item.value);
    } else {
      EXPECT_EQ(item.value, 0.0);
      out += "!" + std::to_string(static_cast<int>(item.error));
    }
  }
  return out;
}

TEST(NumberText, LinesSplitAtBlanksAndCommas) {
  for (const char* line : {"3 -2", "3,-2", "3, -2", "3、-2", " \t3,,\r\n-2 ,\n"}) {
    EXPECT_EQ(items_of(line), "[3]3.000000[-2]-2.000000") << line;
  }
  EXPECT_EQ(items_of("３，−２"), "[３]3.000000[−２]-2.000000");
  EXPECT_EQ(items_of("１\u3000２"), "[１]1.000000[２]2.000000");
  EXPECT_EQ(items_of("1 / 2"), "[1]1.000000[/]!1[2]2.000000");
  EXPECT_EQ(items_of("x 1/0 1e999 .5"), "[x]!1[1/0]!2[1e999]!3[.5]0.500000");
  EXPECT_EQ(items_of(""), "");
  EXPECT_EQ(items_of(" ,\u3000、，\t\r\n"), "");
  const std::string long_entry = "0." + std::string(100000, '7');
  const auto items = read_number_items("1 " + long_entry + " x");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[1].text.size(), long_entry.size());
  EXPECT_EQ(items[1].value, 7.0 / 9.0);
}

TEST(NumberText, WholeNumbersNeitherRoundNorClamp) {
  // clang-format off
  const std::pair<const char*, int> cases[] = {
      {"３", 3}, {"+4", 4}, {"-0", 0}, {"2.0", 2}, {"1e1", 10}, {"6/3", 2},
      {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2.00000000000000001", 2}};
  // clang-format on
  int v = -777;
  for (auto [text, expected] : cases) {
    EXPECT_EQ(parse_whole_number(text, &v), E::none) << text;
    EXPECT_EQ(v, expected) << text;
  }
  v = -777;
  EXPECT_EQ(parse_whole_number("2.5", &v), E::not_whole);
  EXPECT_EQ(parse_whole_number("5/2", &v), E::not_whole);
  EXPECT_EQ(parse_whole_number("2147483648", &v), E::out_of_range);
  EXPECT_EQ(parse_whole_number("-2147483649", &v), E::out_of_range);
  EXPECT_EQ(parse_whole_number("1e999", &v), E::out_of_range);
  EXPECT_EQ(parse_whole_number("12abc", &v), E::not_a_number);
  EXPECT_EQ(parse_whole_number("1/0", &v), E::division_by_zero);
  EXPECT_EQ(v, -777);
}

TEST(NumberText, Notices) {
  EXPECT_EQ(number_notice_used("abc", E::not_a_number, 0.0),
            "'abc' は数値ではないので 0 とします ('abc' is not a number; 0 is used)");
  EXPECT_EQ(number_notice_again("1/0", E::division_by_zero),
            "'1/0' は 0 で割っているので、もう一度入力してください "
            "('1/0' divides by zero; please enter it again)");
  EXPECT_EQ(number_notice_again(" \u3000", E::not_a_number),
            "値がないので、もう一度入力してください (no value; please enter it again)");
  EXPECT_EQ(number_notice_again("3", E::none), "");
  // Long entries are cut at a character boundary; control characters do not reach the
  // terminal.
  EXPECT_EQ(number_notice_used("あ\x1b", E::not_a_number, 0.0).substr(0, 6), "'あ?'");
  std::string kana, cut;
  for (int i = 0; i < 30; ++i) kana += "あ";
  for (int i = 0; i < 24; ++i) cut += "あ";
  EXPECT_EQ(number_notice_again(kana, E::not_a_number).substr(0, cut.size() + 5),
            "'" + cut + "...'");
}

}  // namespace
