// Input the program must survive: text where numbers are asked, non-finite and extreme
// values, paths that cannot be computed. Every run is the real program with scripted input.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "path/arc_length.h"
#include "path/path.h"
#include "support/console_texts.h"
#include "support/program_run.h"

namespace {

std::string opening() {
  return load_message + dialogue_title() + first_error_menu();
}
const std::string cosine_default = cp_change_prompt(1, 0.5, 2, 1);
const std::string cosine_report = report_path(1, 0.5, 2, 1);

// A value that is not a finite number leaves the chosen error at 0; the values before it
// on the line count.
TEST(BadInput, ErrorValuesThatAreNotNumbers) {
  struct Case {
    std::string input;
    std::string report_lines;
  };
  const Case cases[] = {
      {"1\nabc\nn\nq\n", report_error('1', 0, 0)},   {"1\n5 abc\nn\nq\n", report_error('1', 5, 0)},
      {"2\nnan\nn\nq\n", report_error('2', 0)},      {"3\n-inf\nn\nq\n", report_error('3', 0)},
      {"4\n5 inf\nn\nq\n", report_error('4', 5, 0)}, {"5\nx5\nn\nq\n", report_error('5', 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    const ProgramRun run = run_agvsim(c.input);
    ASSERT_TRUE(run.exited()) << run.err;
    EXPECT_EQ(run.out, opening() + error_choice(c.input[0]) + cosine_default + "n" +
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

// Text as a path number shows the menu again; text as a constant, also after a negative
// one, shows the prompt again and reads a new line.
TEST(BadInput, PathNumberAndConstantsThatAreNotNumbers) {
  const ProgramRun run = run_agvsim("0\ny\nabc\n3\nxyz\n-1 2\nfoo\n2 2\nq\n");
  ASSERT_TRUE(run.exited()) << run.err;
  EXPECT_EQ(run.out, opening() + error_choice('0') + cosine_default + "y" + choose_below +
                         path_menu() + path_menu() + set_constants + path_prompt(3) +
                         path_prompt(3) + path_prompt(3) + path_prompt(3) +
                         successful_end(2, report_error('0'), report_path(3, 2, 2), 'q'));
}

// The length the program measures for a path with the given constants.
std::string measured_length(const PathChoice& choice) {
  Path path;
  make_path(choice, &path);
  return format("%7.4f", arc_length(0.0, path.end_param, path));
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
      {1, "1 inf 1", 1, INFINITY, 1, too_long(1, "    inf")},
      {1, "1 nan 1", 1, NAN, 1, too_long(1, "    nan")},
      {1, "nan 2 1", NAN, 2, 1, too_long(1, measured_length({1, {NAN, 2, 1}}).c_str())},
      {11, "inf 1", INFINITY, 1, 0, too_long(11, measured_length({11, {INFINITY, 1}}).c_str())},
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
