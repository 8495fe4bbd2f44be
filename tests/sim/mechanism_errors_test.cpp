#include <gtest/gtest.h>

#include <cmath>

#include "sim/sim_fixture.h"

namespace {

using MechanismErrorsTest = SimTest;

// s, theta, x, y of err_traj against agv_traj for every record of type index i.
void expect_same_motion(int i, double tol, const char* what) {
  for (int j = 0; j <= store.traj_last[i]; ++j) {
    const traj_rec& e = store.err_traj[i][j];
    const traj_rec& a = store.agv_traj[i][j];
    if (tol == 0.0) {
      ASSERT_EQ(e.s, a.s) << what << " type " << i + 1 << " record " << j;
      ASSERT_EQ(e.theta, a.theta) << what << " type " << i + 1 << " record " << j;
      ASSERT_EQ(e.x, a.x) << what << " type " << i + 1 << " record " << j;
      ASSERT_EQ(e.y, a.y) << what << " type " << i + 1 << " record " << j;
    } else {
      ASSERT_NEAR(e.s, a.s, tol) << what << " type " << i + 1 << " record " << j;
      ASSERT_NEAR(e.theta, a.theta, tol) << what << " type " << i + 1 << " record " << j;
      ASSERT_NEAR(e.x, a.x, tol) << what << " type " << i + 1 << " record " << j;
      ASSERT_NEAR(e.y, a.y, tol) << what << " type " << i + 1 << " record " << j;
    }
  }
}

TEST_F(MechanismErrorsTest, KindsThatDoNotActOnAMechanismLeaveItsMotion) {
  const struct {
    char kind;
    double v1, v2;
    int types[3];
  } cases[] = {
      {'0', 0, 0, {1, 2, 3}}, {'1', 3, -2, {2, 0, 0}}, {'2', 7, 0, {1, 3, 0}},
      {'3', 1, 0, {1, 0, 0}}, {'4', 0, 10, {1, 0, 0}}, {'5', 0, 0, {1, 2, 3}},
  };
  for (const auto& c : cases) {
    SetUp();
    choose_error(c.kind, c.v1, c.v2);
    ASSERT_LT(compute(11), MAX);
    for (int type : c.types) {
      if (type == 0) continue;
      // Type 1 forms its erroneous turn rate from the two wheel speeds: equal up to rounding.
      expect_same_motion(type - 1, type == 1 ? 1e-9 : 0.0, &c.kind);
    }
  }
}

TEST_F(MechanismErrorsTest, DriftOnTheCasterOnlyTurnsTheShownCaster) {
  choose_error('3', 1);
  compute(11);
  for (int j = 0; j <= store.traj_last[0]; j += 50) {
    EXPECT_NEAR(store.err_traj[0][j].delta - store.agv_traj[0][j].delta, 0.0174532925, 1e-9);
  }
}

TEST_F(MechanismErrorsTest, ErrorFreeTwoWheelDriveFollowsTheReference) {
  choose_error('0');
  compute(11);
  for (int j = 0; j <= store.traj_last[0]; ++j) {
    ASSERT_NEAR(store.err_dev[0][j].x, 0.0, 1e-9);
    ASSERT_NEAR(store.err_dev[0][j].y, 0.0, 1e-9);
  }
}

TEST_F(MechanismErrorsTest, StraightPathKeepsEveryMotionOnIt) {
  choose_error('0');
  constant("cycloid_A") = 0.0;  // y = 0
  constant("cycloid_L") = 4.0;
  compute(2);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j <= store.traj_last[i]; ++j) {
      for (const auto* arr : {store.cp_traj, store.agv_traj, store.err_traj}) {
        ASSERT_EQ(arr[i][j].y, 0.0);
        ASSERT_EQ(arr[i][j].theta, 0.0);
      }
    }
    EXPECT_NEAR(store.agv_traj[i][store.traj_last[i]].x, 4.0, 1e-8);
  }
}

TEST_F(MechanismErrorsTest, SteeredTypesKeepTheirStartAngleOnACircle) {
  choose_error('0');
  constant("arc_R") = 2.0;
  constant("arc_n") = 0.5;
  compute(15);
  const double start = std::atan(1.0 * 0.5);  // atan(tread / R)
  for (int i = 1; i < 3; ++i) {
    for (int j = 0; j <= store.traj_last[i]; ++j) {
      ASSERT_DOUBLE_EQ(store.wheel_traj[i][j].delta, start);
      ASSERT_DOUBLE_EQ(store.err_traj[i][j].delta, start);
    }
  }
}

// Unequal wheel radii on a straight path: the vehicle runs on a circle whose curvature
// follows from the wheel speeds alone.
TEST_F(MechanismErrorsTest, UnequalRearWheelsDriveACircle) {
  choose_error('1', 3, -2);
  constant("quad_A") = 0.0;
  constant("quad_L") = 6.0;
  compute(3);
  const double eL = 0.03, eR = -0.02;
  const double kappa = (eR - eL) / (1.0 * (1 + (eL + eR) / 2));
  const int n = store.traj_last[0];
  // Centre of the circle: a quarter turn to the side of the start heading (0).
  const double cx = 0.0, cy = 1.0 / kappa;
  for (int j = 0; j <= n; ++j) {
    const traj_rec& e = store.err_traj[0][j];
    ASSERT_NEAR(std::hypot(e.x - cx, e.y - cy), std::fabs(1.0 / kappa), 1e-7) << j;
    ASSERT_NEAR(e.theta, kappa * e.s, 1e-9) << j;
  }
}

TEST_F(MechanismErrorsTest, WheelBaseErrorSlowsTheTurnOfTheTwoWheelDrive) {
  choose_error('4', 5, 0);
  constant("arc_R") = 1.5;
  constant("arc_n") = 0.75;
  compute(15);
  const double rate = 1.0 / 1.5 / 1.05;  // V kappa / (1 + WBerr)
  const traj_rec& start = store.err_traj[0][0];
  for (int j = 0; j < store.traj_last[0]; ++j) {
    ASSERT_NEAR(store.err_traj[0][j].theta - start.theta, rate * j * 0.02, 1e-8) << j;
  }
}

TEST_F(MechanismErrorsTest, EqualWheelErrorsKeepTheShapeAndChangeThePace) {
  choose_error('1', 4, 4);
  compute(11);
  // Along the same shape 4 % ahead: the erroneous vehicle's travel is 1.04 times the
  // reference's at every record.
  for (int j = 1; j < store.traj_last[0]; ++j) {
    ASSERT_NEAR(store.err_traj[0][j].s, 1.04 * store.cp_traj[0][j].s, 1e-9) << j;
  }
}

}  // namespace
