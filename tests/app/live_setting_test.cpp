// A change of the setting in the window: computed into the other store, shown when it
// succeeds, refused without touching what is shown.
#include "app/live_setting.h"

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "display/frame.h"
#include "gui_support/gui_state.h"
#include "support/committed_tables.h"
#include "support/scripted_console.h"

namespace {

class LiveSettingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_gui_state();
    app.tables = committed_tables();
    Scenario s = default_scenario();
    set_default_path(s, 11);
    s.error = {ErrorKind::rear_wheels, {-99.9, 0.0}};
    ASSERT_TRUE(app_run_scenario(app, s));
  }
  ScriptedConsole console_;
};

// -100 % describes no wheel: the motion shown, its store and the step stay, the reason is
// named until a setting that can be computed; that one shows with the one before as its
// ghost.
TEST_F(LiveSettingTest, ARefusalLeavesThePictureAndTheNextSettingShowsWithItsGhost) {
  app.step = 300;
  const Workspace* shown = app.workspace;
  const double end_x = shown->store.err_traj[0][shown->store.traj_last[0]].x;
  const double radius_error = app.result.errors.RearWHeelerr_L;
  ASSERT_TRUE(live_setting_key(app, LiveKey::down));
  EXPECT_NE(app.refused, nullptr);
  EXPECT_EQ(app.workspace, shown);
  EXPECT_EQ(app.workspace->store.err_traj[0][app.workspace->store.traj_last[0]].x, end_x);
  EXPECT_EQ(app.result.errors.RearWHeelerr_L, radius_error);
  EXPECT_EQ(app.step, 300);
  EXPECT_FALSE(app.ghost_ready);  // the other store holds a part of the refused run
  EXPECT_EQ(app_frame(app).settings.error.entered[0], -100.0);  // the bar names it
  EXPECT_EQ(app_frame(app).status.refused, app.refused);

  ASSERT_TRUE(live_setting_key(app, LiveKey::up_coarse));  // -99 %
  EXPECT_EQ(app.refused, nullptr);
  EXPECT_NE(app.workspace, shown);
  EXPECT_DOUBLE_EQ(app.result.errors.RearWHeelerr_L, -0.99);
  EXPECT_EQ(app.step, 300);
  EXPECT_TRUE(app.ghost_ready);
  EXPECT_EQ(app_frame(app).scene.ghost, nullptr);  // 'b' hides it
  app.ghost_shown = true;
  EXPECT_EQ(app_frame(app).scene.ghost, &shown->store);
  app.style = FrameStyle::projector;  // drawn in both styles
  DrawList list;
  compose_frame(list, app_frame(app));
  EXPECT_NE(list.part(PartId::ghost), nullptr);
  app.style = FrameStyle::classic;
  // The console goes on from the window's setting.
  EXPECT_EQ(app.session.error.entered[0], -99.0);
  EXPECT_EQ(app.session.path_no, 11);
}

// The step stays at its time; where the new motion is shorter, at its end.
TEST_F(LiveSettingTest, TheStepKeepsItsTimeWhereTheMotionIsLongEnough) {
  app.agv_type = AgvType::t2DW1C;
  app.step = 2999;
  ASSERT_TRUE(live_setting_key(app, LiveKey::up));
  EXPECT_EQ(app.step, app.workspace->store.traj_last[0]);
}

}  // namespace
