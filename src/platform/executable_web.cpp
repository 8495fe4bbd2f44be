// The node edition: the program is a script run by node, and its folder is the script's.
#include <emscripten/emscripten.h>
#include <sys/stat.h>

#include <cstdlib>

#include "platform/executable.h"

namespace {

// The script's folder with a trailing '/', in memory the caller frees; "" in a browser.
// clang-format off
EM_JS(char*, script_folder, (), {
  const folder = typeof scriptDirectory == 'string' && ENVIRONMENT_IS_NODE ? scriptDirectory : "";
  const size = lengthBytesUTF8(folder) + 1;
  const text = _malloc(size);
  stringToUTF8(folder, text, size);
  return text;
});
// clang-format on

}  // namespace

std::string executable_dir() {
  char* folder = script_folder();
  std::string dir(folder);
  std::free(folder);
  return dir;
}

bool is_regular_file(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::vector<std::string> program_arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}
