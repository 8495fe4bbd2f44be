// The scalable font drawn by the renderer (off the screen without a display).
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "gl/window.h"
#include "gui_support/frame_pixels.h"
#include "gui_support/gui_state.h"
#include "gui_support/gui_window.h"
#include "platform/scalable_font.h"
#include "scene/draw_constants.h"

namespace {

// Ink of a black text on white: every pixel that is not white, in a search box.
Box ink_in(const Picture& f, Box search, int* grey) {
  Box ink{frame_size, frame_size, -1, -1};
  *grey = 0;
  for (int y = search.y0; y <= search.y1; ++y) {
    for (int x = search.x0; x <= search.x1; ++x) {
      const Rgb p = f.at(x, y);
      if (p == white) continue;
      ink = {std::min(ink.x0, x), std::min(ink.y0, y), std::max(ink.x1, x), std::max(ink.y1, y)};
      if (p.r > 0 && p.r < 255 && p.r == p.g && p.g == p.b) ++*grey;
    }
  }
  return ink;
}

// A Japanese line at 24 pixels, its baseline's left end at pixel (200, 400): antialiased ink
// from about the baseline up to about the ascent, as wide as the font measures it, the GL state
// as it was; a second line one line height lower.
TEST(ScalableText, JapaneseLinesDrawnAntialiasedAsWideAsMeasured) {
  ensure_window();
  reset_gui_state();
  ASSERT_TRUE(scalable_font_loaded());
  frame_begin();
  const char* line = "誤差のない車両";
  const float px = 24.0f;
  draw_now([&](DrawList& l) {
    l.text(-0.5, 0.0, FontId::scalable(px), "誤差のない車両\n車両", color_black);
  });
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  const Picture& f = capture_frame();
  int grey = 0;
  const Box ink = ink_in(f, {190, 397, 400, 440}, &grey);
  EXPECT_GT(grey, 50);
  EXPECT_NEAR(ink.x0, 200, 3);
  EXPECT_NEAR(ink.x1 + 1 - 200, scalable_text_width(line, px), 3.0);
  EXPECT_LE(ink.y0, 399);  // the ideographs reach a little below the baseline
  EXPECT_NEAR(ink.y1 + 1 - 400, scalable_font_metrics(px).ascent, 4.0);

  const int below = 400 - static_cast<int>(std::lround(scalable_font_metrics(px).line));
  const Box second = ink_in(f, {190, below - 6, 400, 396}, &grey);
  EXPECT_NEAR(second.x1 + 1 - 200, scalable_text_width("車両", px), 3.0);
  EXPECT_GE(second.y0, below - 3);
  EXPECT_NEAR(second.y1 + 1 - below, scalable_font_metrics(px).ascent, 4.0);
}

}  // namespace
