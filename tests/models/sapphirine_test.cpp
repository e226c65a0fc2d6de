#include <gtest/gtest.h>

#include <cmath>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kSpr = 19;

class Sapphirine : public test::ModelTest {};

TEST_F(Sapphirine, MgEndMemberSpr4) {
  // Mg4 Al8 Si2 on 20 oxygens: x 0, AlT 0, SiT 1, y 0, f 0; xMgM = xMgM3 = 1.
  // a(spr4) = 1^3 * 1 * 1; spr5 and fspr are absent.
  Run(kSpr, FromCations({{iMg, 4}, {iAl, 8}, {iSi, 2}}));
  EXPECT_EQ(S.ModelText, "mixing-on-sites: 2(Mg,Al)oct + 2(Al,Si)tet");
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum = 14 for 20 oxygens. Max Ratio = 0.7");
  EXPECT_EQ(S.WarnText, "mixing terms from Sunnick & Mardle 2014, J Met Geol");
  EXPECT_EQ(S.NOx, 20.0);
  EXPECT_EQ(S.NEm, 3);
  EXPECT_EQ(S.SiteMult, 4);
  const char* names[] = {"spr4", "spr5", "fspr", "spro", "ospr"};
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(S.EmName[k], names[k - 1]);
  EXPECT_NEAR(S.LnA[1], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[2], -30.0);
  EXPECT_EQ(S.LnA[3], -30.0);
  // p = (1, 0, 0, 0, 0): RT ln gamma(k) = W(spr4, k).
  EXPECT_NEAR(S.Gamma[1], 1.0, 1e-14);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(10000), 1e-12);
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(16000), 1e-12);
  for (int k = 4; k <= 11; ++k) EXPECT_EQ(S.Gamma[k], 1.0);
}

TEST_F(Sapphirine, AluminousEndMemberSpr5) {
  // Mg3 Al10 Si1: AlT 1, SiT 0, y = (10 - 8) - 1 = 1, xMgM 0, xMgM3 1.
  // a(spr5) = 1 * 1 * 1; p = (0, 1, 0, 0, 0).
  Run(kSpr, FromCations({{iMg, 3}, {iAl, 10}, {iSi, 1}}));
  EXPECT_NEAR(S.LnA[2], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[3], -30.0);
  EXPECT_NEAR(S.Gamma[2], 1.0, 1e-14);
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(10000), 1e-12);
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(19000), 1e-12);
}

TEST_F(Sapphirine, FeEndMemberAtTheFerricBoundary) {
  // Fe4 Al8 Si2, iron as FeO: 14 cations on 20 oxygens, no estimate.
  // x 1: a(fspr) = 1^3 * 1 * 1; p = (0, 0, 1, 0, 0).
  Run(kSpr, FromCations({{iFe2, 4}, {iAl, 8}, {iSi, 2}}));
  ASSERT_NEAR(S.CatSum, 14.0, 1e-12);
  ASSERT_LE(S.CatSum, 14.0);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);
  EXPECT_NEAR(S.LnA[3], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[2], -30.0);
  EXPECT_NEAR(S.Gamma[3], 1.0, 1e-14);
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(16000), 1e-12);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(19000), 1e-12);
}

TEST_F(Sapphirine, MixedMgFeAluminous) {
  // Mg3 Fe0.5 Al9 Si1.5: x = 1/7, AlT 0.5, SiT 0.5, y = 1 - 0.5 = 0.5, f 0.
  // xMgM3 = 6/7, xFeM3 = 1/7; xMgM = (6/7)(1/2) = 3/7, xFeM = 1/14.
  Run(kSpr, FromCations({{iMg, 3}, {iFe2, 0.5}, {iAl, 9}, {iSi, 1.5}}));
  // a(spr4) = (6/7)^3 * 3/7 * 1/2 = 648/4802
  EXPECT_NEAR(Activity(1), 648.0 / 4802.0, 1e-12);
  // a(spr5) = (6/7)^3 * 1/2 * 1/2 = 54/343
  EXPECT_NEAR(Activity(2), 54.0 / 343.0, 1e-12);
  // a(fspr) = (1/7)^3 * 1/14 * 1/2 = 1/9604
  EXPECT_NEAR(Activity(3), 1.0 / 9604.0, 1e-15);
  // p = (5/14, 7/14, 1/14, 1/14, 0); with q = delta - p, RT ln gamma(k) =
  // -sum q_i q_j W_ij, in 1/196 J:
  // spr4: 63*10000 + 9*16000 + 9*12000 - 7*19000 - 7*22000 - 4000 = 591000
  // spr5: 35*10000 - 5*16000 - 5*12000 + 7*19000 + 7*22000 - 4000 = 493000
  // fspr: -35*10000 + 65*16000 - 5*12000 + 91*19000 - 7*22000 + 13*4000 = 2257000
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(591000.0 / 196), 1e-12);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(493000.0 / 196), 1e-12);
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(2257000.0 / 196), 1e-12);
}

TEST_F(Sapphirine, FerricEstimateFeedsTheMSite) {
  // Mg3 Fe1.2 Al7.8 Si2, iron as FeO, has 19.9 oxygens: on 20 the sum is
  // 14 * 20/19.9 > 14, f = 19.9/20 (fmin 0.979 is lower), so Fe3 =
  // 0.005 * 40 = 0.2 and Fe2 1.0: XFe3 = 1/6.
  Run(kSpr, FromCations({{iMg, 3}, {iFe2, 1.2}, {iAl, 7.8}, {iSi, 2}}));
  EXPECT_NEAR(S.Cat[iFe3], 0.2, 1e-12);
  EXPECT_NEAR(S.XFe3, 1.0 / 6.0, 1e-12);
  // x 0.25, AlT 0, SiT 1, y = -0.2, f 0.2: xFeM = 0.25 - 0.05 + 0.05 = 0.25,
  // xMgM 0.75; a(spr4) = 0.75^3 * 0.75, a(fspr) = 0.25^3 * 0.25,
  // a(spr5) = 0.75^3 * (-0.2) * 0 is not positive: absent.
  EXPECT_NEAR(Activity(1), 0.31640625, 1e-12);
  EXPECT_NEAR(Activity(3), 0.00390625, 1e-13);
  EXPECT_EQ(S.LnA[2], -30.0);
  // p = (0.75, -0.2, 0.25, 0, 0.2); worked as above:
  // spr4: -500 + 1000 + 400 + 950 + 40 - 880 = 1010
  // spr5: 9000 - 3000 - 1200 + 5700 + 240 - 880 = 9860
  // fspr: 1500 + 9000 - 1200 - 2850 + 40 + 2640 = 9130
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(1010), 1e-12);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(9860), 1e-12);
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(9130), 1e-12);
}

TEST_F(Sapphirine, FerricEstimateCappedAtSeventyPercent) {
  // Mg4.8 Fe0.2 Al7 Si2: 14 cations on 19.5 oxygens; the charge would need
  // (0.5/20) * 40 = 1.0 Fe3 from 0.2 iron, so the cap holds XFe3 at 0.7.
  Run(kSpr, FromCations({{iMg, 4.8}, {iFe2, 0.2}, {iAl, 7}, {iSi, 2}}));
  EXPECT_NEAR(S.XFe3, 0.7, 1e-12);
}

TEST_F(Sapphirine, NoMgNoFeGivesNoActivityAndFiniteCoefficients) {
  Run(kSpr, FromCations({{iAl, 12}, {iSi, 2}}));
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(S.LnA[k], -30.0) << k;
    EXPECT_TRUE(std::isfinite(S.Gamma[k])) << k;
  }
}

TEST_F(Sapphirine, UnreportedSlotsKeepTheirLnActivity) {
  S.LnA[4] = -20.0;
  S.LnA[5] = 1.25;
  Run(kSpr, FromCations({{iMg, 3}, {iFe2, 0.5}, {iAl, 9}, {iSi, 1.5}}));
  EXPECT_EQ(S.LnA[4], -20.0);
  EXPECT_EQ(S.LnA[5], 1.25);
}

}  // namespace
}  // namespace velm
