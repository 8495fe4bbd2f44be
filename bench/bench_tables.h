#pragma once

#include <string>

#include "sim/normal_tables.h"

// The repository's random tables, read once.
inline const NormalTables& bench_tables() {
  static NormalTables tables;
  static bool loaded = false;
  if (!loaded) {
    for (int f = 0; f < normal_table_count; ++f) {
      const std::string path = std::string(AGV_BENCH_SOURCE_DIR "/data/") + normal_table_files[f];
      read_normal_table(path.c_str(), f, &tables, nullptr);
    }
    loaded = true;
  }
  return tables;
}
