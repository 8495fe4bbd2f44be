// Standard streams closed at start are opened on the null device, so that the files and
// connections opened next do not take their numbers.
#include "platform/standard_streams.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// In a child with the descriptors of `closed` (bit d: descriptor d) closed: 0 when each
// comes back on the null device, the others stay as they were and the next file opened
// gets a number above 2.
int child_status(int closed) {
  const pid_t pid = fork();
  if (pid == 0) {
    struct stat null, st;
    if (stat("/dev/null", &null) != 0) _exit(10);
    const int keep = dup(STDOUT_FILENO);  // not the null device: a pipe or a file of ctest
    for (int fd = 0; fd <= 2; ++fd) {
      if (closed & (1 << fd)) close(fd);
    }
    if (open_closed_standard_streams() != closed) _exit(11);
    for (int fd = 0; fd <= 2; ++fd) {
      if (fstat(fd, &st) != 0) _exit(12);
      const bool on_null = S_ISCHR(st.st_mode) && st.st_rdev == null.st_rdev;
      if ((closed & (1 << fd)) && !on_null) _exit(13);
    }
    struct stat kept;
    if (!(closed & 2) && (fstat(STDOUT_FILENO, &st) != 0 || fstat(keep, &kept) != 0 ||
                          st.st_dev != kept.st_dev || st.st_ino != kept.st_ino)) {
      _exit(14);
    }
    const int next = open("/dev/null", O_RDONLY);
    _exit(next > 2 ? 0 : 15);
  }
  int status = -1;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(StandardStreams, ClosedOnesAreOpenedOnTheNullDevice) {
  for (int closed : {0, 1, 2, 4, 5, 7}) EXPECT_EQ(child_status(closed), 0) << closed;
}

}  // namespace
