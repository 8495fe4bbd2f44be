// Start-up loading of the conversion tables, with the console messages.
#include <cstdlib>

#include "platform/console.h"
#include "sim/normal_tables.h"

void load_normal_tables() {
  for (int f = 0; f < normal_table_count; ++f) {
    const std::string path = find_normal_table(normal_table_files[f]);
    std::string reason;
    if (!read_normal_table(path.c_str(), f, &reason)) {
      console_error("\n乱数変換表 %s を読み込めない: %s\n(cannot read random table %s)\n",
                    path.c_str(), reason.c_str(), path.c_str());
      std::exit(1);
    }
  }
  console_print("\nランダム変換表読み込み完了");
}
