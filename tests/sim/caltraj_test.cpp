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
  EXPECT_NEAR(paths.path_length[1], 2.92739094483, 1e-10);
  const int last[3] = {147, 275, 163};
  const double tend[3] = {2.9273909458, 5.5156806113, 3.2596640535};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(store.traj_last[i], last[i]);
    EXPECT_NEAR(store.traj_tend[i], tend[i], 1e-9);
    // The reference ends on the path's length, up to the linear fit of the last step.
    EXPECT_NEAR(store.cp_traj[i][last[i]].s, paths.path_length[1], 1e-5);
  }
}

TEST_F(Caltraj, EllipseWithGeometryError) {
  choose_error('4', 5, 10);
  EXPECT_EQ(settings.wheel_base_err, 1.05);
  EXPECT_DOUBLE_EQ(settings.tread_err, 1.1);
  EXPECT_EQ(compute(11), 485);
  EXPECT_EQ(store.traj_last[0], 485);
  EXPECT_EQ(store.traj_last[1], 607);
  EXPECT_EQ(store.traj_last[2], 485);
}

TEST_F(Caltraj, LongCosineNeedsTheLongerArcTable) {
  choose_error('0');
  paths.cosine_A = 0.1, paths.cosine_L = 5, paths.cosine_n = 11;
  EXPECT_EQ(compute(1), 2761);
  EXPECT_NEAR(paths.path_length[1], 55.2164925908, 1e-9);
  EXPECT_EQ(store.traj_last[0], 2761);
  EXPECT_EQ(store.traj_last[1], 2778);
  EXPECT_EQ(store.traj_last[2], 2761);
}

TEST_F(Caltraj, RecordsAreOneTimeStepApart) {
  choose_error('0');
  paths.quad_A = 0.0;  // straight: every vehicle travels at Vmax
  paths.quad_L = 3.0;
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
  paths.quad_A = 0.0;
  paths.quad_L = 0.01;
  EXPECT_EQ(compute(3), 1);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(store.traj_last[i], 1);
    EXPECT_NEAR(store.traj_tend[i], 0.01, 1e-10);
    EXPECT_NEAR(store.cp_traj[i][1].x, 0.01, 1e-12);
  }
}

// A motion that needs record MAX fails with the message and writes nothing at index MAX:
// the records that follow in memory keep what they held.
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
    double *a, va, *b, vb, *c, vc;
  } cases[] = {
      {1, &paths.cosine_A, 0.5, &paths.cosine_L, 2.0, &paths.cosine_n, 20.0},
      {15, &paths.arc_R, 1.0, &paths.arc_n, 9.0, &paths.arc_R, 1.0},
  };
  for (const auto& c : cases) {
    reset_program_state();
    choose_error('0');
    *c.a = c.va, *c.b = c.vb, *c.c = c.vc;
    poison_store();
    store.traj_last[1] = 77;  // the failing type keeps what the previous run left
    console.clear_output();
    EXPECT_EQ(compute(c.I), MAX);
    char expected[160];
    std::snprintf(expected, sizeof expected,
                  "\ncaltraj() I=%d AGV=2 刻み数NN=3000>=3000=MAX 経路長長過ぎる．経路設定し直し",
                  c.I);
    EXPECT_EQ(console.output(), expected);
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
  choose_error('3');
  settings.steer_drift = INFINITY;
  EXPECT_EQ(compute(1), 163);
  EXPECT_TRUE(std::isnan(store.err_traj[1][10].x));
  EXPECT_TRUE(std::isfinite(store.agv_traj[1][10].x));

  // A slip of any size only slows or speeds the wheels; a NaN one makes the erroneous
  // vehicle NaN, but the record limit still ends every loop.
  choose_error('5', NAN);
  settings.SLIP = NAN;
  EXPECT_EQ(compute(1), 163);
}

}  // namespace
