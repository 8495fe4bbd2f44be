#include "path/arc_length.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "control/settings.h"
#include "path/path_constants.h"
#include "path/path_curves.h"
#include "path/path_select.h"
#include "support/program_state.h"
#include "support/scripted_console.h"

namespace {

constexpr double pi = 3.14159265358979;

class ArcLength : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_program_state();
    for (int I : path_numbers) derive_path(I);
  }
  // check_path_length and build_arc_table, as the dialogue runs them.
  int prepare(int I) {
    derive_path(I);
    const int ok = check_path_length(I);
    if (ok) build_arc_table(I);
    return ok;
  }
  const arc_entry* table(int I) { return arc_tables.table[arc_table_slot(I)]; }
  int last(int I) { return arc_tables.last[arc_table_slot(I)]; }
  ScriptedConsole console;
};

TEST_F(ArcLength, SimpsonRuleOnKnownLengths) {
  EXPECT_NEAR(arc_length(0.0, 2 * pi, 15), 2 * pi, 1e-9);  // unit circle
  paths.quad_A = 0.0;                                      // a straight line of length L
  EXPECT_NEAR(arc_length(0.0, 2.0, 3), 2.0, 1e-12);
  EXPECT_EQ(arc_length(0.7, 0.7, 1), 0.0);
  EXPECT_NEAR(arc_length(1.3, 0.2, 11), -arc_length(0.2, 1.3, 11), 1e-12);
}

TEST_F(ArcLength, ShortIntervalIsOnePanel) {
  const double p0 = 0.3, p1 = 0.30005, h = (p1 - p0) / 2;
  const double one_panel =
      (path_speed(p0, 1) + 4 * path_speed(p0 + h, 1) + path_speed(p0 + h + h, 1)) * h / 3;
  EXPECT_DOUBLE_EQ(arc_length(p0, p1, 1), one_panel);
}

TEST_F(ArcLength, SplitInterval) {
  double h;
  int n;
  split_interval(0.00005, 0.002, &h, &n);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(h, 0.0);
  split_interval(0.01, 0.002, &h, &n);
  EXPECT_EQ(n, 5);
  split_interval(-0.001, 0.002, &h, &n);  // shorter than a step: one piece of the signed length
  EXPECT_EQ(n, 1);
  EXPECT_EQ(h, -0.001);
  split_interval(1e300, 0.002, &h, &n);  // a count beyond int stays defined
  EXPECT_GT(n, 0);
}

TEST_F(ArcLength, LengthCheckPassesTheDefaultAndRefusesLongPaths) {
  EXPECT_EQ(check_path_length(1), 1);
  EXPECT_NEAR(paths.path_length[1], 2.92739094483, 1e-10);
  EXPECT_EQ(console.output(), "");

  paths.cosine_n = 20;
  paths.cosine_L = 5;
  derive_path(1);
  EXPECT_EQ(check_path_length(1), 0);
  EXPECT_GT(paths.path_length[1], 100.0);
  char expected[200];
  std::snprintf(expected, sizeof expected,
                "\n経路番号I=1 経路長sf=%7.4f>60.0000=smax限界を超えている．経路設定し直し",
                paths.path_length[1]);
  EXPECT_EQ(console.output(), expected);
}

TEST_F(ArcLength, PathExactlyAtTheLimitPasses) {
  paths.quad_A = 0.0;  // straight, length L exactly
  paths.quad_L = 60.0;
  derive_path(3);
  EXPECT_EQ(check_path_length(3), 1);
  EXPECT_EQ(paths.path_length[3], 60.0);
}

TEST_F(ArcLength, UncomputablePathsAreRefusedQuickly) {
  struct Case {
    int I;
    double* a;
    double va;
    double* b;
    double vb;
  };
  PathConstants& c = paths;
  const Case cases[] = {
      {15, &c.arc_R, 1.0, &c.arc_n, 1e5},  // end parameter far beyond any table
      {15, &c.arc_R, 1.0, &c.arc_n, 1e9},
      {14, &c.rose_A, 1.0, &c.rose_n, 0.0},        // infinite end parameter
      {11, &c.ellipse_A, 0.0, &c.ellipse_B, 0.0},  // r = 0/0
      {1, &c.cosine_L, 0.0, &c.cosine_n, 1.0},     // zero length
      {12, &c.spiral_A, 1.0, &c.spiral_n, 0.0},
      {15, &c.arc_R, 1.0, &c.arc_n, 0.0},
      {13, &c.cardioid_A, 0.0, &c.cardioid_A, 0.0},
      {12, &c.spiral_A, 0.0, &c.spiral_n, 2.0},
      {1, &c.cosine_L, NAN, &c.cosine_n, 1.0},
      {3, &c.quad_L, INFINITY, &c.quad_A, 1.0},
  };
  for (const Case& k : cases) {
    reset_program_state();
    *k.a = k.va;
    *k.b = k.vb;
    console.clear_output();
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(prepare(k.I), 0) << "I=" << k.I << " " << k.va << " " << k.vb;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_LT(seconds, 1.0);
    EXPECT_NE(console.output().find("経路設定し直し"), std::string::npos);
  }
}

TEST_F(ArcLength, TableOfAnEndParameterOfTwo) {
  paths.quad_L = 2.0;
  ASSERT_EQ(prepare(3), 1);
  const arc_entry* t = table(3);
  EXPECT_EQ(t[0].p, 0.0);
  EXPECT_EQ(t[0].s, 0.0);
  EXPECT_LT(t[199].p, 2.0);  // 1.99 by accumulation
  EXPECT_NEAR(t[199].p, 1.99, 1e-12);
  EXPECT_EQ(t[200].p, 2.0);  // the end entry, exactly
  EXPECT_NEAR(t[200].s, paths.path_length[3], 1e-9);
  EXPECT_EQ(last(3), 300);
  EXPECT_LT(t[300].p, 3.0);
  EXPECT_GT(t[300].p, 2.99);
  for (int k = 1; k <= 300; ++k) EXPECT_GT(t[k].s, t[k - 1].s);
}

TEST_F(ArcLength, TableReachesOneAndAHalfTimesALongEndParameter) {
  paths.cosine_A = 0.1;
  paths.cosine_L = 5.0;
  paths.cosine_n = 11.0;
  ASSERT_EQ(prepare(1), 1);
  EXPECT_NEAR(paths.path_length[1], 55.2164925908, 1e-9);
  const arc_entry* t = table(1);
  EXPECT_GT(last(1), 8000);
  EXPECT_GT(t[last(1)].p, 1.5 * 55.0 - 0.011);
  EXPECT_GT(t[last(1)].s, paths.path_length[1]);
}

TEST_F(ArcLength, ParamAtLengthSpecialValues) {
  ASSERT_EQ(prepare(11), 1);
  EXPECT_EQ(param_at_length(5.0, 0.0, 11), 0.0);
  EXPECT_EQ(param_at_length(0.0, paths.path_length[11] - 5e-8, 11), 2 * pi);
  EXPECT_EQ(param_at_length(0.0, 1e9, 11), 2 * pi);
  const arc_entry e = table(11)[123];
  EXPECT_DOUBLE_EQ(param_at_length(e.p - 0.1, e.s, 11), e.p);
  EXPECT_DOUBLE_EQ(param_at_length(1.0, 2.5, 15), 2.5);  // circle arc: s / R, no table
  EXPECT_EQ(last(15), 0);
}

// The parameter found has the asked arc length, from any reasonable guess: below the
// answer (the simulation's way), below 0.01 or negative, and above it.
TEST_F(ArcLength, ParamAtLengthInvertsTheArcLengthOnEveryPath) {
  for (int I : path_numbers) {
    ASSERT_EQ(prepare(I), 1) << I;
    const double sf = paths.path_length[I];
    for (double f : {0.001, 0.05, 0.31, 0.5, 0.77, 0.999}) {
      const double s = f * sf;
      const double p = param_at_length(-0.05, s, I);
      EXPECT_NEAR(arc_length(0.0, p, I), s, 1e-6) << "I=" << I << " s=" << s;
      EXPECT_NEAR(param_at_length(p - 0.1, s, I), p, 1e-7) << "I=" << I;
      EXPECT_NEAR(param_at_length(p + 0.5, s, I), p, 1e-7) << "guess above, I=" << I;
      EXPECT_NEAR(param_at_length(1e12, s, I), p, 1e-7) << "huge guess, I=" << I;
    }
  }
}

TEST_F(ArcLength, ParamAtLengthStopsOnPathsWithoutALength) {
  paths.ellipse_A = 0.0;
  paths.ellipse_B = 0.0;
  derive_path(11);
  build_arc_table(11);
  paths.path_length[11] = NAN;  // as a zero ellipse leaves it
  const auto t0 = std::chrono::steady_clock::now();
  for (double s : {0.1, 1.0, 30.0}) (void)param_at_length(s - 0.1, s, 11);
  (void)param_at_length(NAN, NAN, 11);
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(), 1.0);
}

TEST_F(ArcLength, ParamAtLengthBeforeAnyTableIsBuilt) {
  paths.path_length[3] = 10.0;  // the table of path 3 holds only its start entry
  const double p = param_at_length(0.5, 1.0, 3);
  EXPECT_NEAR(arc_length(0.0, p, 3), 1.0, 1e-6);
}

}  // namespace
