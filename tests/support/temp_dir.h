#pragma once

#include <string>

// A fresh empty directory, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  // Writes a file of the directory and returns its path.
  std::string write(const std::string& name, const std::string& text) const;

 private:
  std::string path_;
};
