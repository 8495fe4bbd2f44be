#include <fcntl.h>
#include <io.h>

#include "platform/file_io.h"
#include "platform/wide_text_win32.h"

std::FILE* open_file(const std::string& path, const char* mode) {
  return _wfopen(wide_from_utf8(path).c_str(), wide_from_utf8(mode).c_str());
}

void set_binary_output(std::FILE* stream) {
  std::fflush(stream);
  _setmode(_fileno(stream), _O_BINARY);
}
