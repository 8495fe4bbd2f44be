// Whole console sessions of the real program with scripted input (a pipe, not a terminal):
// its standard output byte for byte against transcripts written from the dialogue's texts.
// Without a display the program ends where it would open the window.
#include <gtest/gtest.h>

#include <string>

#include "path/arc_length.h"
#include "path/path.h"
#include "support/console_texts.h"
#include "support/program_run.h"

namespace {

// What every session starts with: the tables, the title and the first error menu.
std::string opening() {
  return load_message + dialogue_title() + first_error_menu();
}

const std::string cosine_default = cp_change_prompt(1, 0.5, 2, 1);
const std::string no_error = report_error('0');
const std::string quadratic_2_2 = report_path(3, 2, 2);
// Choosing path 3 with A = 2, L = 2 from the path menu (menu already shown).
const std::string choose_quadratic = set_constants + path_prompt(3);

// The length of the cosine path 1 with the given constants, as the program measures it.
std::string cosine_length(double A, double L, double n) {
  Path path;
  make_path({1, {A, L, n}}, &path);
  return format("%7.4f", arc_length(0.0, path.end_param, path));
}

struct Session {
  const char* name;
  std::string input;
  std::string expected;
};

TEST(Transcript, SessionsThatEndAtTheWindow) {
  const Session sessions[] = {
      {"kind 0, path kept", "0\nn\nq\n",
       opening() + error_choice('0') + cosine_default + "n" +
           successful_end(2, no_error, report_path(1, 0.5, 2, 1), 'q')},
      {"kind 1, path 0 then 3", "1\n3 -2\ny\n0\n3\n2 2\nq\n",
       opening() + error_choice('1') + cosine_default + "y" + choose_below + path_menu() +
           path_menu() + choose_quadratic +
           successful_end(2, report_error('1', 3, -2), quadratic_2_2, 'q')},
      {"kind 3, path 7 then a rose with a negative n", "3\n1\ny\n7\n14\n1 -2\n1 0.5\nq\n",
       opening() + error_choice('3') + cosine_default + "y" + choose_below + path_menu() +
           set_constants + not_a_path(7) + path_menu() + set_constants + path_prompt(14) +
           path_prompt(14) + successful_end(2, report_error('3', 1), report_path(14, 1, 0.5), 'q')},
      {"keys that are not an error kind", "9\nx 0\nn\nq\n",
       opening() + first_error_menu() + first_error_menu() + first_error_menu() +
           error_choice('0') + cosine_default + "n" +
           successful_end(2, no_error, report_path(1, 0.5, 2, 1), 'q')},
      {"kind 4", "4\n5 10\nn\nq\n",
       opening() + error_choice('4') + cosine_default + "n" +
           successful_end(2, report_error('4', 5, 10), report_path(1, 0.5, 2, 1), 'q')},
      {"kind 5", "5\n7.5\nn\nq\n",
       opening() + error_choice('5') + cosine_default + "n" +
           successful_end(2, report_error('5', 7.5), report_path(1, 0.5, 2, 1), 'q')},
      {"values over several lines, the rest of a line ignored",
       "1\n3\n\n-2 99\ny\n3 1\n2\n\n2 5\nq\n",
       opening() + error_choice('1') + cosine_default + "y" + choose_below + path_menu() +
           choose_quadratic + successful_end(2, report_error('1', 3, -2), quadratic_2_2, 'q')},
      {"a path too long, then another", "0\ny\n1\n0.5 5 20\n3\n2 2\nq\n",
       opening() + error_choice('0') + cosine_default + "y" + choose_below + path_menu() +
           set_constants + path_prompt(1) +
           settings_report(2, no_error, report_path(1, 0.5, 5, 20)) + "\n" +
           too_long(1, cosine_length(0.5, 5, 20).c_str()) + path_retry(1, 0.5, 5, 20) +
           path_menu() + choose_quadratic + successful_end(2, no_error, quadratic_2_2, 'q')},
      {"a path that overflows the store, then another", "0\ny\n15\n1 9\n3\n2 2\nq\n",
       opening() + error_choice('0') + cosine_default + "y" + choose_below + path_menu() +
           set_constants + path_prompt(15) + settings_report(2, no_error, report_path(15, 1, 9)) +
           "\n" + computing + store_overflow(15, 2) + path_retry(15, 1, 9) + path_menu() +
           choose_quadratic + successful_end(2, no_error, quadratic_2_2, 'q')},
  };
  EXPECT_EQ(cosine_length(0.5, 5, 20), "109.2384");
  for (const Session& s : sessions) {
    SCOPED_TRACE(s.name);
    const ProgramRun run = run_agvsim(s.input);
    ASSERT_TRUE(run.exited()) << "status " << run.status << "\n" << run.err;
    EXPECT_EQ(run.exit_code(), 0);  // --no-window: it ends where the window would open
    EXPECT_EQ(run.out, s.expected);
  }
}

// End of input wherever the program waits: stdout up to that point, a message on stderr,
// status 1 at once.
TEST(Transcript, EndOfInputStopsTheProgram) {
  const std::string after_no = opening() + error_choice('0') + cosine_default + "n";
  const Session sessions[] = {
      {"at the error key", "", opening()},
      {"before the second value", "1\n3", opening() + error_choice('1')},
      {"at the yes/no key", "0", opening() + error_choice('0') + cosine_default},
      {"at the path number", "0y\n",
       opening() + error_choice('0') + cosine_default + "y" + choose_below + path_menu()},
      {"at the constants", "0y3\n",
       opening() + error_choice('0') + cosine_default + "y" + choose_below + path_menu() +
           choose_quadratic},
      {"at the last key", "0n",
       after_no + settings_report(2, no_error, report_path(1, 0.5, 2, 1)) + "\n" +
           computation_and_key_help()},
  };
  for (const Session& s : sessions) {
    SCOPED_TRACE(s.name);
    const ProgramRun run = run_agvsim(s.input);
    ASSERT_TRUE(run.exited()) << run.err;
    EXPECT_EQ(run.exit_code(), 1);
    EXPECT_LT(run.seconds, 1.0);
    EXPECT_EQ(run.err,
              "\n入力が終わりました。プログラムを終了します。(end of input: the program stops)\n");
    EXPECT_EQ(run.out, s.expected);
  }
}

}  // namespace
