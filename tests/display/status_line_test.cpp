// The status line's texts: where the motion stands, the deviation or why there is none.
#include "display/status_line.h"

#include <gtest/gtest.h>

#include <string>

#include "gl/window.h"

namespace {

StatusInput halfway() {
  StatusInput s{};
  s.shown = true;
  s.type = AgvType::t2DW1C;
  s.step = 73;
  s.last = 146;
  s.time = 1.46;
  s.duration = 2.92;
  s.now = {0.01, 0.02, 0.0223607, -0.01};
  s.at_end = {0.09, -0.04, 0.0966, -0.0878};
  s.speed = "x1/4";
  s.language = Language::en;
  return s;
}

std::string motion(const StatusInput& s) {
  StatusText t;
  compose_status(s, &t);
  return t.motion;
}
std::string deviation(const StatusInput& s) {
  StatusText t;
  compose_status(s, &t);
  return t.deviation;
}

TEST(StatusLine, TimeStepStateAndDeviationInMillimetresAndDegrees) {
  StatusInput s = halfway();
  EXPECT_EQ(motion(s), "2DW1C  t = 1.46 / 2.92 s  step 73 / 146  x1/4 paused");
  EXPECT_EQ(deviation(s), "deviation now 22.4 mm -0.57 deg, at the end 96.6 mm -5.03 deg");
  s.playing = true;
  EXPECT_EQ(motion(s), "2DW1C  t = 1.46 / 2.92 s  step 73 / 146  x1/4 playing");
  s.step = 146;
  s.time = 2.92;
  EXPECT_EQ(motion(s), "2DW1C  t = 2.92 / 2.92 s  step 146 / 146  x1/4 end of motion");
  s.language = Language::ja;
  EXPECT_EQ(deviation(s), "ずれ 現在 22.4 mm -0.57°  終点 96.6 mm -5.03°");
}

TEST(StatusLine, SaysWhenTheErrorDoesNotActOrThereIsNone) {
  StatusInput s = halfway();
  s.type = AgvType::t1FDW1FS;
  s.no_effect = true;
  EXPECT_EQ(deviation(s), "this error does not act on the 1FDW1FS mechanism");
  s.error_free = true;
  EXPECT_EQ(deviation(s), "no mechanism error");
}

// Under a Tread error the error-free vehicle leaves the CP path: a third line says so, in
// the chosen language, whatever the second line says.
TEST(StatusLine, NotesWhenTheErrorFreeVehicleLeavesThePath) {
  StatusInput s = halfway();
  StatusText t;
  compose_status(s, &t);
  EXPECT_STREQ(t.note, "");
  s.free_off_path = true;
  s.free_offset = 0.6114;
  s.no_effect = true;
  compose_status(s, &t);
  EXPECT_STREQ(t.note,
               "red (no error) is off the CP path too, up to 611 mm: steering commanded with the "
               "real Tread");
  s.language = Language::ja;
  compose_status(s, &t);
  EXPECT_STREQ(t.note,
               "赤（誤差なし）も CP 経路から最大 611 mm 外れる（操舵指令は実際の Tread で計算）");
}

TEST(PictureBox, LargestCentredSquareInAWindowHeldToItsLargestSide) {
  const struct {
    int w, h;
    PictureBox box;
  } cases[] = {
      {800, 800, {0, 0, 800, false}},
      {1200, 600, {300, 0, 600, false}},
      {640, 480, {80, 0, 480, false}},
      {1920, 1080, {420, 0, 1080, false}},
      {500, 900, {0, 200, 500, false}},
      {32767, 32767, {0, 0, max_window_side, true}},
      {32767, 300, {(max_window_side - 300) / 2, 0, 300, true}},
      {0, 0, {0, 0, 0, false}},
  };
  for (const auto& c : cases) {
    const PictureBox b = picture_box(c.w, c.h);
    EXPECT_EQ(b.x, c.box.x) << c.w << "x" << c.h;
    EXPECT_EQ(b.y, c.box.y) << c.w << "x" << c.h;
    EXPECT_EQ(b.side, c.box.side) << c.w << "x" << c.h;
    EXPECT_EQ(b.oversized, c.box.oversized) << c.w << "x" << c.h;
  }
}

}  // namespace
