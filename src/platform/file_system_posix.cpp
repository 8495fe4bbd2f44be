#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_system.h"

namespace {

FileKind kind_of(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::regular;
  if (S_ISDIR(mode)) return FileKind::directory;
  if (S_ISFIFO(mode)) return FileKind::fifo;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::device;
  if (S_ISSOCK(mode)) return FileKind::socket;
  return FileKind::other;
}

}  // namespace

FileKind file_kind(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return FileKind::missing;
  return kind_of(st.st_mode);
}

std::FILE* open_regular_file(const std::string& path, FileKind* kind) {
  *kind = file_kind(path);
  if (*kind != FileKind::regular) return nullptr;
  // O_NONBLOCK: should the name have become a pipe since it was looked at, the open does
  // not wait for a writer; fstat of what was opened decides.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    *kind = FileKind::missing;
    return nullptr;
  }
  struct stat st;
  if (fstat(fd, &st) != 0) {
    const int err = errno;
    close(fd);
    errno = err;
    *kind = FileKind::missing;
    return nullptr;
  }
  if (!S_ISREG(st.st_mode)) {
    *kind = kind_of(st.st_mode);
    close(fd);
    return nullptr;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = fdopen(fd, "rb");
  if (!file) {
    const int err = errno;
    close(fd);
    errno = err;
    *kind = FileKind::missing;
  }
  return file;
}

bool file_identity(const std::string& path, FileIdentity* id) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
  id->device = static_cast<std::uint64_t>(st.st_dev);
  id->inode = static_cast<std::uint64_t>(st.st_ino);
  return true;
}
