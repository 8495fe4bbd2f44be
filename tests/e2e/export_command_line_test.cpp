// The exporter's command line: exit statuses and messages, help, the output file, and the
// full store of one computation.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "agvsim_version.h"
#include "e2e/export_process.h"

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
  };
  for (const Refusal& r : refusals) {
    const ExportRun run = run_export_program(r.args);
    const std::string what = ::testing::PrintToString(r.args);
    EXPECT_EQ(run.status, r.status) << what;
    EXPECT_NE(run.err.find(r.message), std::string::npos) << what << run.err;
    EXPECT_EQ(run.out, "") << what;
  }
}

TEST(ExportCommandLine, HelpInBothLanguages) {
  const ExportRun run = run_export_program({"--path", "1", "--help", "--bogus"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Usage: agvsim-export"), std::string::npos);
  EXPECT_NE(run.out.find("使い方"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

TEST(ExportCommandLine, VersionAloneAndInTheCsvHeader) {
  const ExportRun version = run_export_program({"--version", "--bogus"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "agvsim-export " AGVSIM_VERSION "\n");
  EXPECT_EQ(version.err, "");
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

}  // namespace
