#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <random>

TempDir::TempDir() {
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  std::random_device seed;
  std::mt19937_64 random(seed());
  // create_directory is false when the name is taken: another name then.
  for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
    const std::filesystem::path dir = base / ("agvsim-test-" + std::to_string(random()));
    std::error_code error;
    if (std::filesystem::create_directory(dir, error)) path_ = dir.string();
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& text) const {
  const std::string file = path_ + "/" + name;
  std::ofstream(file, std::ios::binary) << text;
  return file;
}
