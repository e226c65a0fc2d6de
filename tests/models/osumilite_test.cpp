#include <gtest/gtest.h>

#include <cmath>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kOsm = 20;

class Osumilite : public test::ModelTest {};

TEST_F(Osumilite, MgEndMemberAtTheFerricBoundary) {
  // K Mg2 Al5 Si10 on 30 oxygens, 18 cations: x 0, SiT2 0, AlT2 1,
  // xAl = (5 - 2)/3 = 1, xMg 0, xK 1; a(osma) = 1, osmm and osfa absent.
  Run(kOsm, FromCations({{iK, 1}, {iMg, 2}, {iAl, 5}, {iSi, 10}}));
  EXPECT_EQ(S.ModelText, "mixing: [K,Na] (Al,Mg,Fe, Fe3) Si10 [Al,Si]2 O30");
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum = 18 for 30 oxygens. Max Ratio = 0.4");
  EXPECT_EQ(S.NOx, 30.0);
  EXPECT_EQ(S.NEm, 3);
  EXPECT_EQ(S.SiteMult, 3);
  const char* names[] = {"osma", "osmm", "osfa", "osmf"};
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(S.EmName[k], names[k - 1]);
  EXPECT_NEAR(S.LnA[1], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[2], -30.0);
  EXPECT_EQ(S.LnA[3], -30.0);
  // p = (1, 0, 0, 0): RT ln gamma(k) = W(osma, k).
  EXPECT_NEAR(S.Gamma[1], 1.0, 1e-14);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(10000), 1e-12);
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(4000), 1e-12);
  EXPECT_EQ(S.Gamma[4], 1.0);
}

TEST_F(Osumilite, FeEndMemberHasProportionsSummingToZero) {
  // K Fe2 Al5 Si10, iron as FeO: 18 cations exactly, no estimate. x 1:
  // a(osfa) = 1. The proportions (0, -1, 1, 0) add up to 0, so the
  // normalising sum of the mixing terms is 0 and the coefficients are NaN.
  Run(kOsm, FromCations({{iK, 1}, {iFe2, 2}, {iAl, 5}, {iSi, 10}}));
  ASSERT_NEAR(S.CatSum, 18.0, 1e-12);
  ASSERT_LE(S.CatSum, 18.0);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);
  EXPECT_NEAR(S.LnA[3], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[2], -30.0);
  for (int k = 1; k <= 3; ++k) EXPECT_TRUE(std::isnan(S.Gamma[k])) << k;
  EXPECT_EQ(S.Gamma[4], 1.0);
}

TEST_F(Osumilite, MixedSodicFerroan) {
  // K0.8 Na0.2 Mg1.5 Fe0.5 Al4.6 Si10.3 (30 oxygens, 17.9 cations):
  // x 0.25, SiT2 0.15, AlT2 0.85, xAl = (4.6 - 1.7)/3 = 29/30,
  // xMg = (1/30)(0.75) = 0.025, xK 0.8.
  Run(kOsm, FromCations({{iK, 0.8}, {iNa, 0.2}, {iMg, 1.5}, {iFe2, 0.5}, {iAl, 4.6},
                         {iSi, 10.3}}));
  EXPECT_EQ(S.XFe3, 0.0);
  // a(osma) = 0.75^2 * 0.8 * 29/30 * 0.85^2 = 0.3142875
  EXPECT_NEAR(Activity(1), 0.3142875, 1e-12);
  // a(osmm) = 4 * 0.8 * 0.75^2 * 0.025 * 0.85 * 0.15 = 0.0057375
  EXPECT_NEAR(Activity(2), 0.0057375, 1e-13);
  // a(osfa) = 0.25^2 * 0.8 * 29/30 * 0.85^2 = 0.0349208333...
  EXPECT_NEAR(Activity(3), 0.05 * 29.0 / 30.0 * 0.7225, 1e-13);
  // p = (1 - 0.25 - 0.3, 0.3 - 0.25, 0.25, 0) = (0.45, 0.05, 0.25, 0),
  // phi = p/0.75 = (0.6, 1/15, 1/3, 0); RT ln gamma = -sum q_i q_j W_ij:
  // osma: q (0.4, -1/15, -1/3):  800/3 + 1600/3 - 14000/45 = 22000/45
  // osmm: q (-0.6, 14/15, -1/3): 5600 - 800 + 196000/45   = 412000/45
  // osfa: q (-0.6, -1/15, 2/3):  -400 + 1600 + 28000/45   = 82000/45
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(22000.0 / 45), 1e-12);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(412000.0 / 45), 1e-12);
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(82000.0 / 45), 1e-12);
  EXPECT_EQ(S.Gamma[4], 1.0);
}

TEST_F(Osumilite, FerricEstimateAndItsCap) {
  // K Mg1.5 Fe0.6 Al4.9 Si10, iron as FeO: 29.95 oxygens, so on 30 the sum
  // is 18 * 30/29.95 > 18; f = 29.95/30, Fe3 = (0.05/30) * 60 = 0.1 of 0.6.
  Run(kOsm, FromCations({{iK, 1}, {iMg, 1.5}, {iFe2, 0.6}, {iAl, 4.9}, {iSi, 10}}));
  EXPECT_NEAR(S.Cat[iFe3], 0.1, 1e-12);
  EXPECT_NEAR(S.XFe3, 1.0 / 6.0, 1e-12);
  // The analysis as the estimate left it is not estimated again.
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kOsm, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);

  // K Mg2.2 Fe0.2 Al4.6 Si10: 18 cations on 29.8 oxygens would need
  // (0.2/30) * 60 = 0.4 Fe3 from 0.2 iron: the cap holds XFe3 at 0.4.
  Run(kOsm, FromCations({{iK, 1}, {iMg, 2.2}, {iFe2, 0.2}, {iAl, 4.6}, {iSi, 10}}));
  EXPECT_NEAR(S.XFe3, 0.4, 1e-12);
}

TEST_F(Osumilite, MissingChannelOrFeMgCationsGiveNoActivity) {
  // Na only in the channel: xK 0, every activity absent.
  Run(kOsm, FromCations({{iNa, 1}, {iMg, 2}, {iAl, 5}, {iSi, 10}}));
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(S.LnA[k], -30.0) << k;
  // Neither K nor Na: nothing to share, activities absent rather than NaN;
  // the coefficients do not use the channel and stay finite.
  Run(kOsm, FromCations({{iMg, 2}, {iAl, 5}, {iSi, 10}}));
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(S.LnA[k], -30.0) << k;
    EXPECT_TRUE(std::isfinite(S.Gamma[k])) << k;
  }
  // Neither Mg nor Fe2: nothing to share, activities absent, coefficients
  // finite (p = (1 - 2 SiT2, 2 SiT2, 0, 0)).
  Run(kOsm, FromCations({{iK, 1}, {iAl, 7}, {iSi, 10}}));
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(S.LnA[k], -30.0) << k;
    EXPECT_TRUE(std::isfinite(S.Gamma[k])) << k;
  }
}

}  // namespace
}  // namespace velm
