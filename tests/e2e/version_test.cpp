// agvsim --version names the release and stops before the tables, the dialogue and the
// window: nothing else is printed and no input is read.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "agvsim_version.h"
#include "support/program_run.h"

namespace {

TEST(Version, PrintsTheReleaseAndNothingElse) {
  const std::string command = agvsim_path() + " --version </dev/null 2>&1";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buf[256];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  const int status = ::pclose(pipe);
  EXPECT_EQ(out, "agvsim " AGVSIM_VERSION "\n");
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
