// The computation as one step: the scenario is its only input.
#include "sim/computation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "support/committed_tables.h"

namespace {

// Whatever ran before in the same workspace, a scenario gives the same records as in a
// fresh one: nothing of a run leaks into the next.
TEST(Computation, ARunDependsOnItsScenarioOnly) {
  Scenario slip = default_scenario();
  slip.error = {ErrorKind::slip, {5.0, 0.0}};
  Scenario other = slip;
  set_default_path(other, 11);
  other.error = {ErrorKind::geometry, {5.0, 10.0}};

  auto fresh = std::make_unique<Workspace>();
  std::memset(fresh.get(), 0, sizeof(Workspace));
  const ComputeResult a = compute(slip, committed_tables(), *fresh);
  auto used = std::make_unique<Workspace>();
  compute(other, committed_tables(), *used);
  compute(slip, committed_tables(), *used);  // the generator does not continue here
  const ComputeResult b = compute(slip, committed_tables(), *used);

  EXPECT_EQ(a.random_state, b.random_state);
  EXPECT_NE(a.random_state, slip.random_state);  // the slip drew from the generator
  for (int t = 0; t < agv_type_count; ++t) {
    const int n = fresh->store.traj_last[t];
    ASSERT_EQ(n, used->store.traj_last[t]);
    EXPECT_EQ(
        std::memcmp(fresh->store.err_traj[t], used->store.err_traj[t], sizeof(traj_rec) * (n + 1)),
        0);
    EXPECT_EQ(
        std::memcmp(fresh->store.cp_traj[t], used->store.cp_traj[t], sizeof(traj_rec) * (n + 1)),
        0);
  }
  // The next run of a program continues from the state the result names.
  slip.random_state = a.random_state;
  EXPECT_NE(compute(slip, committed_tables(), *used).random_state, a.random_state);
}

TEST(Computation, RefusalsAndWhatTheyName) {
  auto ws = std::make_unique<Workspace>();
  Scenario s = default_scenario();
  s.path.number = 7;
  EXPECT_EQ(compute(s, committed_tables(), *ws).refusal, Refusal::unknown_path);

  set_default_path(s, 1);
  s.path.constants[2] = 40;  // 40 waves: far beyond 60 m
  ComputeResult r = compute(s, committed_tables(), *ws);
  EXPECT_EQ(r.refusal, Refusal::path_too_long);
  EXPECT_GT(r.check.length, 60.0);
  EXPECT_EQ(r.random_state, s.random_state);

  // Without slip the error menu lists the errors as entered.
  s = default_scenario();
  s.error = {ErrorKind::rear_wheels, {3.0, -2.0}};
  r = compute(s, committed_tables(), *ws);
  EXPECT_EQ(r.last_errors.RearWHeelerr_L, 0.03);
  EXPECT_EQ(r.last_errors.RearWHeelerr_R, -0.02);
  EXPECT_EQ(r.random_state, s.random_state);
}

TEST(Computation, DeviationSummaryOfTheFaultyVehicle) {
  auto ws = std::make_unique<Workspace>();
  Scenario s = default_scenario();
  s.error = {ErrorKind::rear_wheels, {3.0, 0.0}};
  const ComputeResult r = compute(s, committed_tables(), *ws);
  // A rear wheel error moves the two-wheel drive, not the front drive.
  EXPECT_FALSE(deviation_negligible(r.deviation[0]));
  EXPECT_TRUE(deviation_negligible(r.deviation[1]));
  const Deviation& d = r.deviation[0].final_dev;
  const int n = ws->store.traj_last[0];
  EXPECT_EQ(d.dx, ws->store.err_traj[0][n].x - ws->store.agv_traj[0][n].x);
  EXPECT_GE(r.deviation[0].largest.distance, d.distance);
}

}  // namespace
