#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// What names in the file system lead to: the kind of a file, its identity, and opening a
// data file without ever waiting on something that is not a file.

enum class FileKind {
  missing,  // nothing of that name (or it cannot be looked at)
  regular,  // a regular file
  directory,
  fifo,    // a named pipe
  device,  // a character or block device
  socket,
  other,
};

// The kind of what path leads to, symbolic links followed.
FileKind file_kind(const std::string& path);

// Opens an existing regular file for reading ("rb"). Anything else is not read: a named
// pipe is never waited on, a device never read. Returns nullptr with *kind telling what the
// name is (FileKind::missing with errno set when it cannot be opened at all).
std::FILE* open_regular_file(const std::string& path, FileKind* kind);

// The file a name leads to, symbolic links followed: two names with the same identity are
// the same file, whatever their spelling or their links.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// False when nothing of that name exists (or it cannot be looked at).
bool file_identity(const std::string& path, FileIdentity* id);
