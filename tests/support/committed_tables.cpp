#include "support/committed_tables.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/normal_tables.h"

void load_committed_tables() {
  const char* names[5] = {"normal01.data", "normal12.data", "normal23.data", "normal34.data",
                          "normal45.data"};
  for (int f = 0; f < 5; ++f) {
    const std::string path = std::string(AGV_TEST_SOURCE_DIR) + "/data/" + names[f];
    std::string error;
    ASSERT_TRUE(read_normal_table(path.c_str(), f, &error)) << path << ": " << error;
  }
}
