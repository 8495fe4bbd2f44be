// The exporter's command line: exit statuses and messages, help, the output file, and the
// full store of one computation.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "agvsim_version.h"
#include "e2e/export_process.h"
#include "support/temp_dir.h"

namespace {

struct Refusal {
  std::vector<std::string> args;
  int status;
  const char* message;  // expected in the standard error
};

TEST(ExportCommandLine, RefusalsGiveTheirStatusAndMessageAndNoOutput) {
  const Refusal refusals[] = {
      {{"--bogus"}, 2, "unknown option '--bogus'"},
      {{"--error", "0", "5"}, 2, "unexpected argument '5'"},  // kind 0 takes no value
      {{"--path", "3x"}, 2, "bad number '3x'"},
      {{"--error", "1", "3", "2%"}, 2, "bad number '2%'"},
      {{"--path", "7"}, 2, "no path number 7"},
      {{"--const", "cosine_A=-1"}, 2, "negative constant"},
      {{"--const", "cosine_Q=1"}, 2, "unknown constant 'cosine_Q'"},
      {{"--const", "cardioid_B=2"}, 2, "unknown constant 'cardioid_B'"},  // fixed, not entered
      {{"--const", "cosine_A"}, 2, "NAME=VALUE"},
      {{"--path"}, 2, "missing argument for --path"},
      {{"--out", "--path", "2"}, 2, "missing argument for --out"},
      {{"--error", "9"}, 2, "no error kind 9"},
      {{"--error", "4", "0", "-100"}, 2, "a Tread error of -100 % or less"},
      {{"--error", "4", "-100", "0"}, 2, "a WheelBase error of -100 % or less"},
      {{"--error", "1", "-150", "-150"}, 2, "a rear wheel radius error of -100 % or less"},
      {{"--error", "2", "-100"}, 2, "a front wheel radius error of -100 % or less"},
      {{"--error", "5", "100.5"}, 2, "a slip above 100 %"},
      {{"--const", "cosine_L=5", "--const", "cosine_n=20"}, 3, "smax限界を超えている"},
      {{"--path", "15", "--const", "arc_R=1", "--const", "arc_n=9"}, 3, "=MAX"},
      {{"--path", "12", "--const", "spiral_n=0"}, 3, "短過ぎる"},
      {{"--const", "cardioid_A=nan"}, 2, "bad number 'nan' for --const: not a number"},
      {{"--error", "1", "1e999", "0"}, 2, "bad number '1e999' for --error: out of range"},
      {{"--error", "1", "0x1p3"}, 2, "bad number '0x1p3'"},
      {{"--error", "1", "3,-2"}, 2, "holds several numbers"},
      {{"--path", "2.5"}, 2, "not a whole number"},
      {{"--const", "rose_n=1/0"}, 2, "division by zero"},
      {{"--out", ""}, 2, "empty file name for --out"},
      {{"--sweep", "1", "0", "1", "1", "--wheels", "w.csv"}, 2, "--sweep writes no wheel data"},
      {{"--path", "15", "--const", "arc_n=1000"}, 3, "上限を超えている"},
      {{"--tables", "/nonexistent"}, 1, "/nonexistent/normal01.data"},
      // A constant of another path than the one computed, in either order.
      {{"--const", "ellipse_A=3"}, 2, "ellipse_A belongs to path 11"},
      {{"--const", "ellipse_A=3", "--path", "12"}, 2, "ellipse_A belongs to path 11"},
      // A denominator too small for a double is out of range, not zero.
      {{"--error", "2", "1/1e-400"}, 2, "bad number '1/1e-400' for --error: out of range"},
      // A sweep none of whose sizes describes a vehicle is refused as --error refuses it.
      {{"--sweep", "4", "0", "0", "1", "-100"}, 2, "--sweep: a Tread error of -100 % or less"},
      {{"--sweep", "1", "0", "0", "0"}, 2, "--sweep STEP is 0"},
      {{"--sweep", "1", "5", "0", "1"}, 2, "STEP is positive but TO is below FROM"},
      {{"--sweep", "1", "0", "5", "-1"}, 2, "STEP is negative but TO is above FROM"},
      {{"--sweep", "1", "0", "1", "1e-5"}, 2, "gives 100001 sizes, more than 10000"},
      {{"--sweep", "1", "0", "1e300", "1e-300"}, 2, "must give 1 to 10000 sizes"},
  };
  for (const Refusal& r : refusals) {
    const ExportRun run = run_export_program(r.args);
    const std::string what = ::testing::PrintToString(r.args);
    EXPECT_EQ(run.status, r.status) << what;
    EXPECT_NE(run.err.find(r.message), std::string::npos) << what << run.err;
    EXPECT_EQ(run.out, "") << what;
  }
}

// A sweep some of whose sizes describe no vehicle says how many were refused; the rows
// still mark them.
TEST(ExportCommandLine, SweepTellsHowManySizesWereRefused) {
  const ExportRun run = run_export_program({"--sweep", "1", "-200", "0", "100", "0"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("2 of 3 sizes refused"), std::string::npos) << run.err;
  EXPECT_EQ(parse_export_csv(run.out).rows.size(), 1u + 3 * 3);
  const ExportRun clean = run_export_program({"--sweep", "1", "0", "1", "1"});
  EXPECT_EQ(clean.status, 0);
  EXPECT_EQ(clean.err, "");  // not a terminal: no progress either
}

TEST(ExportCommandLine, HelpInBothLanguages) {
  const ExportRun run = run_export_program({"--path", "1", "--help", "--bogus"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Usage: agvsim-export"), std::string::npos);
  EXPECT_NE(run.out.find("使い方"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

TEST(ExportCommandLine, VersionAloneAndInTheCsvHeader) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--version", "--bogus"}, {"--path", "2", "--version"}}) {
    const ExportRun version = run_export_program(args);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "agvsim-export " AGVSIM_VERSION "\n");
    EXPECT_EQ(version.err, "");
  }
  const ExportRun run = run_export_program({});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(parse_export_csv(run.out).comments.at("version"), AGVSIM_VERSION);
}

// The numbers of the command line are read as the dialogue reads them.
TEST(ExportCommandLine, FractionsAndFullWidthFormsGiveWhatPlainNumbersGive) {
  const ExportRun half = run_export_program({"--path", "14", "--const", "rose_n=1/2"});
  ASSERT_EQ(half.status, 0) << half.err;
  EXPECT_EQ(half.out, run_export_program({"--path", "14", "--const", "rose_n=0.5"}).out);
  const ExportRun wide = run_export_program({"--error", "1", "３", "−２"});
  ASSERT_EQ(wide.status, 0) << wide.err;
  EXPECT_EQ(wide.out, run_export_program({"--error", "1", "3", "-2"}).out);
}

TEST(ExportCommandLine, OutAndWheelFilesHoldTheTablesAndARefusalLeavesThemAlone) {
  const std::string base = "/tmp/agvsim_export_out_" + std::to_string(::getpid());
  const std::string path = base + ".csv", wheels = base + "-wheels.csv";
  const ExportRun to_stdout =
      run_export_program({"--error", "5", "2", "--tables", AGV_TEST_SOURCE_DIR "/data"});
  ASSERT_EQ(to_stdout.status, 0);
  ASSERT_EQ(run_export_program({"--error", "5", "2", "--out", path, "--wheels", wheels}).status, 0);
  EXPECT_EQ(read_file(path), to_stdout.out);
  const std::string wheel_text = read_file(wheels);
  EXPECT_EQ(
      run_export_program({"--const", "cosine_n=40", "--out", path, "--wheels", wheels}).status, 3);
  EXPECT_EQ(read_file(path), to_stdout.out);
  EXPECT_EQ(read_file(wheels), wheel_text);

  // The same comment lines head both files; only the first names the table.
  const ExportCsv traj = parse_export_csv(to_stdout.out), wheel = parse_export_csv(wheel_text);
  ASSERT_EQ(traj.fault + wheel.fault, "");
  ASSERT_EQ(wheel.comment_lines.size(), traj.comment_lines.size());
  EXPECT_NE(wheel.comment_lines[0], traj.comment_lines[0]);
  for (size_t i = 1; i < traj.comment_lines.size(); ++i) {
    EXPECT_EQ(wheel.comment_lines[i], traj.comment_lines[i]);
  }
  EXPECT_EQ(wheel.rows.at(0), split_fields("type,record,t,travel_1,travel_2,delta"));
  EXPECT_EQ(wheel.rows.size(), traj.rows.size() / 4 + 1);  // a row per record, no array
  std::remove(path.c_str());
  std::remove(wheels.c_str());
}

// A scratch folder with a copy of the random tables.
struct TableCopy {
  std::string dir = "/tmp/agvsim_export_tables_" + std::to_string(::getpid());
  TableCopy() {
    std::filesystem::create_directory(dir);
    for (const char* name : {"normal01", "normal12", "normal23", "normal34", "normal45"}) {
      std::filesystem::copy_file(AGV_TEST_SOURCE_DIR "/data/" + std::string(name) + ".data",
                                 dir + "/" + name + ".data");
    }
  }
  ~TableCopy() { std::filesystem::remove_all(dir); }
};

// An output that is one of the tables read is refused whatever its name: directly, spelt
// otherwise, through a symbolic link or a hard link. The tables stay as they were.
TEST(ExportCommandLine, OutputThatIsARandomTableIsRefused) {
  TableCopy copy;
  const std::string table = copy.dir + "/normal12.data";
  const std::string before = read_file(table);
  std::filesystem::create_symlink(table, copy.dir + "/symbolic.csv");
  std::filesystem::create_hard_link(table, copy.dir + "/hard.csv");
  for (const std::string& out :
       {table, copy.dir + "/./normal12.data", copy.dir + "/symbolic.csv", copy.dir + "/hard.csv"}) {
    const ExportRun run = run_export_program({"--tables", copy.dir, "--out", out});
    EXPECT_EQ(run.status, 2) << out;
    EXPECT_NE(run.err.find("is the random table"), std::string::npos) << run.err;
  }
  EXPECT_EQ(read_file(table), before);
  EXPECT_TRUE(std::filesystem::is_symlink(copy.dir + "/symbolic.csv"));
}

// The output is replaced only when it was written whole: on a full disk (here a file size
// limit) the old file stays and the status is 1. A symbolic link to the output stays a
// link, and a device is written, not replaced.
TEST(ExportCommandLine, OutputIsReplacedOnlyWhenComplete) {
  TableCopy copy;
  const std::string out = copy.dir + "/out.csv";
  std::ofstream(out) << "old results\n";
  {
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = 20000;  // the CSV has about 300 kB; the messages fit
    const sighandler_t old_handler = signal(SIGXFSZ, SIG_IGN);  // ignored in the child too
    setrlimit(RLIMIT_FSIZE, &limit);
    const ExportRun full = run_export_program({"--out", out});
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, old_handler);
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find(out), std::string::npos) << full.err;
  }
  EXPECT_EQ(read_file(out), "old results\n");

  std::filesystem::create_symlink(out, copy.dir + "/link.csv");
  EXPECT_EQ(run_export_program({"--out", copy.dir + "/link.csv"}).status, 0);
  EXPECT_TRUE(std::filesystem::is_symlink(copy.dir + "/link.csv"));
  EXPECT_EQ(read_file(out), run_export_program({}).out);
  EXPECT_EQ(run_export_program({"--out", "/dev/null"}).status, 0);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  // The tables, out.csv and link.csv: no temporary file left behind.
  const std::filesystem::directory_iterator files(copy.dir);
  EXPECT_EQ(std::distance(begin(files), end(files)), 7);
}

TEST(ExportCommandLine, FullStoreOfTheDefaultEllipse) {
  const ExportRun run = run_export_program({"--path", "11", "--error", "4", "5", "10"});
  ASSERT_EQ(run.status, 0) << run.err;
  const ExportCsv csv = parse_export_csv(run.out);
  ASSERT_EQ(csv.fault, "");
  EXPECT_EQ(csv.comments.at("path_no"), "11");
  EXPECT_EQ(csv.comments.at("error_entered"), "5,10");
  EXPECT_EQ(csv.comments.at("tread_err"), "1.1");
  EXPECT_EQ(csv.comments.at("traj_last"), "485,607,485");
  const auto tend = split_fields(csv.comments.at("traj_tend"));
  ASSERT_EQ(csv.rows.size(), 1u + 4 * (486 + 608 + 486));

  const int last[3] = {485, 607, 485};
  const char* arrays[4] = {"cp", "agv", "err", "dev"};
  size_t row = 1;
  for (int t = 0; t < 3; ++t) {
    for (const char* a : arrays) {
      const auto& first = csv.rows[row];
      const auto& end = csv.rows[row + last[t]];
      const std::string where = std::to_string(t + 1) + a;
      EXPECT_EQ(first[0] + first[1] + first[2], where + "0");
      EXPECT_EQ(end[0] + end[1] + end[2], where + std::to_string(last[t]));
      EXPECT_EQ(first[3], "0") << where;
      EXPECT_EQ(end[3], tend[t]) << where;
      EXPECT_EQ(csv.rows[row + 1][3], "0.02") << where;
      const bool cp = a == std::string("cp"), dev = a == std::string("dev");
      // Every motion starts at the path's start (2, 0); dev is zero there.
      EXPECT_EQ(first[4] + "," + first[6] + "," + first[7], dev ? "0,0,0" : "0,2,0") << where;
      if (cp) {  // the parameter runs from 0 to 2 pi; the closed ellipse ends at its start
        EXPECT_EQ(first[10], "0");
        EXPECT_EQ(end[10], "6.28318530717958");
        EXPECT_NEAR(std::strtod(end[6].c_str(), nullptr), 2.0, 1e-6) << where;
        EXPECT_NEAR(std::strtod(end[7].c_str(), nullptr), 0.0, 1e-6) << where;
      } else {
        EXPECT_EQ(first[10] + end[10], "") << where;
      }
      row += last[t] + 1;
    }
  }
}

#ifdef AGV_WITHOUT_PICTURES
// A build without pictures refuses them before the computation, and creates no file.
TEST(ExportCommandLine, PicturesAreRefusedInABuildWithoutThem) {
  const TempDir dir;
  for (const char* option : {"--png", "--gif"}) {
    const ExportRun run =
        run_export_program({option, dir.path() + "/a", "--out", dir.path() + "/b"});
    EXPECT_EQ(run.status, 2) << option;
    EXPECT_NE(run.err.find("pictures are not built into this build"), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << option;
  }
}
#endif

}  // namespace
