#include "path/arc_length.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "path/path_fixture.h"

namespace {

constexpr double pi = 3.14159265358979;

class ArcLength : public PathTest {
 protected:
  const arc_entry* table_of(int I) { return arc(I).entry; }
  int last(int I) { return arc(I).last; }
};

TEST_F(ArcLength, SimpsonRuleOnKnownLengths) {
  EXPECT_NEAR(arc_length(0.0, 2 * pi, P(15)), 2 * pi, 1e-9);  // unit circle
  constant("quad_A") = 0.0;                                   // a straight line of length L
  derive(3);
  EXPECT_NEAR(arc_length(0.0, 2.0, P(3)), 2.0, 1e-12);
  EXPECT_EQ(arc_length(0.7, 0.7, P(1)), 0.0);
  EXPECT_NEAR(arc_length(1.3, 0.2, P(11)), -arc_length(0.2, 1.3, P(11)), 1e-12);
}

TEST_F(ArcLength, ShortIntervalIsOnePanel) {
  const double p0 = 0.3, p1 = 0.30005, h = (p1 - p0) / 2;
  const double one_panel =
      (path_speed(p0, P(1)) + 4 * path_speed(p0 + h, P(1)) + path_speed(p0 + h + h, P(1))) * h / 3;
  EXPECT_DOUBLE_EQ(arc_length(p0, p1, P(1)), one_panel);
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
  PathCheck c = check_path_length(P(1), 0.02);
  EXPECT_EQ(c.refusal, PathRefusal::none);
  EXPECT_NEAR(P(1).length, 2.92739094483, 1e-10);
  EXPECT_EQ(c.length, P(1).length);

  constant("cosine_n") = 20;
  constant("cosine_L") = 5;
  derive(1);
  c = check_path_length(P(1), 0.02);
  EXPECT_EQ(c.refusal, PathRefusal::too_long);
  EXPECT_GT(P(1).length, 100.0);
  EXPECT_EQ(c.smax, 60.0);
}

TEST_F(ArcLength, PathExactlyAtTheLimitPasses) {
  constant("quad_A") = 0.0;  // straight, length L exactly
  constant("quad_L") = 60.0;
  derive(3);
  EXPECT_EQ(check_path_length(P(3), 0.02).refusal, PathRefusal::none);
  EXPECT_EQ(P(3).length, 60.0);
}

TEST_F(ArcLength, UncomputablePathsAreRefusedQuickly) {
  struct Case {
    int I;
    const char* a;
    double va;
    const char* b;
    double vb;
  };
  const Case cases[] = {
      {15, "arc_R", 1.0, "arc_n", 1e5},  // end parameter far beyond any table
      {15, "arc_R", 1.0, "arc_n", 1e9},
      {14, "rose_A", 1.0, "rose_n", 0.0},        // infinite end parameter
      {11, "ellipse_A", 0.0, "ellipse_B", 0.0},  // r = 0/0
      {1, "cosine_L", 0.0, "cosine_n", 1.0},     // zero length
      {12, "spiral_A", 1.0, "spiral_n", 0.0},
      {15, "arc_R", 1.0, "arc_n", 0.0},
      {13, "cardioid_A", 0.0, "cardioid_A", 0.0},
      {12, "spiral_A", 0.0, "spiral_n", 2.0},
      {1, "cosine_L", NAN, "cosine_n", 1.0},
      {3, "quad_L", INFINITY, "quad_A", 1.0},
  };
  for (const Case& k : cases) {
    SetUp();
    constant(k.a) = k.va;
    constant(k.b) = k.vb;
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_FALSE(prepare(k.I)) << "I=" << k.I << " " << k.va << " " << k.vb;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_LT(seconds, 1.0);
  }
}

TEST_F(ArcLength, TableOfAnEndParameterOfTwo) {
  constant("quad_L") = 2.0;
  ASSERT_TRUE(prepare(3));
  const arc_entry* t = table_of(3);
  EXPECT_EQ(t[0].p, 0.0);
  EXPECT_EQ(t[0].s, 0.0);
  EXPECT_LT(t[199].p, 2.0);  // 1.99 by accumulation
  EXPECT_NEAR(t[199].p, 1.99, 1e-12);
  EXPECT_EQ(t[200].p, 2.0);  // the end entry, exactly
  EXPECT_NEAR(t[200].s, P(3).length, 1e-9);
  EXPECT_EQ(last(3), 300);
  EXPECT_LT(t[300].p, 3.0);
  EXPECT_GT(t[300].p, 2.99);
  for (int k = 1; k <= 300; ++k) EXPECT_GT(t[k].s, t[k - 1].s);
}

TEST_F(ArcLength, TableReachesOneAndAHalfTimesALongEndParameter) {
  constant("cosine_A") = 0.1;
  constant("cosine_L") = 5.0;
  constant("cosine_n") = 11.0;
  ASSERT_TRUE(prepare(1));
  EXPECT_NEAR(P(1).length, 55.2164925908, 1e-9);
  const arc_entry* t = table_of(1);
  EXPECT_GT(last(1), 8000);
  EXPECT_GT(t[last(1)].p, 1.5 * 55.0 - 0.011);
  EXPECT_GT(t[last(1)].s, P(1).length);
}

TEST_F(ArcLength, ParamAtLengthSpecialValues) {
  ASSERT_TRUE(prepare(11));
  const Path& e11 = P(11);
  EXPECT_EQ(param_at_length(5.0, 0.0, e11, arc(11)), 0.0);
  EXPECT_EQ(param_at_length(0.0, e11.length - 5e-8, e11, arc(11)), 2 * pi);
  EXPECT_EQ(param_at_length(0.0, 1e9, e11, arc(11)), 2 * pi);
  // Before the start (a vehicle rolling backwards): the start, from any guess.
  for (double guess : {-0.1, 0.0, 0.9, 5.0}) {
    EXPECT_EQ(param_at_length(guess, -1e-9, e11, arc(11)), 0.0) << guess;
    EXPECT_EQ(param_at_length(guess, -3.0, e11, arc(11)), 0.0) << guess;
  }
  const arc_entry e = table_of(11)[123];
  EXPECT_DOUBLE_EQ(param_at_length(e.p - 0.1, e.s, e11, arc(11)), e.p);
  // circle arc: s / R, no table
  EXPECT_DOUBLE_EQ(param_at_length(1.0, 2.5, P(15), arc(15)), 2.5);
  EXPECT_DOUBLE_EQ(param_at_length(1.0, -0.5, P(15), arc(15)), -0.5);
  EXPECT_EQ(last(15), 0);
}

// The parameter found has the asked arc length, from any reasonable guess: below the
// answer (the simulation's way), below 0.01 or negative, and above it.
TEST_F(ArcLength, ParamAtLengthInvertsTheArcLengthOnEveryPath) {
  for (const PathDescriptor& d : path_table) {
    const int I = d.number;
    ASSERT_TRUE(prepare(I)) << I;
    const double sf = P(I).length;
    for (double f : {0.001, 0.05, 0.31, 0.5, 0.77, 0.999}) {
      const double s = f * sf;
      const double p = param_at_length(-0.05, s, P(I), arc(I));
      EXPECT_NEAR(arc_length(0.0, p, P(I)), s, 1e-6) << "I=" << I << " s=" << s;
      EXPECT_NEAR(param_at_length(p - 0.1, s, P(I), arc(I)), p, 1e-7) << "I=" << I;
      EXPECT_NEAR(param_at_length(p + 0.5, s, P(I), arc(I)), p, 1e-7) << "guess above, I=" << I;
      EXPECT_NEAR(param_at_length(1e12, s, P(I), arc(I)), p, 1e-7) << "huge guess, I=" << I;
    }
  }
}

TEST_F(ArcLength, ParamAtLengthStopsOnPathsWithoutALength) {
  constant("ellipse_A") = 0.0;
  constant("ellipse_B") = 0.0;
  derive(11);
  build_arc_table(P(11), arc(11));
  P(11).length = NAN;  // as a zero ellipse leaves it
  const auto t0 = std::chrono::steady_clock::now();
  for (double s : {0.1, 1.0, 30.0}) (void)param_at_length(s - 0.1, s, P(11), arc(11));
  (void)param_at_length(NAN, NAN, P(11), arc(11));
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(), 1.0);
}

TEST_F(ArcLength, ParamAtLengthBeforeAnyTableIsBuilt) {
  P(3).length = 10.0;  // the table of path 3 holds only its start entry
  const double p = param_at_length(0.5, 1.0, P(3), arc(3));
  EXPECT_NEAR(arc_length(0.0, p, P(3)), 1.0, 1e-6);
}

}  // namespace
