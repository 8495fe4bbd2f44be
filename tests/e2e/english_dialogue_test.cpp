// The texts in English: chosen by --lang en or by the locale, with no byte of a Japanese
// character anywhere in what the programs write; otherwise the Japanese of the transcripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/program_run.h"

namespace {

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

bool ascii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

// A session through every step of the dialogue: a refused error value, an entry that is not
// a number, a path that does not exist, a path that is too long, then a computation.
const char session[] = "4\n-100 0\nabc 10\ny\n7\n1\n1 200 1\n1\n0.5 2 1\nq\n";

// The locale without LC_ALL; the codeset stays UTF-8, so that no character is lost to '?'.
std::vector<std::string> locale(const char* messages, const char* lang) {
  return {"LC_ALL=", "LC_CTYPE=C.UTF-8", std::string("LC_MESSAGES=") + messages,
          std::string("LANG=") + lang};
}

ProgramRun run(const std::string& program, const std::string& input,
               const std::vector<std::string>& environment,
               const std::vector<std::string>& arguments) {
  TempDir dir;
  return run_program(program, input, dir.path(), 20, environment, arguments);
}

TEST(EnglishTexts, WholeDialogueByOptionAndByLocale) {
  const ProgramRun by_option = run(agvsim_path(), session, {}, {"--no-window", "--lang", "en"});
  const ProgramRun by_locale = run(agvsim_path(), session, locale("", "en_US.UTF-8"), no_window);
  for (const ProgramRun* r : {&by_option, &by_locale}) {
    EXPECT_EQ(r->exit_code(), 0) << r->err;
    EXPECT_TRUE(ascii(r->out)) << r->out;
    EXPECT_TRUE(ascii(r->err)) << r->err;
    for (const char* part : {"enter the value again", "'abc' is not a number", "no such path",
                             "the limit smax", "WheelBase: left-right", "Computation done"}) {
      EXPECT_TRUE(has(r->out, part)) << part;
    }
  }
  EXPECT_EQ(by_option.out, by_locale.out);
}

// LC_ALL before LC_MESSAGES before LANG; C and other languages give Japanese; --lang wins.
TEST(EnglishTexts, WhichLanguageIsChosen) {
  struct Case {
    std::vector<std::string> environment;
    std::vector<std::string> arguments;
    bool english;
  };
  const Case cases[] = {
      {{"LANG=en_US.UTF-8"}, no_window, false},  // LC_ALL=C.UTF-8 of the test runner
      {locale("en_GB.UTF-8", "ja_JP.UTF-8"), no_window, true},
      {locale("", "en"), no_window, true},
      {locale("", "de_DE.UTF-8"), no_window, false},
      {locale("", "en_US.UTF-8"), {"--no-window", "--lang", "ja"}, false},
  };
  for (const Case& c : cases) {
    const ProgramRun r = run(agvsim_path(), "0\nn\nq\n", c.environment, c.arguments);
    EXPECT_EQ(r.exit_code(), 0) << r.err;
    EXPECT_EQ(has(r.out, "Computation done"), c.english) << c.environment.back();
    EXPECT_EQ(has(r.out, "計算終了"), !c.english) << c.environment.back();
  }
}

TEST(EnglishTexts, HelpAndCommandLineErrorsOfBothPrograms) {
  for (const std::string& program : {agvsim_path(), std::string(AGV_EXPORT_EXE)}) {
    const ProgramRun help = run(program, "", {}, {"--lang", "en", "--help"});
    EXPECT_EQ(help.exit_code(), 0);
    EXPECT_TRUE(ascii(help.out)) << help.out;
    EXPECT_TRUE(has(help.out, "--lang ja|en")) << program;

    // The language is taken before the arguments are read, wherever --lang stands.
    const ProgramRun bad = run(program, "", {}, {"--path", "7", "--lang", "en"});
    EXPECT_EQ(bad.exit_code(), 2);
    EXPECT_EQ(bad.err, program.substr(program.rfind('/') + 1) +
                           ": no path number 7 (1-4, 11-16) (see --help)\n");

    const ProgramRun unknown = run(program, "", {}, {"--lang", "xx"});
    EXPECT_EQ(unknown.exit_code(), 2);
    EXPECT_TRUE(has(unknown.err, "--lang is ja or en, not 'xx'")) << unknown.err;
  }
}

}  // namespace
