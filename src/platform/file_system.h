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

// The name a write to `name` creates or replaces: name itself, or for a symbolic link the
// name at the end of its chain, which need not exist yet (a link to a missing file is
// written through, not replaced by a file).
std::string written_name(const std::string& name);

// Where the bytes written to a name end up: the identity of the file when it exists, else
// the absolute path the new file will have, symbolic links of the chain and of its folder
// resolved. Two names with equal targets write the same file.
struct OutputTarget {
  bool exists = false;
  FileIdentity id;
  std::string path;  // only when !exists
  bool operator==(const OutputTarget&) const = default;
};
OutputTarget output_target(const std::string& name);

// 0 when the program may write to `name` or it does not exist yet; else the errno a write
// would fail with (EACCES for a write-protected file, EROFS on a read-only file system), as
// the shell's redirection into it would.
int write_refusal(const std::string& name);
