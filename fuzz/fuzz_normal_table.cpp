// The random table reader on any file contents. A table read has its rows within the
// capacity, finite numbers and strictly ascending keys; a refused one stays as it was.
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "sim/normal_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The contents as a file in memory, opened by name like any table.
  static const int fd = memfd_create("normal_table", 0);
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);
  if (fd < 0 || ftruncate(fd, 0) != 0 ||
      (size > 0 && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))) {
    std::abort();
  }
  static NormalTables tables;
  const int f = size > 0 ? data[0] % normal_table_count : 0;
  NormalTables before;
  std::memcpy(&before, &tables, sizeof tables);
  std::string error;
  if (!read_normal_table(path.c_str(), f, &tables, &error)) {
    if (error.empty() || std::memcmp(&before, &tables, sizeof tables) != 0) std::abort();
    return 0;
  }
  const int last = tables.normal_tab_last[f];
  if (last < 1 || last >= normal_table_rows) std::abort();
  for (int i = 0; i <= last; ++i) {
    const normal_row& r = tables.normal_tab[f][i];
    if (!std::isfinite(r.value) || !std::isfinite(r.key)) std::abort();
    if (i > 0 && !(r.key > tables.normal_tab[f][i - 1].key)) std::abort();
  }
  return 0;
}
