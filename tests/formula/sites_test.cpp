#include "sites.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velm {
namespace {

TEST(TakeSites, FillsUpToWantAndLowersThePool) {
  double pool = 0.7;
  EXPECT_EQ(TakeSites(pool, 1, 1), 0.7);
  EXPECT_EQ(pool, 0.0);

  pool = 2.5;
  EXPECT_EQ(TakeSites(pool, 2, 1), 1.0);
  EXPECT_EQ(pool, 0.5);

  pool = 2.0;  // exactly want * k: the whole want, the pool left at 0
  EXPECT_EQ(TakeSites(pool, 2, 1), 1.0);
  EXPECT_EQ(pool, 0.0);
}

TEST(TakeSites, NegativePoolAndNothingWanted) {
  double pool = -0.1;
  EXPECT_EQ(TakeSites(pool, 1, 1), 0.0);
  EXPECT_EQ(pool, 0.0);

  pool = 0.4;
  EXPECT_EQ(TakeSites(pool, 1, 0), 0.0);
  EXPECT_EQ(pool, 0.4);
}

TEST(TakeSites, NaNPool) {
  double pool = std::nan("");
  EXPECT_TRUE(std::isnan(TakeSites(pool, 1, 1)));
  EXPECT_EQ(pool, 0.0);
  pool = std::nan("");
  EXPECT_EQ(TakeSites(pool, 1, 0), 0.0);
  EXPECT_TRUE(std::isnan(pool));
}

TEST(SplitSites, BothPoolsFitOrShareTheRoom) {
  double a = 0.6, b = 0.2, outA = -1, outB = -1;
  SplitSites(a, b, outA, outB, 1, 1);
  EXPECT_NEAR(outA, 0.6, 1e-15);
  EXPECT_NEAR(outB, 0.2, 1e-15);
  EXPECT_NEAR(a, 0.0, 1e-15);
  EXPECT_NEAR(b, 0.0, 1e-15);

  // 1.2 : 0.4 = 3 : 1 shares the room 0.75 : 0.25.
  a = 1.2, b = 0.4;
  SplitSites(a, b, outA, outB, 1, 1);
  EXPECT_NEAR(outA, 0.75, 1e-15);
  EXPECT_NEAR(outB, 0.25, 1e-15);
  EXPECT_NEAR(a, 0.45, 1e-15);
  EXPECT_NEAR(b, 0.15, 1e-15);
}

TEST(SplitSites, AnEmptyPoolLeavesTheOtherAlone) {
  double a = 0, b = 0.3, outA = -1, outB = -1;
  SplitSites(a, b, outA, outB, 1, 1);
  EXPECT_EQ(outA, 0.0);
  EXPECT_EQ(outB, 0.3);

  a = 0.5, b = -0.2;
  SplitSites(a, b, outA, outB, 1, 1);
  EXPECT_EQ(outA, 0.5);
  EXPECT_EQ(outB, 0.0);
  EXPECT_EQ(b, -0.2);  // a negative second pool is left as it is
}

TEST(SafeLn, FloorsDependOnSiteMultiplicity) {
  EXPECT_EQ(SafeLn(1.0, 2), 0.0);
  EXPECT_EQ(SafeLn(1e-21, 1), -30.0);
  EXPECT_EQ(SafeLn(0.0, 1), -30.0);
  EXPECT_EQ(SafeLn(-0.5, 1), -30.0);
  // ln 0.0001 = -9.2103: below -4.6*2 = -9.2, above -4.6*3 = -13.8.
  EXPECT_EQ(SafeLn(0.0001, 2), -30.0);
  EXPECT_NEAR(SafeLn(0.0001, 3), -9.210340371976, 1e-12);
  EXPECT_TRUE(std::isnan(SafeLn(std::nan(""), 2)));
}

class Asf : public ::testing::Test {
 protected:
  doublemat W{};
  doublevec alpha{}, x{};
  void SetUp() override { alpha.fill(1.0); }
};

TEST_F(Asf, TwoEndMembersGiveTheRegularSolution) {
  W[1][2] = 5000;
  x[1] = 0.3;
  x[2] = 0.7;
  EXPECT_NEAR(AsfRTLnGamma(1, W, alpha, x, 2), 5000 * 0.7 * 0.7, 1e-9);
  EXPECT_NEAR(AsfRTLnGamma(2, W, alpha, x, 2), 5000 * 0.3 * 0.3, 1e-9);
}

TEST_F(Asf, ThreeEndMembersSymmetric) {
  W[1][2] = 10000;
  W[1][3] = 20000;
  W[2][3] = 30000;
  x[1] = 0.5, x[2] = 0.3, x[3] = 0.2;
  // W12 x2 (1 - x1) + W13 x3 (1 - x1) - W23 x2 x3 = 1500 + 2000 - 1800.
  EXPECT_NEAR(AsfRTLnGamma(1, W, alpha, x, 3), 1700, 1e-9);
}

TEST_F(Asf, SizeParametersAndDegenerateCases) {
  W[1][2] = 6000;
  alpha[2] = 3.0;
  x[2] = 1.0;  // all of the other end-member: W * 2 a1 / (a1 + a2)
  EXPECT_NEAR(AsfRTLnGamma(1, W, alpha, x, 2), 6000 * 2.0 / 4.0, 1e-9);
  x[1] = 1.0, x[2] = 0.0;  // all of k itself
  EXPECT_EQ(AsfRTLnGamma(1, W, alpha, x, 2), 0.0);
  EXPECT_EQ(AsfRTLnGamma(1, W, alpha, x, 1), 0.0);

  doublemat lower{};
  lower[2][1] = 6000;  // below the diagonal: never read
  x[1] = 0.5, x[2] = 0.5;
  EXPECT_EQ(AsfRTLnGamma(1, lower, alpha, x, 2), 0.0);
}

TEST_F(Asf, NegativeProportionsAreUsedAsTheyAre) {
  W[1][2] = 4000;
  x[1] = 1.5, x[2] = -0.5;
  EXPECT_NEAR(AsfRTLnGamma(1, W, alpha, x, 2), 4000 * 0.25, 1e-9);
}

}  // namespace
}  // namespace velm
