#include <cmath>
#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "sim/normal_rand.h"
#include "sim/normal_tables.h"
#include "sim/slip_noise.h"
#include "sim/uniform_rand.h"
#include "support/committed_tables.h"

namespace {

TEST(UniformRand, FirstOutputsFromStateOne) {
  uint32_t generator = lcg_start_state;
  EXPECT_EQ(uniform_rand(generator), 41);  // (1 * 214013 + 2531011) >> 16
  uint32_t state = 1u * 214013u + 2531011u;
  for (int i = 1; i < 5; ++i) {
    state = state * 214013u + 2531011u;
    EXPECT_EQ(uniform_rand(generator), static_cast<int>((state >> 16) & 0x7fff)) << "draw " << i;
  }
}

// With w held the lag is w*tc + (x - w*tc) * exp(-h/tc); a fourth-order step misses it by
// about (h/tc)^5 / 120 of the distance to w*tc, plus 1e-9 of the step from the constants.
TEST(SlipNoise, LagStepFollowsTheFirstOrderLag) {
  for (const double h : {0.004, 0.1}) {
    const double exact = 2.0 * slip_tc + (0.5 - 2.0 * slip_tc) * std::exp(-h / slip_tc);
    EXPECT_NEAR(lag_step(0.5, 2.0, h), exact, 2e-9 * h + 1.5 * std::pow(h, 5) / 100);
  }
}

constexpr double dt_sim = 0.02;

class SlipSequencesTest : public testing::Test {
 protected:
  static inline double left[slip_noise_len], right[slip_noise_len], work[slip_noise_len];
  RandomSource source{lcg_start_state, nullptr};
  void SetUp() override {
    source = {lcg_start_state, &committed_tables()};
    slip_noise_gen(slip_noise_len, left, source, dt_sim, work);
    slip_noise_gen(slip_noise_len, right, source, dt_sim, work);
  }
};

TEST_F(SlipSequencesTest, StandardisedAndSlowlyVarying) {
  for (const double* seq : {left, right}) {
    double sum = 0.0, sum_sq = 0.0, lag_product = 0.0;
    for (int j = 0; j < slip_noise_len; ++j) {
      sum += seq[j];
      sum_sq += seq[j] * seq[j];
      if (j > 0) lag_product += seq[j] * seq[j - 1];
    }
    EXPECT_NEAR(sum / slip_noise_len, 0.0, 1e-12);
    EXPECT_NEAR(sum_sq / slip_noise_len, 1.0, 1e-12);
    EXPECT_GT(lag_product / slip_noise_len, 0.99);  // a sub-step is 1/250 of slip_tc
  }
}

// Replays the draws: skip, w[0] unused, x[1] = lag_step(0, w[1], hh). With out = (x - m)/sd
// and x[0] = 0, sd = x[1] / (out[1] - out[0]) and m = -out[0] * sd must also explain out[2].
TEST_F(SlipSequencesTest, FirstValueIsTheStandardisedZeroStart) {
  RandomSource replay{lcg_start_state, &committed_tables()};
  const int skip = static_cast<int>(std::fabs(normal_rand(replay)) * 100.0) + 1;
  for (int i = 0; i <= skip; ++i) normal_rand(replay);
  const double hh = dt_sim / sub_steps;
  const double x1 = lag_step(0.0, normal_rand(replay), hh);
  const double x2 = lag_step(x1, normal_rand(replay), hh);
  const double sd = x1 / (left[1] - left[0]);
  EXPECT_NE(left[0], 0.0);
  EXPECT_GT(sd, 0.0);
  EXPECT_NEAR(left[2], (x2 + left[0] * sd) / sd, 1e-9);
}

TEST_F(SlipSequencesTest, PairDiffersAndRepeatsAfterReset) {
  EXPECT_NE(std::memcmp(left, right, sizeof left), 0);
  static double first[2][slip_noise_len];
  std::memcpy(first[0], left, sizeof left);
  std::memcpy(first[1], right, sizeof right);
  SetUp();
  EXPECT_EQ(std::memcmp(left, first[0], sizeof left), 0);
  EXPECT_EQ(std::memcmp(right, first[1], sizeof right), 0);
}

TEST_F(SlipSequencesTest, LengthIsLimited) {
  static double big[slip_noise_len + 1];
  big[slip_noise_len] = 7.0;
  slip_noise_gen(slip_noise_len + 1, big, source, dt_sim, work);
  EXPECT_EQ(big[slip_noise_len], 7.0);
  double one = 7.0;
  slip_noise_gen(0, &one, source, dt_sim, work);
  EXPECT_EQ(one, 7.0);
  slip_noise_gen(1, &one, source, dt_sim, work);
  EXPECT_EQ(one, 0.0);
}

}  // namespace
