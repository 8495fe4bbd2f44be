#include "platform/file_io.h"

std::FILE* open_file(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

void set_binary_output(std::FILE*) {}
