// A computation that takes what an earlier one of the same path left (compute with a
// ComputeCache) gives the bits of the whole computation of the same setting, whatever came
// before: a step of a value, a step back, a changed Tread (the reference motion then runs
// otherwise), another path, a refusal.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "path/path_table.h"
#include "sim/computation.h"
#include "support/committed_tables.h"

namespace {

bool same_records(const traj_rec* a, const traj_rec* b, int n) {
  return std::memcmp(a, b, sizeof(traj_rec) * (n + 1)) == 0;
}

void expect_same(const ComputeResult& ra, const Workspace& a, const ComputeResult& rb,
                 const Workspace& b) {
  ASSERT_EQ(ra.refusal, rb.refusal);
  EXPECT_EQ(ra.records, rb.records);
  EXPECT_EQ(ra.random_state, rb.random_state);
  EXPECT_EQ(std::memcmp(&ra.last_errors, &rb.last_errors, sizeof ra.last_errors), 0);
  EXPECT_EQ(std::memcmp(ra.deviation, rb.deviation, sizeof ra.deviation), 0);
  if (ra.refusal != Refusal::none) return;
  const TrajectoryStore& x = a.store;
  const TrajectoryStore& y = b.store;
  for (int t = 0; t < agv_type_count; ++t) {
    const int n = x.traj_last[t];
    ASSERT_EQ(n, y.traj_last[t]);
    EXPECT_EQ(std::memcmp(&x.traj_tend[t], &y.traj_tend[t], sizeof(double)), 0);
    EXPECT_EQ(std::memcmp(&x.chart_range[t], &y.chart_range[t], sizeof(double)), 0);
    EXPECT_TRUE(same_records(x.cp_traj[t], y.cp_traj[t], n));
    EXPECT_TRUE(same_records(x.agv_traj[t], y.agv_traj[t], n));
    EXPECT_TRUE(same_records(x.err_traj[t], y.err_traj[t], n));
    EXPECT_TRUE(same_records(x.err_dev[t], y.err_dev[t], n));
    for (int j = 0; j <= n; ++j) {
      const wheel_rec &u = x.wheel_traj[t][j], &v = y.wheel_traj[t][j];
      ASSERT_TRUE(std::memcmp(&u, &v, 3 * sizeof(double)) == 0) << "type " << t << " record " << j;
    }
  }
}

class WhatIf : public ::testing::Test {
 protected:
  // Computes s with the cache and in full, and compares.
  void check(const Scenario& s) {
    SCOPED_TRACE(::testing::Message()
                 << "path " << s.path.number << " kind " << error_kind_char(s.error.kind)
                 << " values " << s.error.entered[0] << " " << s.error.entered[1]);
    const ComputeResult with = compute(s, committed_tables(), *cached_, *cache_);
    const ComputeResult without = compute(s, committed_tables(), *full_);
    expect_same(with, *cached_, without, *full_);
  }
  Scenario scenario(int I, ErrorKind kind, double v1, double v2) {
    Scenario s = default_scenario();
    set_default_path(s, I);
    s.error = {kind, {v1, v2}};
    return s;
  }
  std::unique_ptr<Workspace> cached_ = std::make_unique<Workspace>();
  std::unique_ptr<Workspace> full_ = std::make_unique<Workspace>();
  std::unique_ptr<ComputeCache> cache_ = std::make_unique<ComputeCache>();
};

// Random slip (the slowest kind) and the geometry error, its first value and then the
// Tread, stepped up and back on every path.
TEST_F(WhatIf, StepsUpAndBackOnEveryPath) {
  for (const PathDescriptor& d : path_table) {
    for (double v : {5.0, 5.1, 5.0}) check(scenario(d.number, ErrorKind::slip, v, 0));
    for (double tread : {10.0, 10.1, 10.0})
      check(scenario(d.number, ErrorKind::geometry, 5.1, tread));
  }
}

// Every kind after every other on the ellipse, no error among them.
TEST_F(WhatIf, EveryKindAfterAnother) {
  const double values[6][2] = {{0, 0}, {3, -2}, {5, 0}, {1.5, 0}, {5, 10}, {5, 0}};
  for (int k : {0, 1, 2, 3, 4, 5, 3, 1, 0, 4, 2}) {
    check(scenario(11, static_cast<ErrorKind>('0' + k), values[k][0], values[k][1]));
  }
}

// A refused setting between two that are computed; a path's constant changed and back.
TEST_F(WhatIf, RefusalsAndOtherConstants) {
  Scenario s = scenario(1, ErrorKind::rear_wheels, 3, -2);
  check(s);
  s.error.entered[0] = -100;  // no vehicle
  check(s);
  s.error.entered[0] = 3.1;
  check(s);
  s.path.constants[2] = 40;  // 40 waves: too long
  check(s);
  s.path.constants[2] = 2;
  check(s);
  s.path.constants[2] = 1;
  check(s);
}

}  // namespace
