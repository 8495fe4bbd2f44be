#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>

#include "platform/executable.h"

std::string executable_dir() {
  char buf[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return std::string();
  buf[n] = '\0';
  char* slash = std::strrchr(buf, '/');
  if (!slash) return std::string();
  slash[1] = '\0';
  return std::string(buf);
}

bool is_regular_file(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::vector<std::string> program_arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}
