// Legend and chart labels: digits written into the templates with truncation.
#include "display/label_digits.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double rad = 0.0174532925;  // the dialogue's degrees-to-radians factor

struct Case {
  std::function<void(label_text&)> make;
  const char* text;
};

TEST(LabelDigits, TemplatesFilledDigitByDigit) {
  const Case cases[] = {
      // Two ratios: blank sign for the left, minus for the right.
      {[](label_text& o) { percent_pair_label(o, 0.05, -0.03); }, "( 05,-03)%\n"},
      {[](label_text& o) { percent_pair_label(o, 0.29, 0.0); }, "( 28, 00)%\n"},  // 28.99999
      // 100 % and more: every digit of the integer part, from the sign position on.
      {[](label_text& o) { percent_pair_label(o, 1.5, -0.03); }, "(150,-03)%\n"},
      {[](label_text& o) { percent_pair_label(o, -12.34, 1.0); }, "(-1234,100)%\n"},
      // A value that is not whole shows its decimals, two at most.
      {[](label_text& o) { percent_pair_label(o, 0.025, -0.03); }, "( 2.5,-03)%\n"},
      {[](label_text& o) { percent_pair_label(o, -12.345, 0.0); }, "(-1234.5, 00)%\n"},
      {[](label_text& o) { percent_pair_label(o, nan, -inf); }, "( ?\?,-?\?)%\n"},
      {[](label_text& o) { percent_pair_label(o, 1e20, 0.01); }, "( ?\?, 01)%\n"},
      // One ratio; the slip's sign position stays blank.
      {[](label_text& o) { percent_label(o, 0.05, false); }, " 05%\n"},
      {[](label_text& o) { percent_label(o, -0.05, false); }, " 05%\n"},
      {[](label_text& o) { percent_label(o, 0.12, true); }, " 12%\n"},
      {[](label_text& o) { percent_label(o, -0.12, true); }, "-12%\n"},
      {[](label_text& o) { percent_label(o, 0.009, true); }, " 0.9%\n"},
      {[](label_text& o) { percent_label(o, 0.0012345, true); }, " 0.12%\n"},
      {[](label_text& o) { percent_label(o, -2.0, true); }, "-200%\n"},
      // Drift angles, 0.01 rad added before truncating.
      {[](label_text& o) { drift_label(o, 1.0 * rad); }, " 01[deg]\n"},
      {[](label_text& o) { drift_label(o, 10.0 * rad); }, " 10[deg]\n"},
      {[](label_text& o) { drift_label(o, 0.5 * rad); }, " 0.5[deg]\n"},
      {[](label_text& o) { drift_label(o, -2.25 * rad); }, "-2.25[deg]\n"},
      {[](label_text& o) { drift_label(o, -1.0 * rad); }, "-01[deg]\n"},
      {[](label_text& o) { drift_label(o, 120.0 * rad); }, "120[deg]\n"},
      {[](label_text& o) { drift_label(o, nan); }, " ?\?[deg]\n"},
      // Paths.
      {[](label_text& o) { path_label(o, 4); }, "I=4"},
      {[](label_text& o) { path_label(o, 13); }, "I=13\n"},
      {[](label_text& o) { path_label(o, 100); }, "I=?\?"},
  };
  for (const Case& c : cases) {
    label_text out;
    c.make(out);
    EXPECT_STREQ(out, c.text);
  }
}

TEST(LabelDigits, SecondsLabelsAndTheirWidth) {
  const struct {
    long long seconds;
    const char* text;
    int digits;
  } cases[] = {{7, "7s\n", 1}, {0, "0s\n", 1}, {23, "23s\n\n", 2}, {123, "123s\n\n", 3}};
  for (const auto& c : cases) {
    label_text out;
    EXPECT_EQ(seconds_label(out, c.seconds), c.digits) << c.seconds;
    EXPECT_STREQ(out, c.text) << c.seconds;
  }
}

TEST(LabelDigits, DigitsOutsideZeroToNineAreHeldInRange) {
  EXPECT_EQ(digit_char(-1), '0');
  EXPECT_EQ(digit_char(10), '9');  // never the table's 's'
}

}  // namespace
