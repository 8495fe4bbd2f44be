// Input the program must survive: text where numbers are asked, non-finite and extreme
// values, paths that cannot be computed. Every run is the real program with scripted input.
#include <gtest/gtest.h>

#include <string>

#include "support/console_texts.h"
#include "support/program_run.h"

namespace {

std::string opening() {
  return load_message + dialogue_title() + first_error_menu();
}
const std::string cosine_default = cp_change_prompt(1, 0.5, 2, 1);
const std::string cosine_report = report_path(1, 0.5, 2, 1);

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// Full-width keys answer as the half-width ones do: １ is kind 1 and ｙ yes; any other
// character is one wrong answer, and a wrong line, however long, one reprint of the menu.
TEST(BadInput, FullWidthKeysAndOneMenuPerWrongLine) {
  const ProgramRun run = run_agvsim("１\n3 4\nｙ\n11\n2 1\nq\n");
  EXPECT_EQ(run.exit_code(), 0) << run.err;
  EXPECT_EQ(count(run.out, "Error Number="), 1u) << run.out;
  EXPECT_NE(run.out.find(error_choice('1')), std::string::npos);
  EXPECT_NE(run.out.find(report_error('1', 3, 4)), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("no:n  ｙ"), std::string::npos);  // echoed whole
  EXPECT_NE(run.out.find(report_path(11, 2, 1)), std::string::npos) << run.out;

  const ProgramRun flood = run_agvsim(std::string(100000, 'x') + "\nあ\n0\nn\nq\n");
  EXPECT_EQ(flood.exit_code(), 0) << flood.err;
  EXPECT_EQ(count(flood.out, "Error Number="), 3u);
  EXPECT_LT(flood.out.size(), 20000u);
}

// An entry that is not a number leaves its error at 0 and is told in one line; the values
// before and after it on the line count.
TEST(BadInput, ErrorValuesThatAreNotNumbers) {
  struct Case {
    std::string input;
    std::string notices;
    std::string report_lines;
  };
  const Case cases[] = {
      {"1\nabc\nn\nq\n", not_a_number_zero("abc"), report_error('1', 0, 0)},
      {"1\n5 abc\nn\nq\n", not_a_number_zero("abc"), report_error('1', 5, 0)},
      {"1\nabc 5\nn\nq\n", not_a_number_zero("abc"), report_error('1', 0, 5)},
      {"2\nnan\nn\nq\n", not_a_number_zero("nan"), report_error('2', 0)},
      {"3\n-inf\nn\nq\n", not_a_number_zero("-inf"), report_error('3', 0)},
      {"4\n5 inf\nn\nq\n", not_a_number_zero("inf"), report_error('4', 5, 0)},
      {"4\nx y\nn\nq\n", not_a_number_zero("x") + not_a_number_zero("y"), report_error('4', 0, 0)},
      {"5\nx5\nn\nq\n", not_a_number_zero("x5"), report_error('5', 0)},
      {"5\n1e999\nn\nq\n",
       "\n'1e999' は範囲外の値なので 0 とします ('1e999' is out of range; 0 is used)",
       report_error('5', 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    const ProgramRun run = run_agvsim(c.input);
    ASSERT_TRUE(run.exited()) << run.err;
    EXPECT_EQ(run.out, opening() + error_choice(c.input[0]) + c.notices + cosine_default + "n" +
                           successful_end(2, c.report_lines, cosine_report, 'q'));
  }
}

// A value that describes no vehicle (a wheel or a distance of zero or less, slip beyond
// 100 %) is named and asked again; the next one is used. Slips up to 100 % compute in well
// under a second.
TEST(BadInput, ErrorValuesThatDescribeNoVehicleAreAskedAgain) {
  struct Case {
    std::string input;
    const char* fault;
    std::string report_lines;
  };
  const Case cases[] = {
      {"1\n-100 3\n-99 3\nn\nq\n",
       "後車輪半径の誤差比率が -100% 以下では車輪の半径が 0 以下になる．入力し直し (a rear wheel "
       "radius error of -100 % or less leaves no wheel; enter the value again)",
       report_error('1', -99, 3)},
      {"2\n-250\n-5\nn\nq\n", "前車輪半径の誤差比率が -100% 以下では", report_error('2', -5)},
      {"4\n-100 0\n0 -1e6\n5 10\nn\nq\n", "WheelBase 誤差比率が -100% 以下では",
       report_error('4', 5, 10)},
      {"5\n513713.5\n100\nn\nq\n",
       "滑りの速度誤差比率が 100% を超えると車両が後ろへ進む．入力し直し (a slip above 100 % would "
       "drive the vehicle backwards; enter the value again)",
       report_error('5', 100)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    const ProgramRun run = run_agvsim(c.input);
    ASSERT_TRUE(run.exited()) << run.err;
    EXPECT_LT(run.seconds, 3.0);
    const std::string choice = error_choice(c.input[0]);
    const std::string prompt = choice.substr(choice.find("を選択") + std::string("を選択").size());
    const std::string head = opening() + choice + "\n" + c.fault;
    ASSERT_EQ(run.out.substr(0, head.size()), head);
    const std::string tail =
        prompt + cosine_default + "n" + successful_end(2, c.report_lines, cosine_report, 'q');
    ASSERT_GE(run.out.size(), tail.size());
    EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
  }
}

// Text or a fraction as a path number shows the menu again; text (or what is not finite) as
// a constant, also after a negative one, shows the prompt again and reads a new line. Each
// refused entry is told in one line.
TEST(BadInput, PathNumberAndConstantsThatAreNotNumbers) {
  const ProgramRun run = run_agvsim("0\ny\nabc\n2.5\n3\nxyz\n-1 2\n1 inf\nnan 2\nfoo\n2 2\nq\n");
  ASSERT_TRUE(run.exited()) << run.err;
  EXPECT_EQ(run.out,
            opening() + error_choice('0') + cosine_default + "y" + choose_below + path_menu() +
                not_a_number_again("abc") + path_menu() +
                "\n'2.5' は整数ではないので、もう一度入力してください ('2.5' is not a whole "
                "number; please enter it again)" +
                path_menu() + set_constants + path_prompt(3) + not_a_number_again("xyz") +
                path_prompt(3) + path_prompt(3) + not_a_number_again("inf") + path_prompt(3) +
                not_a_number_again("nan") + path_prompt(3) + not_a_number_again("foo") +
                path_prompt(3) + successful_end(2, report_error('0'), report_path(3, 2, 2), 'q'));
}

// Constants that give no computable path are refused at once, and the path is asked again.
TEST(BadInput, PathsThatCannotBeComputedAreRefused) {
  struct Case {
    int I;
    const char* constants;
    double a, b, c;  // as the path's lines print them
    std::string refusal;
  };
  const Case cases[] = {
      {1, "1 0 1", 1, 0, 1, too_short(1)},
      {2, "2 0", 2, 0, 0, too_short(2)},
      {3, "2 0", 2, 0, 0, too_short(3)},
      {4, "1 0", 1, 0, 0, too_short(4)},
      {12, "1 0", 1, 0, 0, too_short(12)},
      {13, "0", 0, 1.2, 0, too_short(13)},
      {15, "1 0", 1, 0, 0, too_short(15)},
      {1, "1e-300 1e-300 1", 1e-300, 1e-300, 1, too_short(1)},
      {14, "1 0", 1, 0, 0, too_long(14, "    inf")},
      {15, "1 1e5", 1, 1e5, 0, end_param_too_large(15, "628319")},
      {15, "1 1e9", 1, 1e9, 0, end_param_too_large(15, "6.28319e+09")},
      {1, "1e300 1e300 1", 1e300, 1e300, 1, end_param_too_large(1, "1e+300")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.I) + ": " + c.constants);
    const ProgramRun run = run_agvsim("0\ny\n" + std::to_string(c.I) + "\n" + c.constants + "\n");
    ASSERT_TRUE(run.exited()) << run.err;
    EXPECT_EQ(run.exit_code(), 1);  // the input ends at the path menu shown again
    EXPECT_LT(run.seconds, 1.0);
    EXPECT_EQ(run.out, opening() + error_choice('0') + cosine_default + "y" + choose_below +
                           path_menu() + set_constants + path_prompt(c.I) +
                           settings_report(2, report_error('0'), report_path(c.I, c.a, c.b, c.c)) +
                           "\n" + c.refusal + path_retry(c.I, c.a, c.b, c.c) + path_menu());
  }
}

}  // namespace
