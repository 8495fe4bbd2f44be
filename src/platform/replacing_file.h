#pragma once

#include <cstdio>
#include <string>

// A file that replaces its target only when it is complete. create() makes a new temporary
// file beside the target (same folder, so the final rename stays on one file system);
// commit() flushes it to the disk and renames it over the target. Until then an existing
// target is untouched, and a ReplacingFile that is not committed removes its temporary
// file, and so does a signal that ends the program (platform/end_signals.h). A target that
// is a symbolic link keeps its link: the file it leads to is replaced,
// and a replaced file keeps its permissions; a link to a missing file is written through.
// A write-protected target is refused, as the shell's redirection refuses it. A target that exists
// and is no regular file (a device such as /dev/null, a named pipe) cannot be replaced: it is
// written directly. Errors come back as text: empty means success.
class ReplacingFile {
 public:
  ReplacingFile() = default;
  ~ReplacingFile() { discard(); }
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  std::string create(const std::string& target);
  std::FILE* stream() const { return file_; }
  bool is_open() const { return file_ != nullptr; }
  // Flushes, syncs, closes and renames. On failure the temporary file is removed.
  std::string commit();
  // Closes and removes the temporary file, if any.
  void discard();

 private:
  std::string target_;
  std::string temp_;  // empty while writing a target directly
  std::FILE* file_ = nullptr;
  int temp_slot_ = -1;  // where a signal that ends the program finds the temporary file
};
