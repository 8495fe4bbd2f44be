#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "platform/file_system.h"
#include "platform/replacing_file.h"
#include "platform/wide_text_win32.h"

namespace {

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

std::string failure(const std::string& what, const std::string& path, const std::string& why,
                    const char* japanese) {
  return what + " " + path + ": " + why + " [" + japanese + "]";
}

std::string system_error(DWORD code) {
  return "Windows error " + std::to_string(code);
}

}  // namespace

std::string ReplacingFile::create(const std::string& target) {
  discard();
  if (target.empty()) return "no file name given [ファイル名がありません]";
  const std::wstring wide = wide_from_utf8(target);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return failure("cannot write", target, std::strerror(EISDIR), "ファイルに書き込めません");
  }
  // A device such as NUL or a pipe cannot be replaced: it takes the bytes as they come.
  const HANDLE probe = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    const bool disk = GetFileType(probe) == FILE_TYPE_DISK;
    CloseHandle(probe);
    if (!disk) {
      file_ = _wfopen(wide.c_str(), L"wb");
      if (!file_)
        return failure("cannot write", target, std::strerror(errno), "ファイルに書き込めません");
      target_ = target;
      return {};
    }
  }
  // A read-only file stays as it is, as a redirection of the shell leaves it.
  if (const int err = write_refusal(target)) {
    return failure("cannot write", target, std::strerror(err), "ファイルに書き込めません");
  }
  // A name of our own beside the target: the process id and a counter keep two writers
  // apart; _O_EXCL never opens someone else's file.
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp =
        target + ".tmp" + std::to_string(_getpid()) + "-" + std::to_string(counter.fetch_add(1));
    const int fd =
        _wopen(wide_from_utf8(temp).c_str(),
               _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return failure("cannot create a file in", folder_of(target), std::strerror(errno),
                     "ファイルを作成できません");
    }
    file_ = _fdopen(fd, "wb");
    if (!file_) {
      const int err = errno;
      _close(fd);
      _wunlink(wide_from_utf8(temp).c_str());
      return failure("cannot write", temp, std::strerror(err), "ファイルに書き込めません");
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
  errno = 0;
  if (std::fflush(file_) != 0 || std::ferror(file_)) err = errno ? errno : EIO;
  if (!err && !temp_.empty() && _commit(_fileno(file_)) != 0) err = errno;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!err && !closed) err = errno ? errno : EIO;
  if (err) {
    const std::string message =
        failure("cannot write", target_, std::strerror(err), "書き込みに失敗しました");
    discard();
    return message;
  }
  if (temp_.empty()) {  // written directly
    target_.clear();
    return {};
  }
  if (!MoveFileExW(wide_from_utf8(temp_).c_str(), wide_from_utf8(target_).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const std::string message = failure("cannot replace", target_, system_error(GetLastError()),
                                        "ファイルを置き換えられません");
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
  if (!temp_.empty()) _wunlink(wide_from_utf8(temp_).c_str());
  temp_.clear();
  target_.clear();
}
