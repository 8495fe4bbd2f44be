#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sim/sim_fixture.h"

// Records of three computations pinned to the last bit. The integration may be made faster
// (work hoisted out of the stages, repeated evaluations reused), but no change may alter a
// single bit of what is stored.

namespace {

struct Pinned {
  int i, j;  // type index and record
  double cp[7], agv[6], err[6], wheel[3];
};

// The bit patterns come from glibc's maths library. Others (MinGW's on Windows) round a few
// results of tan, atan and atan2 the other way in the last bit, which the integration
// carries on to about 1e-12: there a value matches within 1e-10, relative to its size and
// absolute below 1.
bool matches(double value, double pinned) {
#ifdef __GLIBC__
  return value == pinned;
#else
  return std::fabs(value - pinned) <= 1e-10 * std::max({1.0, std::fabs(value), std::fabs(pinned)});
#endif
}
#define EXPECT_PINNED(value, pinned) EXPECT_PRED2(matches, value, pinned)

void expect_record(const Pinned& p) {
  const traj_rec& c = store.cp_traj[p.i][p.j];
  const traj_rec& a = store.agv_traj[p.i][p.j];
  const traj_rec& e = store.err_traj[p.i][p.j];
  const wheel_rec& w = store.wheel_traj[p.i][p.j];
  const double cp[7] = {c.s, c.theta, c.x, c.y, c.delta, c.kappa, c.p};
  const double agv[6] = {a.s, a.theta, a.x, a.y, a.delta, a.kappa};
  const double err[6] = {e.s, e.theta, e.x, e.y, e.delta, e.kappa};
  const double wheel[3] = {w.travel_1, w.travel_2, w.delta};
  for (int f = 0; f < 7; ++f) EXPECT_PINNED(cp[f], p.cp[f]) << "cp field " << f << " of " << p.j;
  for (int f = 0; f < 6; ++f) EXPECT_PINNED(agv[f], p.agv[f]) << "agv field " << f << " of " << p.j;
  for (int f = 0; f < 6; ++f) EXPECT_PINNED(err[f], p.err[f]) << "err field " << f << " of " << p.j;
  for (int f = 0; f < 3; ++f) {
    EXPECT_PINNED(wheel[f], p.wheel[f]) << "wheel field " << f << " of " << p.j;
  }
}

using PinnedRecords = SimTest;

TEST_F(PinnedRecords, DefaultCosineWithoutError) {
  choose_error('0');
  compute(1);
  const Pinned records[] = {
      {1,
       100,
       {0x1.3ffa9624b74dbp+0, 0x1.729ab7a322ccap-1, 0x1.9e9978f4171f3p-1, 0x1.d3a04d354687fp-1,
        -0x1.0b0c29f168d6p+0, -0x1.b74b25bc7ca24p+0, 0x1.9e9978e51dff5p-1},
       {0x1.3ffa95dc4e665p+0, 0x1.729ab72557b8dp-1, 0x1.9e997894644b3p-1, 0x1.d3a04ccd8c90cp-1,
        -0x1.0b0c2ab965ceap+0, -0x1.b74b28d15d678p+0},
       {0x1.3ffa95dc4e665p+0, 0x1.729ab72557b8dp-1, 0x1.9e997894644b3p-1, 0x1.d3a04ccd8c90cp-1,
        -0x1.0b0c2ab965ceap+0, -0x1.b74b28d15d678p+0},
       {0x1.ff3fca3d546f5p+0, 0x1.3ffa9624b74dbp+0, -0x1.0b0c2ab965ceap+0}},
      {2,
       163,
       {0x1.76b4bf1951cbcp+1, -0x1.339865d1f18p-26, 0x1.ffffffd8b40c9p+0, -0x1.89d946db58cap-27,
        0x1.5ef0c48e6a51cp+0, 0x1.3bd3cc9be45d3p+2, 0x1p+1},
       {0x1.76b4bf1951cbcp+1, -0x1.83f87d05c25p-23, 0x1.fffffc393130cp+0, -0x1.9756d7353555p-23,
        0x1.5ef0c4a44706ep+0, 0x1.3bd3cd2674adfp+2},
       {0x1.76b4bf1951cbcp+1, -0x1.83f87d05c25p-23, 0x1.fffffc393130cp+0, -0x1.9756d7353555p-23,
        0x1.5ef0c4a44706ep+0, 0x1.3bd3cd2674adfp+2},
       {0x1.76b4bf1951cbcp+1, 0x1.76b4bf1951cbcp+1, 0x1.5ef0c4a44706ep+0}}};
  for (const Pinned& p : records) expect_record(p);
  EXPECT_PINNED(store.traj_tend[0], 0x1.76b4bf1b6a497p+1);
  EXPECT_PINNED(store.traj_tend[1], 0x1.6100e9402b187p+2);
  EXPECT_PINNED(store.traj_tend[2], 0x1.a13cabf4e845cp+1);
}

TEST_F(PinnedRecords, EllipseWithGeometryError) {
  choose_error('4', 5, 10);
  compute(11);
  const Pinned records[] = {
      {0,
       200,
       {0x1.fffffffd22e99p+1, 0x1.d5ef0ea949f74p+1, -0x1.8560a31327c06p+0, 0x1.4c75933897423p-1,
        0x1.0fad9f80781cap-1, 0x1.2c6ac8a53f5a1p-1, 0x1.5e7a333dcd55dp+1},
       {0x1.fffffffd22e99p+1, 0x1.d5ef0ea949f74p+1, -0x1.8560a31327c06p+0, 0x1.4c75933897423p-1,
        0x1.0fad9f8079a28p-1, 0x1.2c6ac8a541662p-1},
       {0x1.fffffffd22e99p+1, 0x1.c9216184606c7p+1, -0x1.813f5d5ba650ap+0, 0x1.ca024e96fec77p-1,
        0x1.257471f0279f4p-1, 0x1.1e1c8e543c55cp-1},
       {0x1.799065f98eb6fp+1, 0x1.4337cd005ba22p+2, 0x1.0fad9f8079a28p-1}},
      {1,
       607,
       {0x1.3607c4676d333p+3, 0x1.f6a7a1f516949p+2, 0x1.000000006e9b5p+1, -0x1.3375d31bb1167p-24,
        0x1.1b6e192ebbe44p+0, 0x1p+1, 0x1.921fb54442d11p+2},
       {0x1.3d0a018fa5b3ap+3, 0x1.d0ddd4adb677fp+2, 0x1.a1289cea53e06p+0, -0x1.37de217fc238bp+0,
        0x1.1b6e192a0695dp+0, 0x1.ffffffe87577bp+0},
       {0x1.3d0a018fa5b3ap+3, 0x1.afbebfa54a4e1p+2, 0x1.736a85a7839a9p-1, -0x1.07bc37eeeaec2p+1,
        0x1.1b6e192a0695dp+0, 0x1.d1745d01df26fp+0},
       {0x1.844398957d70fp+3, 0x1.3607c4676d333p+3, 0x1.1b6e192a0695dp+0}}};
  for (const Pinned& p : records) expect_record(p);
  EXPECT_PINNED(store.traj_tend[1], 0x1.84439897a944fp+3);
}

TEST_F(PinnedRecords, LongCosineWithRandomSlip) {
  choose_error('5', 5);
  constant("cosine_A") = 0.1, constant("cosine_L") = 5, constant("cosine_n") = 11;
  compute(1);
  const Pinned records[] = {
      {2,
       1000,
       {0x1.3ffffffe35d95p+4, -0x1.96aa874fd611p-7, 0x1.3ebd8d67dff33p+4, 0x1.0054fdca73121p-11,
        0x1.3f249d1cb01eep-3, 0x1.41c06d137f576p-3, 0x1.3ebd8d6c203c3p+4},
       {0x1.3ffffffe35d95p+4, -0x1.96a95109e468bp-7, 0x1.3ebd8d6e8a2eap+4, 0x1.01151f43d7273p-11,
        0x1.3f249d1076c78p-3, 0x1.41c06d06f8c2fp-3},
       {0x1.30da6b68b86f5p+4, -0x1.88584f27fdafcp-5, 0x1.2fa76cf11cb8fp+4, -0x1.49f89355b8495p-2,
        0x1.3f249d1076c78p-3, 0x1.41c06d06f8c2fp-3},
       {0x1.3ffffffe35d95p+4, 0x1.3ffffffe35d95p+4, 0x1.3f249d1076c78p-3}},
      {0,
       2761,
       {0x1.b9bb6077a940fp+5, 0x1.5f712a337174p-34, 0x1.b7fffffe0b581p+5, -0x1.48e52ea0ee94p-30,
        0x1.40c22b87a0cbap-3, 0x1.43683e1046013p-3, 0x1.b8p+5},
       {0x1.b9bb6077a940fp+5, 0x1.5f712a337174p-34, 0x1.b7fffffe0b581p+5, -0x1.48e52ea0ee94p-30,
        0x1.40c22b87a0cbap-3, 0x1.43683e1046013p-3},
       {0x1.a188933980348p+5, -0x1.7de7f2cf151c3p-1, 0x1.8fe91c869e65ap+5, 0x1.37ab18aa4cedp+1,
        0x1.40c22b87a0cbap-3, -0x1.0c3dd36786ba4p-3},
       {0x1.b9bb6077a7824p+5, 0x1.b9bb6077aa47ep+5, 0x1.40c22b87a0cbap-3}}};
  for (const Pinned& p : records) expect_record(p);
  EXPECT_PINNED(store.traj_tend[1], 0x1.bc6f8e294e1e3p+5);
  // The result names the slip of the last step (what the next error menu lists).
  EXPECT_PINNED(result.last_errors.RearWHeelerr_L, -0x1.747d4ad0dcf33p-4);
  EXPECT_PINNED(result.last_errors.RearWHeelerr_R, -0x1.5f6b79abb4971p-5);
  EXPECT_EQ(result.last_errors.FronWHeelerr, result.last_errors.RearWHeelerr_L);
}

}  // namespace
