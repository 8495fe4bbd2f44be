// The exporter against the dialogue: the same answers give the same store, bit for bit.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
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
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class DialogueMatch : public ::testing::TestWithParam<Case> {};

// The field must read back to exactly the store's value.
void expect_bits(const std::string& field, double expected, const std::string& where) {
  const double got = std::strtod(field.c_str(), nullptr);
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
  {
    ScriptedConsole console(c.script);
    Session session;
    ComputeResult result;
    startup(&tables, &session, "");
    dialogue(session, DialogueStart::error_menu, AgvType::t1FDW1FS, tables, *ws, &result);
  }
  const ExportRun run = run_export_program(c.args);
  ASSERT_EQ(run.status, 0) << run.err;
  const ExportCsv csv = parse_export_csv(run.out);

  const double tl[3] = {double(store.traj_last[0]), double(store.traj_last[1]),
                        double(store.traj_last[2])};
  expect_per_type(csv.comments.at("traj_last"), tl, "traj_last");
  expect_per_type(csv.comments.at("traj_tend"), store.traj_tend, "traj_tend");
  expect_per_type(csv.comments.at("chart_range"), store.chart_range, "chart_range");

  const char* names[4] = {"cp", "agv", "err", "dev"};
  const traj_rec(*arrays[4])[MAX] = {store.cp_traj, store.agv_traj, store.err_traj, store.err_dev};
  size_t row = 1;  // past the header
  for (int i = 0; i < 3; ++i) {
    for (int a = 0; a < 4; ++a) {
      for (int j = 0; j <= store.traj_last[i]; ++j, ++row) {
        ASSERT_LT(row, csv.traj.size());
        const auto& f = csv.traj[row];
        const std::string where = std::to_string(i + 1) + names[a] + std::to_string(j);
        ASSERT_EQ(f.size(), 11u) << where;
        ASSERT_EQ(f[0] + f[1] + f[2], where);
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
  EXPECT_EQ(row, csv.traj.size());

  row = 1;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j <= store.traj_last[i]; ++j, ++row) {
      ASSERT_LT(row, csv.wheel.size());
      const auto& f = csv.wheel[row];
      const wheel_rec& w = store.wheel_traj[i][j];
      const std::string where = "wheel " + std::to_string(i + 1) + "," + std::to_string(j);
      ASSERT_EQ(f[0] + "," + f[1], std::to_string(i + 1) + "," + std::to_string(j));
      expect_bits(f[3], w.travel_1, where);
      expect_bits(f[4], w.travel_2, where);
      expect_bits(f[5], w.delta, where);
    }
  }
  EXPECT_EQ(row, csv.wheel.size());
}

INSTANTIATE_TEST_SUITE_P(Answers, DialogueMatch, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
