// A console whose locale is Shift-JIS gets the program's texts in code page 932: the same
// session as in a UTF-8 locale, converted by the system's iconv tool, byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/program_run.h"

namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(ShiftJisTerminal, TextsArriveInCodePage932) {
  TempDir dir;
  const std::string locales = dir.path() + "/locales";
  // A Japanese Shift-JIS locale of our own, so the test needs no locale installed.
  const std::string make_locale = "mkdir -p " + locales + " && localedef -i ja_JP -f SHIFT_JIS " +
                                  locales + "/ja_JP.SJIS >/dev/null 2>&1";
  // localedef warns that Shift-JIS is not ASCII compatible and exits non-zero for it; what
  // counts is whether the locale was written.
  [[maybe_unused]] const int status = std::system(make_locale.c_str());
  if (std::ifstream(locales + "/ja_JP.SJIS/LC_CTYPE").fail()) {
    GTEST_SKIP() << "localedef cannot make a ja_JP Shift-JIS locale here";
  }

  // The first run with kind 0 and 'n', and one with a path change and a refusal.
  for (const char* script : {"0n\nk", "2\n5\ny1\n0.5 5 20\n3\n2 2\nk"}) {
    const ProgramRun utf8 = run_agvsim(script);
    const ProgramRun sjis = run_program(agvsim_path(), script, dir.path(), 20,
                                        {"LOCPATH=" + locales, "LC_ALL=ja_JP.SJIS"}, no_window);
    ASSERT_FALSE(sjis.timed_out);

    const std::string utf8_file = dir.path() + "/utf8.txt";
    const std::string cp932_file = dir.path() + "/cp932.txt";
    std::ofstream(utf8_file, std::ios::binary) << utf8.out;
    const std::string convert = "iconv -f UTF-8 -t CP932 " + utf8_file + " > " + cp932_file;
    ASSERT_EQ(std::system(convert.c_str()), 0);
    const std::string expected = read_file(cp932_file);
    EXPECT_GT(utf8.out.size(), 1000u);
    EXPECT_NE(expected, utf8.out);  // the texts are Japanese: the bytes must change
    EXPECT_EQ(sjis.out, expected) << script;
  }
}

}  // namespace
