#include <io.h>

#include <cstdint>
#include <cstdio>

#include "platform/standard_streams.h"

int open_closed_standard_streams() {
  int closed = 0;
  std::FILE* const streams[3] = {stdin, stdout, stderr};
  for (int fd = 0; fd <= 2; ++fd) {
    // -1: not open; -2: open without a handle (a program started without a console).
    if (_get_osfhandle(fd) >= 0) continue;
    closed |= 1 << fd;
    // The lower descriptors are open by now, so the stream gets its own number back.
    if (!std::freopen("NUL", fd == 0 ? "r" : "w", streams[fd])) continue;
  }
  return closed;
}
