#include "support/committed_tables.h"

#include <gtest/gtest.h>

#include <string>

const NormalTables& committed_tables() {
  static NormalTables tables;
  static bool loaded = false;
  if (!loaded) {
    for (int f = 0; f < normal_table_count; ++f) {
      const std::string path = std::string(AGV_TEST_SOURCE_DIR) + "/data/" + normal_table_files[f];
      std::string error;
      EXPECT_TRUE(read_normal_table(path.c_str(), f, &tables, &error)) << path << ": " << error;
    }
    loaded = true;
  }
  return tables;
}
