#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "platform/catalogue.h"
#include "platform/end_signals.h"
#include "platform/file_system.h"
#include "platform/replacing_file.h"
#include "platform/wide_text_win32.h"

namespace {

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

std::string failure(Msg message, const std::string& path, const std::string& why) {
  return format_text(tr(message), path.c_str(), why.c_str());
}

std::string system_error(DWORD code) {
  return "Windows error " + std::to_string(code);
}

// The temporary files being written, deleted by a console event that ends the program (its
// handler runs on a thread of its own): fixed slots, marked used once the name is complete.
// The files are opened with FILE_SHARE_DELETE, so that the deletion of an open one takes
// effect when the ending process closes it.
constexpr int kTempSlots = 8;
wchar_t temp_names[kTempSlots][MAX_PATH];
volatile LONG temp_used[kTempSlots];

void remove_temps_on_signal() {
  for (int i = 0; i < kTempSlots; ++i) {
    if (temp_used[i]) DeleteFileW(temp_names[i]);
  }
}

int hold_temp(const std::wstring& temp) {
  end_signals_add_cleanup(remove_temps_on_signal);
  if (temp.size() >= MAX_PATH) return -1;
  for (int i = 0; i < kTempSlots; ++i) {
    if (temp_used[i]) continue;
    std::memcpy(temp_names[i], temp.c_str(), (temp.size() + 1) * sizeof(wchar_t));
    InterlockedExchange(&temp_used[i], 1);
    return i;
  }
  return -1;
}

void release_temp(int* slot) {
  if (*slot >= 0) InterlockedExchange(&temp_used[*slot], 0);
  *slot = -1;
}

}  // namespace

std::string ReplacingFile::create(const std::string& target) {
  discard();
  if (target.empty()) return tr(Msg::file_no_name);
  const std::wstring wide = wide_from_utf8(target);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return failure(Msg::file_cannot_write, target, std::strerror(EISDIR));
  }
  // A device such as NUL or a pipe cannot be replaced: it takes the bytes as they come.
  const HANDLE probe = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    const bool disk = GetFileType(probe) == FILE_TYPE_DISK;
    CloseHandle(probe);
    if (!disk) {
      file_ = _wfopen(wide.c_str(), L"wb");
      if (!file_) return failure(Msg::file_cannot_write, target, std::strerror(errno));
      target_ = target;
      return {};
    }
  }
  // A read-only file stays as it is, as a redirection of the shell leaves it.
  if (const int err = write_refusal(target)) {
    return failure(Msg::file_cannot_write, target, std::strerror(err));
  }
  // A name of our own beside the target: the process id and a counter keep two writers
  // apart; CREATE_NEW never opens someone else's file. The handle is not inherited.
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp =
        target + ".tmp" + std::to_string(_getpid()) + "-" + std::to_string(counter.fetch_add(1));
    const std::wstring wide_temp = wide_from_utf8(temp);
    const HANDLE handle =
        CreateFileW(wide_temp.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD code = GetLastError();
      if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) continue;
      return failure(Msg::file_cannot_create_in, folder_of(target), system_error(code));
    }
    temp_slot_ = hold_temp(wide_temp);
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    file_ = fd < 0 ? nullptr : _fdopen(fd, "wb");
    if (!file_) {
      const int err = errno;
      if (fd >= 0) {
        _close(fd);
      } else {
        CloseHandle(handle);
      }
      DeleteFileW(wide_temp.c_str());
      release_temp(&temp_slot_);
      return failure(Msg::file_cannot_write, temp, std::strerror(err));
    }
    target_ = target;
    temp_ = std::move(temp);
    return {};
  }
  return format_text(tr(Msg::file_no_temp_name), target.c_str());
}

std::string ReplacingFile::commit() {
  if (!file_) return tr(Msg::file_not_open);
  int err = 0;
  errno = 0;
  if (std::fflush(file_) != 0 || std::ferror(file_)) err = errno ? errno : EIO;
  if (!err && !temp_.empty() && _commit(_fileno(file_)) != 0) err = errno;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!err && !closed) err = errno ? errno : EIO;
  if (err) {
    const std::string message = failure(Msg::write_failed, target_, std::strerror(err));
    discard();
    return message;
  }
  if (temp_.empty()) {  // written directly
    target_.clear();
    return {};
  }
  const bool moved = MoveFileExW(wide_from_utf8(temp_).c_str(), wide_from_utf8(target_).c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  release_temp(&temp_slot_);
  if (!moved) {
    const std::string message =
        failure(Msg::file_cannot_replace, target_, system_error(GetLastError()));
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
  release_temp(&temp_slot_);
  temp_.clear();
  target_.clear();
}
