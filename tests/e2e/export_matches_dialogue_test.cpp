// The exporter against the dialogue: the same answers give the same store, bit for bit; every
// number of both files is the shortest text that reads back as the store's double.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "control/dialogue.h"
#include "control/startup.h"
#include "e2e/export_process.h"
#include "support/scripted_console.h"

namespace {

struct Case {
  const char* name;
  const char* script;  // the dialogue's answers
  std::vector<std::string> args;
};

const Case cases[] = {
    {"no_error_default_path", "0\nn\nx", {}},
    {"rear_wheels_default_path", "1\n3 -2\nn\nx", {"--error", "1", "3", "-2"}},
    {"wheelbase_tread_ellipse",
     "4\n5 10\ny11\n2 1\nx",
     {"--path", "11", "--const", "ellipse_A=2", "--const", "ellipse_B=1", "--error", "4", "5",
      "10"}},
    {"slip_default_path", "5\n5\nn\nx", {"--error", "5", "5"}},
    {"slip_changed_cosine",
     "5\n3\ny1\n0.3 3 2\nx",
     {"--const", "cosine_A=0.3", "--const", "cosine_L=3", "--const", "cosine_n=2", "--error", "5",
      "3"}},
    {"drift_circle_arc",
     "3\n1.5\ny15\n1.5 1.25\nx",
     {"--path", "15", "--const", "arc_R=1.5", "--const", "arc_n=1.25", "--error", "3", "1.5"}},
    // Text where the value belongs leaves it 0, as a value left out does.
    {"front_wheel_no_value_spiral",
     "2\nabc\ny12\n1 1.5\nx",
     {"--path", "12", "--const", "spiral_n=1.5", "--error", "2"}},
    // Numbers as typed with a Japanese input method, and the rose's n = 1/2.
    {"rear_wheels_full_width", "1\n３，−２\nn\nx", {"--error", "1", "3", "-2"}},
    {"rose_half", "0\ny14\n1 1/2\nx", {"--path", "14", "--const", "rose_n=0.5"}},
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class DialogueMatch : public ::testing::TestWithParam<Case> {};

// The field must be the shortest text of exactly the store's value.
void expect_bits(const std::string& field, double expected, const std::string& where) {
  double got = 0;
  EXPECT_TRUE(strict_number(field, &got)) << where << ": " << field;
  EXPECT_EQ(std::bit_cast<uint64_t>(got), std::bit_cast<uint64_t>(expected))
      << where << ": " << field << " vs " << expected;
}

void expect_per_type(const std::string& list, const double* expected, const char* name) {
  const auto fields = split_fields(list);
  ASSERT_EQ(fields.size(), 3u) << name;
  for (int i = 0; i < 3; ++i) expect_bits(fields[i], expected[i], name);
}

TEST_P(DialogueMatch, SameStoreBitForBit) {
  const Case& c = GetParam();
  static NormalTables tables;
  static const std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
  const TrajectoryStore& store = ws->store;
  ComputeResult result;
  {
    ScriptedConsole console(c.script);
    Session session;
    startup(&tables, &session, "");
    dialogue(session, DialogueStart::error_menu, AgvType::t1FDW1FS, tables, *ws, &result);
  }
  const std::string wheel_file = "/tmp/agvsim_export_wheels_" + std::to_string(::getpid()) + ".csv";
  std::vector<std::string> args = c.args;
  args.insert(args.end(), {"--wheels", wheel_file});
  const ExportRun run = run_export_program(args);
  ASSERT_EQ(run.status, 0) << run.err;
  const ExportCsv csv = parse_export_csv(run.out);
  const ExportCsv wheels = parse_export_csv(read_file(wheel_file));
  std::remove(wheel_file.c_str());
  ASSERT_EQ(csv.fault + wheels.fault, "");

  const double tl[3] = {double(store.traj_last[0]), double(store.traj_last[1]),
                        double(store.traj_last[2])};
  expect_per_type(csv.comments.at("traj_last"), tl, "traj_last");
  expect_per_type(csv.comments.at("traj_tend"), store.traj_tend, "traj_tend");
  expect_per_type(csv.comments.at("chart_range"), store.chart_range, "chart_range");
  // The deviations are those of the computation the window shows.
  double final_distance[3], largest_dtheta[3], largest_record[3];
  for (int i = 0; i < 3; ++i) {
    final_distance[i] = result.deviation[i].final_dev.distance;
    largest_dtheta[i] = result.deviation[i].largest.dtheta;
    largest_record[i] = result.deviation[i].largest_record;
  }
  expect_per_type(csv.comments.at("final_distance"), final_distance, "final_distance");
  expect_per_type(csv.comments.at("largest_dtheta"), largest_dtheta, "largest_dtheta");
  expect_per_type(csv.comments.at("largest_record"), largest_record, "largest_record");

  // A strict CSV reader gets one table whose columns are all numbers but the array.
  ASSERT_EQ(csv.rows.at(0), split_fields("type,array,record,t,s,theta,x,y,delta,kappa,p"));
  ASSERT_EQ(wheels.rows.at(0), split_fields("type,record,t,travel_1,travel_2,delta"));
  const char* names[4] = {"cp", "agv", "err", "dev"};
  const traj_rec(*arrays[4])[MAX] = {store.cp_traj, store.agv_traj, store.err_traj, store.err_dev};
  size_t row = 1;  // past the header
  for (int i = 0; i < 3; ++i) {
    for (int a = 0; a < 4; ++a) {
      for (int j = 0; j <= store.traj_last[i]; ++j, ++row) {
        ASSERT_LT(row, csv.rows.size());
        const auto& f = csv.rows[row];
        const std::string where = std::to_string(i + 1) + names[a] + std::to_string(j);
        ASSERT_EQ(f[0] + f[1] + f[2], where);
        double t;
        EXPECT_TRUE(strict_number(f[3], &t)) << where;
        const traj_rec& r = arrays[a][i][j];
        const double v[7] = {r.s, r.theta, r.x, r.y, r.delta, r.kappa, r.p};
        for (int k = 0; k < 6; ++k) expect_bits(f[4 + k], v[k], where);
        if (a == 0)
          expect_bits(f[10], r.p, where);
        else
          EXPECT_EQ(f[10], "") << where;
      }
    }
  }
  EXPECT_EQ(row, csv.rows.size());

  row = 1;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j <= store.traj_last[i]; ++j, ++row) {
      ASSERT_LT(row, wheels.rows.size());
      const auto& f = wheels.rows[row];
      const wheel_rec& w = store.wheel_traj[i][j];
      const std::string where = "wheel " + std::to_string(i + 1) + "," + std::to_string(j);
      ASSERT_EQ(f[0] + "," + f[1], std::to_string(i + 1) + "," + std::to_string(j));
      double t;
      EXPECT_TRUE(strict_number(f[2], &t)) << where;
      expect_bits(f[3], w.travel_1, where);
      expect_bits(f[4], w.travel_2, where);
      expect_bits(f[5], w.delta, where);
    }
  }
  EXPECT_EQ(row, wheels.rows.size());
}

INSTANTIATE_TEST_SUITE_P(Answers, DialogueMatch, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
