// Where the program finds its random tables, and what it says when one cannot be read.
#include "control/table_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "control/session.h"
#include "control/startup.h"
#include "support/temp_dir.h"

namespace {

TEST(TableFiles, WorkingDirectoryWinsOverTheDataFolder) {
  TempDir dir;
  dir.write("normal12.data", "1\n0 0.1\n1 0.2\n");
  const std::filesystem::path old_cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const std::string in_cwd = find_normal_table("normal12.data", "");
  std::filesystem::current_path(old_cwd);
  EXPECT_EQ(in_cwd, "normal12.data");
  EXPECT_EQ(find_normal_table("normal12.data", ""), AGV_TEST_SOURCE_DIR "/data/normal12.data");
  EXPECT_EQ(find_normal_table("normal34.data", dir.path()), dir.path() + "/normal34.data");
}

TEST(TableFilesDeathTest, LoadFailureNamesTheFileAndExits) {
  TempDir empty;
  auto tables = std::make_unique<NormalTables>();
  Session session;
  EXPECT_EXIT(startup(tables.get(), &session, empty.path()), testing::ExitedWithCode(1),
              "normal01\\.data");
}

}  // namespace
