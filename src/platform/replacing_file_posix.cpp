#include "platform/replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/file_system.h"

namespace {

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string failure(const std::string& what, const std::string& path, int err,
                    const char* japanese) {
  return what + " " + path + ": " + std::strerror(err) + " [" + japanese + "]";
}

}  // namespace

std::string ReplacingFile::create(const std::string& target_name) {
  discard();
  if (target_name.empty()) return "no file name given [ファイル名がありません]";
  std::string target = target_name;
  struct stat existing;
  const bool exists = stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) {
    return failure("cannot write", target, EISDIR, "ファイルに書き込めません");
  }
  if (exists && !S_ISREG(existing.st_mode)) {
    // Nothing to replace: the device or pipe takes the bytes as they come.
    const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC);
    file_ = fd < 0 ? nullptr : fdopen(fd, "wb");
    if (!file_) {
      const int err = errno;
      if (fd >= 0) close(fd);
      return failure("cannot write", target, err, "ファイルに書き込めません");
    }
    target_ = target;
    return {};
  }
  if (exists) {  // through symbolic links to the file itself
    char resolved[PATH_MAX];
    if (realpath(target.c_str(), resolved)) target = resolved;
    // A write-protected file stays as it is, as a redirection of the shell leaves it.
    if (const int err = write_refusal(target)) {
      return failure("cannot write", target, err, "ファイルに書き込めません");
    }
  } else {
    target = written_name(target);  // a link to a missing file: the file is made at its end
  }
  // A name of our own beside the target: the process id and a counter keep two writers (in
  // one process or in two) apart; O_EXCL never opens someone else's file. The mode 0666
  // lets the umask decide the permissions of a new file; a replaced one keeps its own.
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp =
        target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter.fetch_add(1));
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return failure("cannot create a file in", folder_of(target), errno,
                     "ファイルを作成できません");
    }
    if (exists) fchmod(fd, existing.st_mode & 07777);
    file_ = fdopen(fd, "wb");
    if (!file_) {
      const int err = errno;
      close(fd);
      unlink(temp.c_str());
      return failure("cannot write", temp, err, "ファイルに書き込めません");
    }
    target_ = target;
    temp_ = std::move(temp);
    return {};
  }
  return "cannot find a free temporary name beside " + target + " [一時ファイル名がありません]";
}

std::string ReplacingFile::commit() {
  if (!file_) return "no file is being written [書き込み中のファイルがありません]";
  int err = 0;
  errno = 0;  // a stream error seen by an earlier write leaves no errno of its own here
  if (std::fflush(file_) != 0 || std::ferror(file_)) err = errno ? errno : EIO;
  if (!err && !temp_.empty() && fsync(fileno(file_)) != 0) err = errno;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!err && !closed) err = errno;
  if (err) {
    const std::string message = failure("cannot write", target_, err, "書き込みに失敗しました");
    discard();
    return message;
  }
  if (temp_.empty()) {  // written directly
    target_.clear();
    return {};
  }
  if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
    const std::string message =
        failure("cannot replace", target_, errno, "ファイルを置き換えられません");
    discard();
    return message;
  }
  temp_.clear();
  target_.clear();
  return {};
}

void ReplacingFile::discard() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  if (!temp_.empty()) unlink(temp_.c_str());
  temp_.clear();
  target_.clear();
}
