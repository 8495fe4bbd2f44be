#include "path/path_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "path/path_fixture.h"

namespace {

constexpr double pi = 3.14159265358979;       // the paths' own pi
constexpr double true_pi = std::numbers::pi;  // what atan2 gives

using PathCurves = PathTest;

struct Pose {
  double x, y, heading, kappa;
};

Pose pose(double p, const Path& path) {
  double pt[2], tg[3];
  path_point(p, path, pt);
  path_tangent(p, path, tg);
  return {pt[0], pt[1], tg[2], path_curvature(p, path)};
}

TEST_F(PathCurves, StartPosesAndKnownCurvatures) {
  Pose c = pose(0.0, P(1));  // cosine: flat start, curvature A k^2
  EXPECT_EQ(c.x, 0.0);
  EXPECT_EQ(c.y, 0.0);
  double tg[3];
  path_tangent(0.0, P(1), tg);
  EXPECT_EQ(tg[0], 1.0);
  EXPECT_EQ(tg[1], 0.0);
  EXPECT_EQ(tg[2], 0.0);
  EXPECT_DOUBLE_EQ(c.kappa, 0.5 * pi * pi);  // A = 0.5, k = 2 pi / 2

  double pt[2];
  path_point(2.0, P(2), pt);  // cycloid ends at (L, A) with zero slope
  EXPECT_DOUBLE_EQ(pt[0], 2.0);
  EXPECT_NEAR(pt[1], 2.0, 1e-12);
  EXPECT_NEAR(path_tangent(2.0, P(2), tg), 0.0, 1e-12);

  Pose e0 = pose(0.0, P(11));  // ellipse A = 2, B = 1
  EXPECT_DOUBLE_EQ(e0.x, 2.0);
  EXPECT_NEAR(e0.y, 0.0, 1e-15);
  EXPECT_DOUBLE_EQ(e0.heading, true_pi / 2);
  EXPECT_NEAR(e0.kappa, 2.0, 1e-12);  // A / B^2
  Pose e1 = pose(pi / 2, P(11));
  EXPECT_NEAR(e1.x, 0.0, 1e-12);
  EXPECT_NEAR(e1.y, 1.0, 1e-12);
  EXPECT_NEAR(e1.heading, true_pi, 1e-12);
  EXPECT_NEAR(e1.kappa, 0.25, 1e-12);  // B / A^2

  Pose s = pose(0.0, P(12));  // spiral from the origin, heading 0, curvature 2 / a
  EXPECT_EQ(s.x, 0.0);
  EXPECT_EQ(s.y, 0.0);
  EXPECT_EQ(s.heading, 0.0);
  EXPECT_DOUBLE_EQ(s.kappa, 2.0 / P(12).k[0]);

  Pose k = pose(0.0, P(13));  // cardioid starts at (0.2 A, 0) going up
  EXPECT_NEAR(k.x, 0.2, 1e-12);
  EXPECT_DOUBLE_EQ(k.heading, true_pi / 2);

  for (double b : {0.0, 1.0, 2.5, 6.0}) {  // circle arc R = 1
    EXPECT_DOUBLE_EQ(path_curvature(b, P(15)), 1.0);
    EXPECT_EQ(path_curvature_rate(b, P(15)), 0.0);
  }

  Pose w = pose(0.0, P(16));
  EXPECT_DOUBLE_EQ(w.x, 2.2);
  EXPECT_DOUBLE_EQ(w.heading, true_pi / 2);
}

TEST_F(PathCurves, DescendingHalfOfACosineWaveHasNegativeSlope) {
  double tg[3];
  const double slope = path_tangent(1.5, P(1), tg);  // k x = 1.5 pi
  EXPECT_LT(slope, 0.0);
  EXPECT_LT(tg[2], 0.0);
  EXPECT_GT(tg[2], -pi / 2);
}

TEST_F(PathCurves, CurvatureCapNearAPointWhereRAndItsDerivativeVanish) {
  constant("wavy_A") = 2.0;  // equal to R: r = 0 at beta = pi for n = 1
  constant("wavy_n") = 1.0;
  derive(16);
  EXPECT_EQ(path_curvature(pi, P(16)), 50.0);
  constant("wavy_n") = 4.0;  // r = 0 at beta = pi / 4: the shifted value stays under the cap
  derive(16);
  const double k = path_curvature(pi / 4, P(16));
  EXPECT_GT(k, 45.0);
  EXPECT_LT(k, 47.0);
}

TEST_F(PathCurves, RoseEndParameters) {
  const struct {
    double n, end;
  } cases[] = {{0.5, 4 * pi}, {1.0 / 3, 3 * pi}, {2, 2 * pi}, {3, pi},
               {1, 2 * pi},   {1.5, pi},         {4, 2 * pi}, {0.25, 8 * pi}};
  for (const auto& c : cases) {
    constant("rose_n") = c.n;
    derive(14);
    EXPECT_NEAR(P(14).end_param, c.end, 1e-12) << "n = " << c.n;
  }
  constant("rose_n") = 0.0;  // an infinite end, never a conversion of infinity to an integer
  derive(14);
  EXPECT_TRUE(std::isinf(P(14).end_param));
  constant("rose_n") = 1e-300;  // 1.01 / n is far beyond any integer: still defined, and huge
  derive(14);
  EXPECT_GT(P(14).end_param, 1e300);
}

// Independent of the formulas: the tangent and the curvature agree with finite differences
// of the points for every path, at the defaults and at a few parameters.
TEST_F(PathCurves, DerivativesAgreeWithFiniteDifferencesOfThePoints) {
  const double eps = 1e-5;
  for (const PathDescriptor& d : path_table) {
    const int I = d.number;
    for (double f : {0.13, 0.37, 0.61, 0.88}) {
      const double p = f * P(I).end_param;
      double a[2], b[2], c[2], tg[3], sc[2];
      path_point(p - eps, P(I), a);
      path_point(p, P(I), b);
      path_point(p + eps, P(I), c);
      path_tangent(p, P(I), tg);
      path_second(p, P(I), sc);
      const double dx = (c[0] - a[0]) / (2 * eps), dy = (c[1] - a[1]) / (2 * eps);
      const double ddx = (c[0] - 2 * b[0] + a[0]) / (eps * eps);
      const double ddy = (c[1] - 2 * b[1] + a[1]) / (eps * eps);
      EXPECT_NEAR(tg[0], dx, 1e-6) << "I=" << I << " p=" << p;
      EXPECT_NEAR(tg[1], dy, 1e-6) << "I=" << I << " p=" << p;
      EXPECT_NEAR(std::atan2(dy, dx), tg[2], 1e-6) << "I=" << I;
      EXPECT_NEAR(sc[0], ddx, 2e-3 * (1 + std::fabs(ddx))) << "I=" << I << " p=" << p;
      EXPECT_NEAR(sc[1], ddy, 2e-3 * (1 + std::fabs(ddy))) << "I=" << I << " p=" << p;
      const double kappa = (dx * ddy - dy * ddx) / std::pow(dx * dx + dy * dy, 1.5);
      EXPECT_NEAR(path_curvature(p, P(I)), kappa, 2e-3 * (1 + std::fabs(kappa))) << "I=" << I;
    }
  }
}

TEST_F(PathCurves, CurvatureRateIsTheSlopeOfCurvatureAlongTheArc) {
  // The ellipse at beta = 1: compare with a wider difference quotient in arc length.
  const int I = 11;
  const double p = 1.0, dp = 1e-3;
  double tg[3];
  path_tangent(p, P(I), tg);
  const double speed = std::hypot(tg[0], tg[1]);
  const double slope =
      (path_curvature(p + dp, P(I)) - path_curvature(p - dp, P(I))) / (2 * dp * speed);
  EXPECT_NEAR(path_curvature_rate(p, P(I)), slope, 1e-5);
}

TEST_F(PathCurves, ZeroConstantsGiveNumbersOrNaNButNeverCrash) {
  constant("cosine_L") = 0.0;
  derive(1);
  constant("ellipse_A") = constant("ellipse_B") = 0.0;
  derive(11);
  constant("spiral_A") = 0.0;
  derive(12);
  for (int I : {1, 11, 12}) {
    double pt[2], tg[3];
    path_point(0.3, P(I), pt);
    path_tangent(0.3, P(I), tg);
    (void)path_curvature(0.3, P(I));
    (void)path_curvature_rate(0.3, P(I));
  }
  SUCCEED();
}

TEST_F(PathCurves, DerivedStartAndEndPoints) {
  EXPECT_DOUBLE_EQ(P(16).start_point.x, 2.2);
  EXPECT_DOUBLE_EQ(P(16).end_point.x, 2.2);
  EXPECT_EQ(P(16).end_point.y, 0.0);
  EXPECT_EQ(P(15).start_point.x, 1.0);
  EXPECT_NEAR(P(15).end_point.x, 1.0, 1e-12);
  EXPECT_NEAR(P(15).end_point.y, 0.0, 1e-12);
  EXPECT_NEAR(P(12).end_param, 4 * 3.14159265358979, 1e-15);
  EXPECT_NEAR(P(12).end_point.x, 2.0, 1e-12);
  EXPECT_NEAR(P(12).end_point.y, 0.0, 1e-12);
  EXPECT_NEAR(P(13).start_point.x, 0.2, 1e-15);
  EXPECT_EQ(P(1).end_point.x, 2.0);
  EXPECT_EQ(P(2).end_point.y, 2.0);
  EXPECT_DOUBLE_EQ(P(11).k[3], 3.0);  // ellipse_AA_BB
}

// A number that is no path has no table entry: there is no path to fall back on.
TEST_F(PathCurves, UnknownPathNumbersAreRefused) {
  Path p;
  for (int I : {0, 5, 10, 17, -1}) {
    EXPECT_EQ(find_path(I), nullptr) << I;
    EXPECT_FALSE(make_path(PathChoice{I, {1.0, 1.0, 1.0}}, &p)) << I;
  }
}

}  // namespace
