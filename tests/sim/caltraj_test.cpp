#include "sim/caltraj.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "sim/sim_fixture.h"

namespace {

using Caltraj = SimTest;

// Figures computed independently of this code.
TEST_F(Caltraj, DefaultCosineWithoutError) {
  choose_error('0');
  EXPECT_EQ(compute(1), 163);
  EXPECT_NEAR(result.path.length, 2.92739094483, 1e-10);
  const int last[3] = {147, 275, 163};
  const double tend[3] = {2.9273909458, 5.5156806113, 3.2596640535};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(store.traj_last[i], last[i]);
    EXPECT_NEAR(store.traj_tend[i], tend[i], 1e-9);
    // The reference ends on the path's length, up to the linear fit of the last step.
    EXPECT_NEAR(store.cp_traj[i][last[i]].s, result.path.length, 1e-5);
  }
}

TEST_F(Caltraj, EllipseWithGeometryError) {
  choose_error('4', 5, 10);
  const MechanismErrors e = mechanism_errors(scenario.error, scenario.vehicle);
  EXPECT_EQ(e.wheel_base_err, 1.05);
  EXPECT_DOUBLE_EQ(e.tread_err, 1.1);
  EXPECT_EQ(compute(11), 485);
  EXPECT_EQ(store.traj_last[0], 485);
  EXPECT_EQ(store.traj_last[1], 607);
  EXPECT_EQ(store.traj_last[2], 485);
}

TEST_F(Caltraj, LongCosineNeedsTheLongerArcTable) {
  choose_error('0');
  constant("cosine_A") = 0.1, constant("cosine_L") = 5, constant("cosine_n") = 11;
  EXPECT_EQ(compute(1), 2761);
  EXPECT_NEAR(result.path.length, 55.2164925908, 1e-9);
  EXPECT_EQ(store.traj_last[0], 2761);
  EXPECT_EQ(store.traj_last[1], 2778);
  EXPECT_EQ(store.traj_last[2], 2761);
}

TEST_F(Caltraj, RecordsAreOneTimeStepApart) {
  choose_error('0');
  constant("quad_A") = 0.0;  // straight: every vehicle travels at Vmax
  constant("quad_L") = 3.0;
  compute(3);
  for (int i = 0; i < 3; ++i) {
    const int n = store.traj_last[i];
    EXPECT_EQ(n, 150);  // 2.99 s of whole records and the fitted end
    // The rounded Gill constants lose about 3e-10 of every step.
    for (int j = 0; j < n; ++j) EXPECT_NEAR(store.cp_traj[i][j].s, j * 0.02, 1e-9 * j) << j;
    EXPECT_NEAR(store.traj_tend[i], 3.0, 1e-8);
  }
}

TEST_F(Caltraj, VeryShortPathHasOneRecordAfterTheStart) {
  choose_error('0');
  constant("quad_A") = 0.0;
  constant("quad_L") = 0.01;
  EXPECT_EQ(compute(3), 1);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(store.traj_last[i], 1);
    EXPECT_NEAR(store.traj_tend[i], 0.01, 1e-10);
    EXPECT_NEAR(store.cp_traj[i][1].x, 0.01, 1e-12);
  }
}

// A motion that needs record MAX is refused, naming its type, and writes nothing at index
// MAX: the records that follow in memory keep what they held.
void poison_store() {
  std::memset(&store, 0x5a, sizeof store);
}

bool untouched(const traj_rec& r) {
  traj_rec sentinel;
  std::memset(&sentinel, 0x5a, sizeof sentinel);
  return std::memcmp(&r, &sentinel, sizeof r) == 0;
}

TEST_F(Caltraj, OverflowOfTheStore) {
  const struct {
    int I;
    const char* a;
    double va;
    const char* b;
    double vb;
  } cases[] = {
      {1, "cosine_n", 20.0, "cosine_L", 2.0},
      {15, "arc_R", 1.0, "arc_n", 9.0},
  };
  for (const auto& c : cases) {
    SetUp();
    choose_error('0');
    constant(c.a) = c.va, constant(c.b) = c.vb;
    poison_store();
    store.traj_last[1] = 77;  // the failing type keeps what the previous run left
    EXPECT_EQ(compute(c.I), MAX);
    EXPECT_EQ(result.refusal, Refusal::too_many_records);
    EXPECT_EQ(result.failed_type, AgvType::t1FDW1FS);
    EXPECT_LT(store.traj_last[0], MAX);  // type 1 completed
    EXPECT_EQ(store.traj_last[1], 77);
    EXPECT_TRUE(untouched(store.cp_traj[2][0]));  // would be cp_traj[1][3000]
    EXPECT_TRUE(untouched(store.agv_traj[2][0]));
    EXPECT_TRUE(untouched(store.err_traj[2][0]));
  }
  EXPECT_EQ(store.traj_last[0], 2828);  // the circle arc's type 1
}

TEST_F(Caltraj, NaNMotionEndsWithoutHanging) {
  // An infinite steering drift makes the erroneous motion not a number; the reference and
  // the error-free vehicle still reach the end.
  MechanismErrors e = no_errors(scenario.vehicle);
  e.steer_drift = INFINITY;
  EXPECT_EQ(run_caltraj(1, ErrorKind::steering_drift, e), 163);
  EXPECT_TRUE(std::isnan(store.err_traj[1][10].x));
  EXPECT_TRUE(std::isfinite(store.agv_traj[1][10].x));

  // A slip of any size only slows or speeds the wheels; a NaN one makes the erroneous
  // vehicle NaN, but the record limit still ends every loop.
  e = no_errors(scenario.vehicle);
  e.SLIP = NAN;
  EXPECT_EQ(run_caltraj(1, ErrorKind::slip, e), 163);
}

}  // namespace
