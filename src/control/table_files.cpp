#include "control/table_files.h"

#include "platform/catalogue.h"
#include "platform/executable.h"
#include "platform/file_system.h"

std::string find_normal_table(const char* name, const std::string& dir) {
  if (!dir.empty()) return dir + "/" + name;
  if (is_regular_file(name)) return name;
  const std::string exe_dir = executable_dir();
  if (!exe_dir.empty()) {
    const std::string installed = exe_dir + AGV_DATA_FROM_BIN + "/" + name;
    if (is_regular_file(installed)) return installed;
  }
  const std::string source = std::string(AGV_SOURCE_DATA_DIR) + "/" + name;
  if (is_regular_file(source)) return source;
  return name;
}

bool read_normal_tables(NormalTables* tables, const std::string& dir, std::string* message) {
  for (int f = 0; f < normal_table_count; ++f) {
    const std::string path = find_normal_table(normal_table_files[f], dir);
    std::string reason;
    if (!read_normal_table(path.c_str(), f, tables, &reason)) {
      *message = format_text(tr(Msg::table_unreadable), path.c_str(), reason.c_str(), path.c_str());
      return false;
    }
  }
  return true;
}

bool is_normal_table_file(const std::string& file, const std::string& dir, std::string* table) {
  FileIdentity id;
  if (!file_identity(file, &id)) return false;  // a new file is no table
  for (const char* name : normal_table_files) {
    const std::string path = find_normal_table(name, dir);
    FileIdentity table_id;
    if (file_identity(path, &table_id) && table_id == id) {
      *table = path;
      return true;
    }
  }
  return false;
}
