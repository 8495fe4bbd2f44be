// Which records a GIF shows and how long each frame stays.
#include <gtest/gtest.h>

#include "app/gif_recording.h"
#include "app/picture_export.h"

namespace {

TEST(GifSteps, EveryNthRecordAndTheLast) {
  EXPECT_EQ(gif_steps(7, 0.02, 25.0), (std::vector<int>{0, 2, 4, 6, 7}));
  EXPECT_EQ(gif_steps(6, 0.02, 25.0), (std::vector<int>{0, 2, 4, 6}));
  EXPECT_EQ(gif_steps(3, 0.02, 100.0), (std::vector<int>{0, 1, 2, 3}));  // never below 1
  EXPECT_EQ(gif_steps(10, 0.02, 10.0), (std::vector<int>{0, 5, 10}));
  EXPECT_EQ(gif_steps(0, 0.02, 25.0), (std::vector<int>{0}));
}

// Real time in whole hundredths without drift; a motion begun anew or the last frame is
// held 2 s; a delay never below 2.
TEST(FrameTimeline, DelaysAddUpToTheMotionTime) {
  FrameTimeline t;
  const FrameMoment a{AgvType::t2DW1C, 0, 0.0}, b{AgvType::t2DW1C, 1, 0.013},
      c{AgvType::t2DW1C, 2, 0.026}, d{AgvType::t2DW1C, 3, 0.03}, again{AgvType::t2DW1C, 0, 0.0};
  EXPECT_EQ(t.delay_cs(a, &b), 2);            // 1.3 rounds to 1, held to 2
  EXPECT_EQ(t.delay_cs(b, &c), 2);            // 2.6 due in all, 2 given: 1, held to 2
  EXPECT_EQ(t.delay_cs(c, &d), 2);            // 3.0 due, 4 given: -1, held to 2
  EXPECT_EQ(t.delay_cs(d, &again), 200 - 3);  // the 3 given too many come off the hold
  EXPECT_EQ(t.delay_cs(again, nullptr), 200);

  FrameTimeline u;
  const FrameMoment other{AgvType::t1FDW1FS, 5, 0.1};
  EXPECT_EQ(u.delay_cs(a, &other), 200);  // another type follows
}

}  // namespace
