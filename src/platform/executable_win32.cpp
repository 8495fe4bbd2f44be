#include <windows.h>

#include <shellapi.h>

#include "platform/executable.h"
#include "platform/wide_text_win32.h"

std::string executable_dir() {
  // The path may be longer than MAX_PATH; a full buffer means it was cut short.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::string();
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    if (path.size() >= 32768) return std::string();
    path.resize(path.size() * 2);
  }
  const size_t separator = path.find_last_of(L"\\/");
  if (separator == std::wstring::npos) return std::string();
  path.resize(separator + 1);
  return utf8_from_wide(path);
}

bool is_regular_file(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(wide_from_utf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

std::vector<std::string> program_arguments(int argc, char** argv) {
  int n = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &n);
  std::vector<std::string> arguments;
  if (wide && n == argc) {
    for (int i = 0; i < n; ++i) arguments.push_back(utf8_from_wide(wide[i], wcslen(wide[i])));
  } else {
    arguments.assign(argv, argv + argc);  // the two splits disagree: keep the C runtime's
  }
  LocalFree(wide);
  return arguments;
}
