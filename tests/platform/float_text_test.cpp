#include "platform/float_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::string by_printf(double v) {
  char text[32];
  return std::string(text, write_shortest_by_printf(text, text + sizeof text, v));
}

std::string by_library(double v) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
}

// Random bit patterns (every exponent equally often, subnormals, NaNs and infinities
// among them), then the edges: powers of two, where the doubles below lie closer than
// those above; the subnormals' own powers; the largest and smallest; ties in the last digit.
TEST(FloatText, ShortestTextIsTheLibrarysForAnyDouble) {
#ifdef _WIN32
  GTEST_SKIP() << "the stand-ins serve the browser build; Windows' printf rounds otherwise";
#endif
  std::mt19937_64 random(20261208);
  std::vector<double> values;
  for (int i = 0; i < 1'000'000; ++i) values.push_back(std::bit_cast<double>(random()));
  for (int e = -1074; e <= 1023; ++e) {
    const double p = std::ldexp(1.0, e);
    values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, 2 * p), 3 * p});
  }
  for (double v : {0.0, -0.0, 0.1, 0.3, 1e-5, 1e-4, 1e15, 1e16, 1e21, 1e22, 1e23, 5e-324,
                   123456789012345678901.0, 9007199254740993.0, 0.5, 2.5e-7, 1.0 / 3.0,
                   std::numeric_limits<double>::max(), std::numeric_limits<double>::min()})
    values.insert(values.end(), {v, -v});
  int wrong = 0;
  for (const double v : values) {
    if (by_printf(v) != by_library(v) && ++wrong <= 10)
      ADD_FAILURE() << std::bit_cast<std::uint64_t>(v) << ": " << by_printf(v) << " / "
                    << by_library(v);
  }
  EXPECT_EQ(wrong, 0);
}

TEST(FloatText, ReadsAsTheLibraryReads) {
#ifdef _WIN32
  GTEST_SKIP() << "the stand-ins serve the browser build; Windows' strtod rounds otherwise";
#endif
  for (const std::string text : {"0",
                                 "-0",
                                 "1.5",
                                 ".5",
                                 "3.",
                                 "1e-3",
                                 "2E+5",
                                 "1e",
                                 "1e+",
                                 "12abc",
                                 "-",
                                 ".",
                                 "+1",
                                 " 1",
                                 "1e-400",
                                 "-1e-400",
                                 "1e-310",
                                 "1e999",
                                 "0e999999",
                                 "000.000e5",
                                 "4.9406564584124654e-324",
                                 "2.4703282292062327e-324",
                                 "1.7976931348623158e308",
                                 "1.7976931348623159e308",
                                 "0.30000000000000004",
                                 "9007199254740993",
                                 "1..2",
                                 "x"}) {
    double a = -7.0, b = -7.0;
    const char* end = text.data() + text.size();
    const auto mine = read_double_by_strtod(text.data(), end, a);
    const auto library = std::from_chars(text.data(), end, b, std::chars_format::general);
    EXPECT_EQ(mine.ec, library.ec) << text;
    EXPECT_EQ(mine.ptr - text.data(), library.ptr - text.data()) << text;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(a), std::bit_cast<std::uint64_t>(b)) << text;
  }
}

TEST(FloatText, FixedDecimalsAsPrintf) {
  char text[32];
  EXPECT_EQ(std::string(text, write_fixed(text, text + sizeof text, 2.375, 2)), "2.38");
  EXPECT_EQ(std::string(text, write_fixed(text, text + sizeof text, 0.125, 2)), "0.12");
  EXPECT_EQ(write_fixed(text, text + 3, 1234.5, 2), text + 3);
}

}  // namespace

// Thousandths written from the whole number are the library's shortest text of k / 1000,
// over the whole range it is used for (every k near the ends and zero, random ones between).
TEST(FloatText, ThousandthsAsTheShortestText) {
  std::mt19937_64 random(20261209);
  std::vector<long long> ks;
  for (long long k = -2000; k <= 2000; ++k) ks.push_back(k);
  for (long long k = 9'998'000; k < 10'000'000; ++k) ks.insert(ks.end(), {k, -k});
  for (int i = 0; i < 1'000'000; ++i)
    ks.push_back(static_cast<long long>(random() % 19'999'999) - 9'999'999);
  int wrong = 0;
  for (const long long k : ks) {
    char text[32];
    const std::string fast(text, write_thousandths(text, text + sizeof text, k));
    const double v = static_cast<double>(k) / 1000.0;
    if (fast != by_library(v == 0.0 ? 0.0 : v) && ++wrong <= 10) ADD_FAILURE() << k << ": " << fast;
  }
  EXPECT_EQ(wrong, 0);
}
