// The computation as one step: the scenario is its only input.
#include "sim/computation.h"

#include <gtest/gtest.h>

#include <cmath>
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

// The limits of an error that describes a vehicle: every wheel and distance above zero,
// slip up to 100 %; values that are not finite count as 0.
TEST(Computation, ErrorsThatDescribeNoVehicleAreRefusedAtTheirLimits) {
  const VehicleConstants v = default_vehicle();
  const struct {
    ErrorKind kind;
    double v1, v2;
    ErrorFault fault;
  } cases[] = {
      {ErrorKind::rear_wheels, -99.999, 1e6, ErrorFault::none},
      {ErrorKind::rear_wheels, 0, -100, ErrorFault::rear_wheel_radius},
      {ErrorKind::front_wheel, -100.5, 0, ErrorFault::front_wheel_radius},
      {ErrorKind::geometry, -100, 0, ErrorFault::wheel_base},
      {ErrorKind::geometry, 0, -1e300, ErrorFault::tread},
      {ErrorKind::geometry, 5, -NAN, ErrorFault::none},
      {ErrorKind::slip, 100, 0, ErrorFault::none},
      {ErrorKind::slip, 100.000001, 0, ErrorFault::slip},
      {ErrorKind::slip, -1e6, 0, ErrorFault::none},
      {ErrorKind::steering_drift, 1e300, 0, ErrorFault::none},
  };
  auto ws = std::make_unique<Workspace>();
  for (const auto& c : cases) {
    Scenario s = default_scenario();
    s.error = {c.kind, {c.v1, c.v2}};
    EXPECT_EQ(error_fault(s.error, v), c.fault) << c.v1 << " " << c.v2;
    if (c.fault == ErrorFault::none) continue;
    const ComputeResult r = compute(s, committed_tables(), *ws);
    EXPECT_EQ(r.refusal, Refusal::impossible_error);
    EXPECT_EQ(r.fault, c.fault);
  }
}

// A motion that overflows is refused, not handed on as a result: here a vehicle whose
// wheels are a hair apart turns infinitely fast with a rear wheel error.
TEST(Computation, AMotionThatIsNotFiniteIsRefused) {
  auto ws = std::make_unique<Workspace>();
  Scenario s = default_scenario();
  s.vehicle.wheel_base = 1e-320;
  s.error = {ErrorKind::rear_wheels, {1.0, 0.0}};
  EXPECT_EQ(compute(s, committed_tables(), *ws).refusal, Refusal::not_finite);
  s.error = {ErrorKind::none, {0.0, 0.0}};
  EXPECT_EQ(compute(s, committed_tables(), *ws).refusal, Refusal::none);
  EXPECT_TRUE(store_is_finite(ws->store));
  ws->store.wheel_traj[2][ws->store.traj_last[2]].travel_2 = INFINITY;
  EXPECT_FALSE(store_is_finite(ws->store));
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

// Under a Tread error the commands are formed with the real front-rear distance: the
// error-free vehicles of the steered types leave the CP path, the two-wheel one does not;
// any other error leaves them on it to integration accuracy.
TEST(Computation, TheErrorFreeVehicleLeavesThePathOnlyUnderATreadError) {
  auto ws = std::make_unique<Workspace>();
  Scenario s = default_scenario();
  set_default_path(s, 11);
  s.error = {ErrorKind::geometry, {0.0, 5.0}};
  const ComputeResult tread = compute(s, committed_tables(), *ws);
  EXPECT_FALSE(free_vehicle_leaves_path(tread.free_offset[0])) << tread.free_offset[0];
  EXPECT_NEAR(tread.free_offset[1], 0.611, 0.001);
  EXPECT_NEAR(tread.free_offset[2], 0.732, 0.001);
  EXPECT_TRUE(free_vehicle_leaves_path(tread.free_offset[1]));
  s.error = {ErrorKind::steering_drift, {5.0, 0.0}};
  const ComputeResult drift = compute(s, committed_tables(), *ws);
  for (double offset : drift.free_offset) EXPECT_LT(offset, 1e-6);
  EXPECT_TRUE(free_vehicle_leaves_path(0.0011));
  EXPECT_FALSE(free_vehicle_leaves_path(0.001));
}

}  // namespace
