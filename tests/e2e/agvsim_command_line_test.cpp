// agvsim's own command line: a scenario instead of the first dialogue, the window options
// and the display checked before anything is asked, --help.
#include <gtest/gtest.h>

#include <string>

#include "support/program_run.h"

namespace {

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

ProgramRun agvsim(const std::vector<std::string>& args,
                  const std::vector<std::string>& environment = {}) {
  TempDir dir;
  return run_program(agvsim_path(), "", dir.path(), 20, environment, args);
}

TEST(AgvsimCommandLine, NoDisplayStopsBeforeTheFirstQuestion) {
  for (const auto& env : {std::vector<std::string>{}, {"DISPLAY=:4711"}}) {
    const ProgramRun run = agvsim({}, env);
    EXPECT_EQ(run.exit_code(), 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(has(run.err, "描画ウィンドウを開けない")) << run.err;
    EXPECT_TRUE(has(run.err, "cannot open the window")) << run.err;
  }
}

TEST(AgvsimCommandLine, BadOptionsStopBeforeTheFirstQuestion) {
  const std::vector<std::string> bad[] = {
      {"-geometry", "abc"},
      {"-geometry", "32767x32767"},
      {"-display"},
      {"--sweep", "1", "0", "1", "1"},
      {"--out", "x.csv"},
      {"--path", "5"},
      {"--frobnicate"},
      // Options of the exporter do nothing here: refused, not silently dropped.
      {"--no-window", "--png", "x.png"},
      {"--gif", "x.gif", "--size", "64x64"},
      {"--no-window", "--wheels", "w.csv"},
      {"--no-window", "--path", "1", "--const", "ellipse_A=3"},
  };
  for (const auto& args : bad) {
    const ProgramRun run = agvsim(args, {"DISPLAY=:4711"});
    EXPECT_EQ(run.exit_code(), 2) << args[0];
    EXPECT_EQ(run.out, "") << args[0];
    EXPECT_TRUE(has(run.err, "agvsim: ")) << run.err;
  }
  // The largest window is told: one that stays responsive.
  EXPECT_TRUE(has(agvsim({"-geometry", "4097x100"}).err, "sides 1-4096"));
}

TEST(AgvsimCommandLine, VersionAnywhere) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--version"}, {"--no-window", "--version"}}) {
    const ProgramRun run = agvsim(args);
    EXPECT_EQ(run.exit_code(), 0) << run.err;
    EXPECT_TRUE(has(run.out, "agvsim ")) << run.out;
    EXPECT_EQ(run.err, "");
  }
}

TEST(AgvsimCommandLine, HelpListsOptionsAndWindowKeys) {
  const ProgramRun run = agvsim({"--help"});
  EXPECT_EQ(run.exit_code(), 0);
  for (const char* part : {"--path", "--const", "--error", "--tables", "--no-window", "-geometry",
                           "space", "ESC", "使い方"}) {
    EXPECT_TRUE(has(run.out, part)) << part;
  }
}

// A scenario is computed without asking anything (standard input is empty); its settings
// report is printed. A path that is refused ends the program with status 3.
TEST(AgvsimCommandLine, ScenarioInsteadOfTheDialogue) {
  const ProgramRun run =
      agvsim({"--no-window", "--path", "11", "--const", "ellipse_A=3", "--error", "3", "0.5"});
  EXPECT_EQ(run.exit_code(), 0) << run.err;
  EXPECT_FALSE(has(run.out, "Error Number="));
  EXPECT_TRUE(has(run.out, "A=3.00 B=1.00")) << run.out;
  EXPECT_TRUE(has(run.out, "0.50")) << run.out;

  const ProgramRun refused = agvsim({"--no-window", "--path", "1", "--const", "cosine_L=200"});
  EXPECT_EQ(refused.exit_code(), 3);
  EXPECT_FALSE(has(refused.out, "Error Number="));
  EXPECT_NE(refused.err, "");
}

}  // namespace
