#include "control/startup.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/scripted_console.h"

namespace {

// What the dialogue starts from: every path at its defaults, path 1, no error chosen yet
// but a slip of 5 % listed, the generator at state 1, no computation yet.
TEST(Startup, SetsEveryStartValue) {
  auto tables = std::make_unique<NormalTables>();
  Session session{};
  session.random_state = 12345;  // a program start never continues an old sequence
  ScriptedConsole console;
  startup(tables.get(), &session, "");
  EXPECT_EQ(console.output(), "\nランダム変換表読み込み完了");
  EXPECT_EQ(session.random_state, 1u);
  EXPECT_EQ(session.menu_errors.SLIP, 0.05);
  EXPECT_EQ(session.menu_errors.RearWHeelerr_L, 0.0);
  EXPECT_EQ(session.menu_errors.tread_err, session.vehicle.tread);
  EXPECT_EQ(session.menu_errors.wheel_base_err, session.vehicle.wheel_base);
  EXPECT_EQ(travel_per_step(session.vehicle), 0.02);
  EXPECT_EQ(session.path_no, 1);
  EXPECT_EQ(session.run_count, 0);
  EXPECT_EQ(session_path(session, 1).constants[0], 0.5);
  EXPECT_EQ(session_path(session, 16).constants[2], 2.0);  // wavy_R, fixed
  EXPECT_GT(tables->normal_tab_last[4], 1);
}

}  // namespace
