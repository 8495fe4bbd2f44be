// The window's setting keys on the session: values held as whole steps, kinds and paths
// round, constants never negative.
#include "control/live_settings.h"

#include <gtest/gtest.h>

#include "path/path_table.h"

namespace {

class LiveSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session = new_session();
    session.path_no = 11;
    session.error = {ErrorKind::rear_wheels, {3.0, -2.0}};
    live = {};
    live_settings_from(live, session);
  }
  Session session;
  LiveSettings live;
};

// A tenth up three times is 3.3 as typed, not a sum of tenths; back down it is 3 again,
// and a value not on the tenths (0.25) comes back exactly after a step and its return.
TEST_F(LiveSettingsTest, StepsAreExactInDecimalAndReturnExactly) {
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(live_step(live, session, fine_step));
  EXPECT_EQ(session.error.entered[0], 3.3);
  EXPECT_TRUE(live_step(live, session, coarse_step));
  EXPECT_EQ(session.error.entered[0], 4.3);
  EXPECT_TRUE(live_step(live, session, -coarse_step - 3 * fine_step));
  EXPECT_EQ(session.error.entered[0], 3.0);

  session.error.entered[1] = 0.25;
  live_settings_from(live, session);
  live_select(live, 1);
  EXPECT_TRUE(live_step(live, session, fine_step));
  EXPECT_TRUE(live_step(live, session, -fine_step));
  EXPECT_EQ(session.error.entered[1], 0.25);
  EXPECT_EQ(session.error.entered[0], 3.0);
}

// The selection runs over the error's two values, then the ellipse's A and B, round; a
// constant stops at 0.
TEST_F(LiveSettingsTest, SelectionRunsOnToTheConstantsWhichStopAtZero) {
  EXPECT_EQ(live.count, 4);
  live_select(live, -1);
  EXPECT_EQ(live.selected, 3);  // ellipse_B, 1 m
  EXPECT_TRUE(live_step(live, session, -coarse_step));
  EXPECT_EQ(session_path(session, 11).constants[1], 0.0);
  EXPECT_FALSE(live_step(live, session, -fine_step));
  EXPECT_EQ(session_path(session, 11).constants[1], 0.0);
  live_select(live, 1);
  EXPECT_EQ(live.selected, 0);
}

// Kinds go round 0..5; one whose values are all 0 starts with a size worth seeing, one with
// values keeps them; 'n' goes back to none.
TEST_F(LiveSettingsTest, KindsGoRound) {
  live_next_kind(live, session, -1);
  EXPECT_EQ(session.error.kind, ErrorKind::none);
  EXPECT_EQ(live.count, 2);  // only the ellipse's constants
  live_next_kind(live, session, -1);
  EXPECT_EQ(session.error.kind, ErrorKind::slip);
  EXPECT_EQ(session.error.entered[0], 3.0);  // the values entered last
  session.error.entered[0] = session.error.entered[1] = 0.0;
  live_next_kind(live, session, 1);
  EXPECT_EQ(session.error.kind, ErrorKind::none);
  live_next_kind(live, session, 1);
  EXPECT_EQ(session.error.kind, ErrorKind::rear_wheels);
  EXPECT_EQ(session.error.entered[0], 3.0);
  EXPECT_TRUE(live_no_error(live, session));
  EXPECT_FALSE(live_no_error(live, session));
}

// Paths go round in the menu's order, each with the constants last used for it.
TEST_F(LiveSettingsTest, PathsGoRoundKeepingTheirConstants) {
  live_select(live, 2);
  live_step(live, session, coarse_step);  // ellipse A = 3
  live_next_path(live, session, -1);
  EXPECT_EQ(session.path_no, 4);
  EXPECT_EQ(live.selected, 2);  // still on the path's first constant
  live_next_path(live, session, 1);
  EXPECT_EQ(session_path(session, 11).constants[0], 3.0);
  session.path_no = 16;
  live_next_path(live, session, 1);
  EXPECT_EQ(session.path_no, 1);
  EXPECT_EQ(live.count, 2 + 3);
}

}  // namespace
