#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

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

std::string written_name(const std::string& name) {
  std::string path = name;
  // As many links as the system follows itself; a loop ends here too.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    char target[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
    if (n <= 0) break;
    const std::string link(target, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    path = link[0] == '/' || slash == std::string::npos ? link : path.substr(0, slash + 1) + link;
  }
  return path;
}

OutputTarget output_target(const std::string& name) {
  OutputTarget target;
  target.exists = file_identity(name, &target.id);
  if (target.exists) return target;
  const std::string path = written_name(name);
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string(".")
                             : slash == 0               ? std::string("/")
                                                        : path.substr(0, slash);
  const std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
  char resolved[PATH_MAX];
  target.path = (realpath(folder.c_str(), resolved) ? std::string(resolved) : folder) + "/" + leaf;
  return target;
}

int write_refusal(const std::string& name) {
  struct stat st;
  if (stat(name.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  return faccessat(AT_FDCWD, name.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}
