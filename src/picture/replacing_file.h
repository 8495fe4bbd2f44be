#pragma once

#include <cstdio>
#include <string>

// A file that replaces its target only when it is complete. create() makes a new temporary
// file beside the target (same folder, so the final rename stays on one file system);
// commit() flushes it to the disk and renames it over the target. Until then an existing
// target is untouched, and a ReplacingFile that is not committed removes its temporary
// file. Errors come back as text: empty means success.
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
  std::string temp_;
  std::FILE* file_ = nullptr;
};
