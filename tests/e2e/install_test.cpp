// Where the program finds its random tables: the working directory first, else the share
// folder of an installation beside the executable.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/console_texts.h"
#include "support/program_run.h"

namespace fs = std::filesystem;

namespace {

const char* const table_names[5] = {"normal01.data", "normal12.data", "normal23.data",
                                    "normal34.data", "normal45.data"};

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void write_file(const fs::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

TEST(Install, InstalledProgramReadsItsInstalledTables) {
  TempDir prefix, workdir;
  const fs::path log = fs::path(workdir.path()) / "install.log";
  const std::string command = std::string("\"") + AGV_CMAKE_COMMAND + "\" --install \"" +
                              AGV_TEST_BINARY_DIR + "\" --prefix \"" + prefix.path() + "\" > \"" +
                              log.string() + "\" 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command << "\n" << contents(log);
  fs::remove(log);
  const fs::path bin = fs::path(prefix.path()) / "bin" / "agvsim";
  const fs::path share = fs::path(prefix.path()) / "share" / "agvsim";
  ASSERT_TRUE(fs::exists(bin));
  for (const char* name : table_names) {
    EXPECT_EQ(contents(share / name), contents(fs::path(AGV_TEST_SOURCE_DIR) / "data" / name))
        << name;
  }

  // From an empty directory: the tables are found, the dialogue starts.
  const ProgramRun run = run_program(bin.string(), "", workdir.path(), 20, {}, no_window);
  EXPECT_EQ(run.exit_code(), 1);  // end of input at the error key
  EXPECT_EQ(run.out, load_message + dialogue_title() + first_error_menu());

  // They are the installed ones: a spoilt installed table stops the start.
  write_file(share / "normal45.data", "not a table\n");
  const ProgramRun spoilt = run_program(bin.string(), "", workdir.path(), 20, {}, no_window);
  EXPECT_TRUE(spoilt.exited());
  EXPECT_NE(spoilt.exit_code(), 0);
  EXPECT_EQ(spoilt.out.find(load_message), std::string::npos);
  EXPECT_NE((spoilt.out + spoilt.err).find("normal45.data"), std::string::npos)
      << spoilt.out << spoilt.err;
}

TEST(Install, TablesInTheWorkingDirectoryComeFirst) {
  TempDir workdir;
  write_file(fs::path(workdir.path()) / "normal01.data", "1\n0 0\n");
  const ProgramRun run = run_program(agvsim_path(), "", workdir.path(), 20, {}, no_window);
  EXPECT_TRUE(run.exited());
  EXPECT_NE(run.exit_code(), 0);
  EXPECT_EQ(run.out.find(load_message), std::string::npos);
  EXPECT_NE((run.out + run.err).find("normal01.data"), std::string::npos) << run.out << run.err;
}

}  // namespace
