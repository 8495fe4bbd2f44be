// Every command line of the lecturer's guides runs as written (the lines of their ```sh
// blocks), each in a scratch directory: an agvsim-export command succeeds and writes the
// files it names; an agvsim command opens its window and ends with status 0 on ESC.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "gui_support/x_program.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// The command lines of a guide, in order, each once.
std::vector<std::string> commands(const std::string& guide) {
  std::ifstream in(std::string(AGV_TEST_SOURCE_DIR) + "/docs/" + guide);
  std::vector<std::string> found;
  std::set<std::string> seen;
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("```", 0) == 0) {
      inside = !inside && line == "```sh";
    } else if (inside && !line.empty() && seen.insert(line).second) {
      found.push_back(line);
    }
  }
  return found;
}

// The options a program's --help names.
std::set<std::string> known_options(const std::string& program) {
  TempDir dir;
  const ProgramRun run = run_program(program, "", dir.path(), 10, {}, {"--help"});
  std::set<std::string> options;
  const std::string text = run.out + run.err;
  const std::regex option("--[a-z][a-z-]*");
  for (std::sregex_iterator i(text.begin(), text.end(), option), end; i != end; ++i)
    options.insert(i->str());
  return options;
}

std::string magic(const std::string& file) {
  char bytes[5] = {};
  std::ifstream(file, std::ios::binary).read(bytes, 4);
  return bytes;
}

TEST(Guide, EveryCommandRunsAsWritten) {
  const std::vector<std::string> lines = commands("guide.ja.md");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(commands("guide.en.md"), lines) << "the guides show different commands";
  const std::set<std::string> known[2] = {known_options(AGV_AGVSIM_EXE),
                                          known_options(AGV_EXPORT_EXE)};
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    std::istringstream split(line);
    std::vector<std::string> words;
    for (std::string w; split >> w;) words.push_back(w);
    const bool window = words[0] == "agvsim";
    ASSERT_TRUE(window || words[0] == "agvsim-export") << "not a command of agvsim";
    const std::vector<std::string> args(words.begin() + 1, words.end());
    for (const std::string& w : args)
      EXPECT_TRUE(w.rfind("--", 0) != 0 || known[!window].count(w)) << w << " not in --help";
    TempDir dir;
    if (window) {
      XProgram p(AGV_AGVSIM_EXE, args, dir.path());
      ASSERT_TRUE(p.wait_window()) << p.err();
      p.keys({"Escape"});
      const int status = p.wait_end();
      EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
      continue;
    }
    const ProgramRun run = run_program(AGV_EXPORT_EXE, "", dir.path(), 120, {}, args);
    EXPECT_EQ(run.exit_code(), 0) << run.err;
    for (size_t i = 0; i + 1 < args.size(); ++i) {
      const std::string file = dir.path() + "/" + args[i + 1];
      if (args[i] == "--out") {
        EXPECT_TRUE(fs::exists(file) && fs::file_size(file) > 0) << file;
      } else if (args[i] == "--png") {
        EXPECT_EQ(magic(file), "\x89PNG") << file;
      } else if (args[i] == "--gif") {
        EXPECT_EQ(magic(file), "GIF8") << file;
      }
    }
  }
}

}  // namespace
