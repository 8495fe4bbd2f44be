#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

// A fresh empty folder for one test, removed afterwards.
class TestFolder {
 public:
  TestFolder() {
    std::string name = testing::TempDir() + "agv_picture_XXXXXX";
    if (!mkdtemp(name.data())) ADD_FAILURE() << "mkdtemp failed";
    path_ = name;
  }
  ~TestFolder() { std::filesystem::remove_all(path_); }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }
  std::set<std::string> names() const {
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      found.insert(entry.path().filename().string());
    }
    return found;
  }

 private:
  std::string path_;
};

inline void write_text(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string read_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// While alive, a write that would make any file of this process longer than `bytes` fails
// (EFBIG) instead of raising SIGXFSZ: a disk that fills up in the middle of a file.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    old_handler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit saved_{};
  sighandler_t old_handler_;
};
