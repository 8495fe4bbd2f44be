// The sweep runs its sizes side by side: every size must give exactly what a single run of
// it gives, whatever ran before or beside it.
#include "control/sweep.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "support/committed_tables.h"
#include "support/temp_dir.h"

namespace {

uint64_t bits(double v) {
  return std::bit_cast<uint64_t>(v);
}

void expect_same(const Deviation& a, const Deviation& b, const std::string& where) {
  EXPECT_EQ(bits(a.dx), bits(b.dx)) << where;
  EXPECT_EQ(bits(a.dy), bits(b.dy)) << where;
  EXPECT_EQ(bits(a.distance), bits(b.distance)) << where;
  EXPECT_EQ(bits(a.dtheta), bits(b.dtheta)) << where;
}

TEST(Sweep, EverySizeEqualsASingleRunBitForBit) {
  struct Case {
    SweepRange range;
    int path;
  };
  const Case cases[] = {
      {{ErrorKind::slip, 2.0, 8.0, 2.0, 0.0}, 1},  // the generator starts afresh each time
      {{ErrorKind::geometry, -4.0, 4.0, 4.0, 10.0}, 11},
      {{ErrorKind::rear_wheels, 0.0, 1.0, 0.25, -1.0}, 16},
  };
  auto ws = std::make_unique<Workspace>();
  for (const Case& c : cases) {
    Scenario base = default_scenario();
    set_default_path(base, c.path);
    const std::vector<SweepPoint> points = run_sweep(base, c.range, committed_tables(), 2);
    ASSERT_EQ(points.size(), sweep_sizes(c.range).size());
    for (const SweepPoint& p : points) {
      Scenario s = base;
      s.error = {c.range.kind, {p.first, p.second}};
      const ComputeResult single = compute(s, committed_tables(), *ws);
      const std::string where = std::string(1, error_kind_char(c.range.kind)) + " " +
                                std::to_string(p.first) + " " + std::to_string(p.second);
      ASSERT_EQ(p.result.refusal, single.refusal) << where;
      EXPECT_EQ(p.result.random_state, single.random_state) << where;
      for (int t = 0; t < agv_type_count; ++t) {
        expect_same(p.result.deviation[t].final_dev, single.deviation[t].final_dev, where);
        expect_same(p.result.deviation[t].largest, single.deviation[t].largest, where);
      }
    }
  }
}

TEST(Sweep, SizesIncludeTheEndDespiteRounding) {
  EXPECT_EQ(sweep_sizes({ErrorKind::slip, 0.0, 1.0, 0.1, 0.0}).size(), 11u);
  EXPECT_EQ(sweep_sizes({ErrorKind::slip, 5.0, 5.0, 1.0, 0.0}).size(), 1u);
  EXPECT_EQ(sweep_sizes({ErrorKind::slip, 5.0, 1.0, -2.0, 0.0}), (std::vector<double>{5, 3, 1}));
  EXPECT_TRUE(sweep_sizes({ErrorKind::slip, 0.0, 1.0, -1.0, 0.0}).empty());
}

TEST(Sweep, CsvHasOneRowPerSizeAndTypeAndMarksRefusals) {
  Scenario base = default_scenario();
  const SweepRange range{ErrorKind::rear_wheels, 0.0, 6.0, 3.0, 0.0};
  std::vector<SweepPoint> points = run_sweep(base, range, committed_tables(), 1);
  points[2].result.refusal = Refusal::too_many_records;
  TempDir dir;
  const std::string file = dir.path() + "/sweep.csv";
  std::FILE* out = std::fopen(file.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  ASSERT_TRUE(write_sweep_csv(out, base, range, points));
  std::fclose(out);
  std::ifstream in(file, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  // Type 1 forms its turn rate from the wheel speeds: without error it deviates by rounding.
  EXPECT_NE(text.find("\n# sweep=0,6,3\nvalue,value2,type,final_dx,final_dy,final_distance,"
                      "final_dtheta,largest_record,largest_dx,largest_dy,largest_distance,"
                      "largest_dtheta,status,final_dx_mm,final_dy_mm,final_distance_mm,"
                      "final_dtheta_deg,largest_dx_mm,largest_dy_mm,largest_distance_mm,"
                      "largest_dtheta_deg\n0,0,1,"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\n0,0,2,0,0,0,0,0,0,0,0,0,ok,0,0,0,0,0,0,0,0\n"
                      "0,0,3,0,0,0,0,0,0,0,0,0,ok,0,0,0,0,0,0,0,0\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\n6,0,3,,,,,,,,,,refused: too many records,,,,,,,,\n"), std::string::npos)
      << text;
  // The window's units beside the CSV's own: mm and degrees of the same deviations.
  std::istringstream rows(text);
  int checked = 0;
  for (std::string row; std::getline(rows, row);) {
    if (row.rfind("3,0,1,", 0) != 0) continue;
    std::vector<double> v;
    std::istringstream cells(row);
    for (std::string cell; std::getline(cells, cell, ',');) v.push_back(std::atof(cell.c_str()));
    ASSERT_EQ(v.size(), 21u) << row;
    for (int i : {3, 4, 5, 8, 9, 10}) EXPECT_DOUBLE_EQ(v[i] * 1000.0, v[i < 8 ? i + 10 : i + 9]);
    EXPECT_DOUBLE_EQ(v[6] * 180.0 / std::numbers::pi, v[16]);
    EXPECT_DOUBLE_EQ(v[11] * 180.0 / std::numbers::pi, v[20]);
    EXPECT_GT(v[15], 1.0);  // rear wheels 3 % on type 1: more than a millimetre
    ++checked;
  }
  EXPECT_EQ(checked, 1);
}

}  // namespace
