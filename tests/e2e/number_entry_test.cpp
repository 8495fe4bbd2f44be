// Numbers as people type them: fractions, full-width forms from a Japanese input method,
// commas, and lines ended by CR alone. Each script must give the program's output for the
// same answers in plain ASCII with LF line ends, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "support/console_texts.h"
#include "support/program_run.h"

namespace {

TEST(NumberEntry, TypedFormsGiveWhatPlainNumbersGive) {
  struct Case {
    const char* typed;
    const char* plain;
  };
  const Case cases[] = {
      {"1\n3,-2\nn\nq\n", "1\n3 -2\nn\nq\n"},
      {"1\n３ −２\nn\nq\n", "1\n3 -2\nn\nq\n"},
      {"4\n５、１０\nn\nq\n", "4\n5 10\nn\nq\n"},
      {"0\ny\n１４\n１　１／２\nq\n", "0\ny\n14\n1 0.5\nq\n"},
      {"0\ny\n12\n1, 3/2\nq\n", "0\ny\n12\n1 1.5\nq\n"},
      {"0y11\r2 1\rx", "0y11\n2 1\nx"},
      {"5\r\n7.5\r\nn\r\nq\r\n", "5\n7.5\nn\nq\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const ProgramRun typed = run_agvsim(c.typed);
    const ProgramRun plain = run_agvsim(c.plain);
    ASSERT_TRUE(typed.exited()) << typed.err;
    EXPECT_EQ(typed.err, plain.err);
    EXPECT_EQ(typed.out, plain.out);
    EXPECT_NE(typed.out.find(computing), std::string::npos);  // it got as far as computing
  }
  // The rose's prompt offers n = 1/2: the report shows it as 0.50.
  const ProgramRun rose = run_agvsim("0\ny\n14\n1 1/2\nq\n");
  EXPECT_NE(rose.out.find(report_path(14, 1, 0.5)), std::string::npos) << rose.out;
}

}  // namespace
