// Files named in UTF-8 (on Windows through the UTF-16 name) and written byte for byte.
#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/executable.h"
#include "support/temp_dir.h"

namespace {

TEST(FileIo, NamesBeyondAsciiAndLineEndsAsWritten) {
  TempDir dir;
  const std::string name = dir.path() + "/経路 ①.csv";
  std::FILE* out = open_file(name, "wb");
  ASSERT_NE(out, nullptr);
  std::fputs("a,1\nb,2\n", out);
  ASSERT_EQ(std::fclose(out), 0);

  EXPECT_TRUE(is_regular_file(name));
  EXPECT_FALSE(is_regular_file(dir.path()));
  EXPECT_FALSE(is_regular_file(dir.path() + "/経路 ②.csv"));
  EXPECT_EQ(open_file(dir.path() + "/経路 ②.csv", "rb"), nullptr);

  std::FILE* in = open_file(name, "rb");
  ASSERT_NE(in, nullptr);
  char bytes[32] = {};
  const size_t n = std::fread(bytes, 1, sizeof bytes, in);
  std::fclose(in);
  EXPECT_EQ(std::string(bytes, n), "a,1\nb,2\n");
}

}  // namespace
