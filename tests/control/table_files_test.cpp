// Where the program finds its random tables, and what it says when one cannot be read.
#include "control/table_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "control/session.h"
#include "control/startup.h"

namespace {

struct ScratchDir {
  char path[32] = "/tmp/agv_tables_XXXXXX";
  ScratchDir() { EXPECT_NE(mkdtemp(path), nullptr); }
  ~ScratchDir() { std::filesystem::remove_all(path); }
};

TEST(TableFiles, WorkingDirectoryWinsOverTheDataFolder) {
  ScratchDir dir;
  std::ofstream(std::string(dir.path) + "/normal12.data") << "1\n0 0.1\n1 0.2\n";
  const std::string old_cwd = std::filesystem::current_path();
  ASSERT_EQ(chdir(dir.path), 0);
  const std::string in_cwd = find_normal_table("normal12.data", "");
  ASSERT_EQ(chdir(old_cwd.c_str()), 0);
  EXPECT_EQ(in_cwd, "normal12.data");
  EXPECT_EQ(find_normal_table("normal12.data", ""), AGV_TEST_SOURCE_DIR "/data/normal12.data");
  EXPECT_EQ(find_normal_table("normal34.data", dir.path), std::string(dir.path) + "/normal34.data");
}

TEST(TableFilesDeathTest, LoadFailureNamesTheFileAndExits) {
  ScratchDir empty;
  auto tables = std::make_unique<NormalTables>();
  Session session;
  EXPECT_EXIT(startup(tables.get(), &session, empty.path), testing::ExitedWithCode(1),
              "normal01\\.data");
}

}  // namespace
