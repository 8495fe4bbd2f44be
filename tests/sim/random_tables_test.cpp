#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "sim/normal_rand.h"
#include "sim/normal_tables.h"
#include "support/committed_tables.h"
#include "support/temp_dir.h"

namespace {

// Phi(v) - 0.5 = k by bisection on the upper tail; independent of the tool's Newton steps.
double quantile(double k) {
  double lo = 0.0, hi = 10.0;
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    (0.5 * std::erfc(mid / std::sqrt(2.0)) > 0.5 - k ? lo : hi) = mid;
  }
  return lo;
}

// The table tool of this build as a command, in the system's own path form.
std::string table_tool() {
  std::filesystem::path tool(AGV_TEST_BINARY_DIR "/tools/make_normal_tables");
  return tool.make_preferred().string();
}

std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(NormalTables, CommittedFilesAreWhatTheToolWrites) {
  TempDir dir;
  ASSERT_EQ(std::system((table_tool() + " " + dir.path()).c_str()), 0);
  for (const char* name : normal_table_files) {
    const std::string written = read_bytes(dir.path() + "/" + name);
    const std::string committed = read_bytes(std::string(AGV_TEST_SOURCE_DIR "/data/") + name);
#ifdef __GLIBC__
    EXPECT_EQ(written, committed) << name;
#else
    // The tables were written with glibc's maths library; others differ in the last of the
    // 15 digits of a few entries. The lines end in "\n" all the same.
    EXPECT_EQ(written.find('\r'), std::string::npos) << name;
    std::istringstream w(written), c(committed);
    double a = 0, b = 0;
    while (c >> b) {
      ASSERT_TRUE(w >> a) << name;
      EXPECT_NEAR(a, b, 1e-13) << name;
    }
    EXPECT_FALSE(w >> a) << name;
#endif
  }
}

// Every draw r = 0..32767 of the generator, converted through the committed tables.
TEST(NormalTables, EveryDrawFollowsTheNormalQuantile) {
  const NormalTables& t = committed_tables();
  EXPECT_NEAR(normal_from_uniform(-0.5, t), -quantile(0.5 - 1.0 / 65536), 1e-12);
  for (int r = 1; r < 32768; ++r) {
    const double z = (r - 16384) / 32768.0, a = std::fabs(z);
    if (a < 0.001) {
      EXPECT_EQ(normal_from_uniform(z, t), 0.4 * z);
    } else {  // the last band is limited by its 50 rows, the others are far finer
      ASSERT_NEAR(normal_from_uniform(z, t), std::copysign(quantile(a), z), a < 0.4 ? 4e-5 : 1e-3)
          << "r = " << r;
    }
  }
}

TEST(NormalTables, BandLimitsAndClamping) {
  NormalTables t = committed_tables();
  EXPECT_EQ(normal_from_uniform((16384 - 16384) / 32768.0, t), 0.0);
  for (normal_row& row : t.normal_tab[1]) row.value += 100.0;
  EXPECT_NEAR(normal_from_uniform(-std::nextafter(0.1, 0.0), t), -quantile(0.1), 1e-5);
  EXPECT_GT(normal_from_uniform(0.1, t), 100.0);
  EXPECT_LT(normal_from_uniform(-0.1, t), -100.0);

  // Keys outside a table take the value of the nearest end row.
  t.normal_tab_last[0] = t.normal_tab_last[4] = 1;
  t.normal_tab[0][0] = {1.0, 0.05};
  t.normal_tab[0][1] = {1.5, 0.09};
  t.normal_tab[4][1] = {2.0, 0.45};
  EXPECT_EQ(normal_from_uniform(-0.01, t), -1.0);
  EXPECT_EQ(normal_from_uniform(0.5, t), 2.0);
}

TEST(NormalTables, ReadRefusesFaultyFilesAndKeepsTheTable) {
  const char* faulty[] = {
      "0\n1 0.1\n",                // L = 0
      "50\n",                      // L = 50
      "1.5\n1 0.1\n2 0.2\n",       // L not an integer
      "two\n1 0.1\n2 0.2\n",       // text instead of L
      "2\n1 0.1\n2 0.2\n3\n",      // last row cut short
      "1\n1 0.1\n2 x0.2\n",        // text instead of a key
      "1\n1 0.1\nnan 0.2\n",       // value not finite
      "2\n1 0.1\n2 0.3\n3 0.3\n",  // keys not ascending
      "1\n1 0.1\n2 0.2\n3 0.3\n",  // more rows than L says
      "",                          // empty
  };
  NormalTables t = committed_tables();
  const NormalTables before = t;
  TempDir dir;
  for (const char* text : faulty) {
    std::string error;
    EXPECT_FALSE(read_normal_table(dir.write("t.data", text).c_str(), 2, &t, &error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
  EXPECT_FALSE(read_normal_table((dir.path() + "/none").c_str(), 2, &t, nullptr));
  EXPECT_FALSE(read_normal_table(dir.write("t.data", "1\n1 0.1\n2 0.2\n").c_str(), 5, &t, nullptr));
  EXPECT_EQ(std::memcmp(&before, &t, sizeof before), 0);

  // Faults are told by the line of the file, counted from 1 as an editor shows it, and a
  // line with a third number as extra columns, wherever the fault shows.
  const struct {
    const char* text;
    const char* message;
  } told[] = {
      {"3\n1 0.1\n2 0.2\n3 0.1\n4 0.4\n", "key on line 4 does not ascend"},
      {"3\n1 0.1\n2 0.2 9\n3 0.3\n4 0.4\n", "line 3 has more than two columns"},
      {"1\n1 0.1\n2 0.2 9\n", "line 3 has more than two columns"},
      {"2\n1 0.1 5\n2 0.2\n3 0.3\n", "line 2 has more than two columns"},
      {"1\n1 0.1\n\n2 x\n", "line 4 is not two finite numbers"},
      {"1\n1 0.1\n2 0.2\n\n7\n", "line 5: data after the last row"},
  };
  for (const auto& c : told) {
    std::string error;
    EXPECT_FALSE(read_normal_table(dir.write("t.data", c.text).c_str(), 2, &t, &error));
    EXPECT_NE(error.find(c.message), std::string::npos) << c.text << error;
  }

  ASSERT_TRUE(read_normal_table(dir.write("t.data", "1\n 1 0.1\t2\n0.2").c_str(), 2, &t, nullptr));
  EXPECT_EQ(t.normal_tab_last[2], 1);
  EXPECT_EQ(t.normal_tab[2][1].key, 0.2);
}

#ifndef _WIN32  // named pipes, devices and symbolic links as POSIX has them
// Only regular files are read (symbolic links to them as well); anything else is named, and a
// named pipe without a writer is never waited on.
TEST(NormalTables, ReadRefusesWhatIsNotAFileAtOnce) {
  TempDir dir;
  const std::string fifo = dir.path() + "/fifo.data";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // Should the read wait on the pipe all the same, a writer comes and goes after two
  // seconds, so that the test fails instead of hanging.
  std::atomic<bool> read_done{false};
  std::thread unblock([&] {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!read_done && std::chrono::steady_clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) close(fd);
  });
  NormalTables t = committed_tables();
  std::string error;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(read_normal_table(fifo.c_str(), 0, &t, &error));
  read_done = true;
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_NE(error.find("a named pipe, not a file"), std::string::npos) << error;
  unblock.join();

  EXPECT_FALSE(read_normal_table(dir.path().c_str(), 0, &t, &error));
  EXPECT_NE(error.find("a directory, not a file"), std::string::npos) << error;
  EXPECT_FALSE(read_normal_table("/dev/null", 0, &t, &error));
  EXPECT_NE(error.find("a device, not a file"), std::string::npos) << error;

  const std::string link = dir.path() + "/link.data";
  ASSERT_EQ(symlink(dir.write("t.data", "1\n1 0.1\n2 0.2\n").c_str(), link.c_str()), 0);
  EXPECT_TRUE(read_normal_table(link.c_str(), 0, &t, &error)) << error;
}
#endif

}  // namespace
