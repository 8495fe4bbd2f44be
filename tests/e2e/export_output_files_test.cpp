// The exporter's output files: one file named twice is refused whatever the names look
// like, a link to a missing file is written through, a write-protected file stays.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "e2e/export_process.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

TEST(ExportOutputFiles, OneFileNamedTwiceIsRefusedNamingBothOptions) {
  TempDir dir;
  const std::string o = dir.path() + "/o.csv";
  std::ofstream(o) << "old\n";
  fs::create_symlink(o, dir.path() + "/alias.csv");
  const struct {
    std::vector<std::string> args;
    const char* options;
  } cases[] = {
      {{"--out", o, "--wheels", dir.path() + "/./o.csv"}, "--out and --wheels"},
      {{"--out", o, "--wheels", dir.path() + "/alias.csv"}, "--out and --wheels"},
      {{"--png", dir.path() + "/./o.csv", "--out", o}, "--out and --png"},
      {{"--gif", dir.path() + "/alias.csv", "--png", o}, "--png and --gif"},
      // Files not there yet: the same new file through another spelling of its folder.
      {{"--out", dir.path() + "/n.csv", "--wheels",
        dir.path() + "/../" + fs::path(dir.path()).filename().string() + "/n.csv"},
       "--out and --wheels"},
  };
  for (const auto& c : cases) {
    const ExportRun run = run_export_program(c.args);
    EXPECT_EQ(run.status, 2) << c.options;
    EXPECT_NE(run.err.find(c.options), std::string::npos) << run.err;
  }
  EXPECT_EQ(read_file(o), "old\n");
  EXPECT_FALSE(fs::exists(dir.path() + "/n.csv"));
}

// ln -s missing.csv d.csv; --out d.csv: the CSV goes to missing.csv, d.csv stays a link.
TEST(ExportOutputFiles, LinkToAMissingFileIsWrittenThrough) {
  TempDir dir;
  fs::create_symlink("missing.csv", dir.path() + "/d.csv");
  ASSERT_EQ(run_export_program({"--out", dir.path() + "/d.csv"}).status, 0);
  EXPECT_TRUE(fs::is_symlink(dir.path() + "/d.csv"));
  EXPECT_EQ(read_file(dir.path() + "/missing.csv"), run_export_program({}).out);
}

// The exporter as a user who owns the file but has made it read-only (as root the shell
// would write it too; the run drops to nobody for that).
int run_as_owner(const std::vector<std::string>& args, uid_t uid) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (uid != geteuid() && (setgid(uid) != 0 || setuid(uid) != 0)) _exit(99);
    std::vector<char*> argv{const_cast<char*>(AGV_EXPORT_EXE)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    if (!freopen("/dev/null", "w", stdout)) _exit(97);
    execv(argv[0], argv.data());
    _exit(98);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ExportOutputFiles, WriteProtectedFileIsRefusedAndKept) {
  TempDir dir;
  const uid_t user = geteuid() == 0 ? 65534 : geteuid();  // nobody
  chmod(dir.path().c_str(), 0777);
  const std::string prot = dir.path() + "/prot.csv";
  std::ofstream(prot) << "kept\n";
  ASSERT_EQ(chown(prot.c_str(), user, user), 0);
  chmod(prot.c_str(), 0444);
  EXPECT_EQ(run_as_owner({"--out", prot}, user), 2);
  EXPECT_EQ(read_file(prot), "kept\n");
  EXPECT_EQ(fs::status(prot).permissions(), fs::perms(0444));
}

}  // namespace
