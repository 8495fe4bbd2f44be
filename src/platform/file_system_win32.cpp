#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>

#include "platform/file_system.h"
#include "platform/wide_text_win32.h"

namespace {

FileKind kind_of_handle(HANDLE h) {
  switch (GetFileType(h)) {
    case FILE_TYPE_DISK:
      return FileKind::regular;
    case FILE_TYPE_CHAR:
      return FileKind::device;
    case FILE_TYPE_PIPE:
      return FileKind::fifo;
    default:
      return FileKind::other;
  }
}

// Opens path for `access` (0: only to look at it); directories open too.
HANDLE open_handle(const std::wstring& path, DWORD access) {
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

}  // namespace

FileKind file_kind(const std::string& path) {
  const std::wstring wide = wide_from_utf8(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return FileKind::directory;
  }
  const HANDLE h = open_handle(wide, 0);
  if (h == INVALID_HANDLE_VALUE) {
    return attributes == INVALID_FILE_ATTRIBUTES ? FileKind::missing : FileKind::other;
  }
  const FileKind kind = kind_of_handle(h);
  CloseHandle(h);
  return kind;
}

std::FILE* open_regular_file(const std::string& path, FileKind* kind) {
  const std::wstring wide = wide_from_utf8(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    *kind = FileKind::directory;
    return nullptr;
  }
  // One open, then the type of what was opened decides: a device or a pipe is not read.
  const HANDLE h = open_handle(wide, GENERIC_READ);
  if (h == INVALID_HANDLE_VALUE) {
    *kind = FileKind::missing;
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : ENOENT;
    return nullptr;
  }
  *kind = kind_of_handle(h);
  if (*kind != FileKind::regular) {
    CloseHandle(h);
    return nullptr;
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_RDONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(h);
    *kind = FileKind::missing;
    return nullptr;
  }
  std::FILE* file = _fdopen(fd, "rb");
  if (!file) {
    _close(fd);
    *kind = FileKind::missing;
  }
  return file;
}

bool file_identity(const std::string& path, FileIdentity* id) {
  const HANDLE h = open_handle(wide_from_utf8(path), 0);
  if (h == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  const bool ok = GetFileInformationByHandle(h, &info) != 0;
  CloseHandle(h);
  if (!ok) return false;
  id->device = info.dwVolumeSerialNumber;
  id->inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

// Symbolic links are rare on Windows and need rights to make: a name is written as it is.
std::string written_name(const std::string& name) {
  return name;
}

OutputTarget output_target(const std::string& name) {
  OutputTarget target;
  target.exists = file_identity(name, &target.id);
  if (target.exists) return target;
  const std::wstring wide = wide_from_utf8(name);
  wchar_t full[MAX_PATH];
  const DWORD n = GetFullPathNameW(wide.c_str(), MAX_PATH, full, nullptr);
  std::wstring path = n > 0 && n < MAX_PATH ? std::wstring(full, n) : wide;
  CharLowerBuffW(path.data(), static_cast<DWORD>(path.size()));  // names ignore case here
  target.path = utf8_from_wide(path);
  return target;
}

int write_refusal(const std::string& name) {
  const DWORD attributes = GetFileAttributesW(wide_from_utf8(name).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return 0;
  return (attributes & FILE_ATTRIBUTE_READONLY) ? EACCES : 0;
}
