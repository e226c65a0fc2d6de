#include <gtest/gtest.h>

#include <cmath>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kCtd = 13;
const char* const kParamLine = "WFeMg=1.5, WMgMn=1.5, WFeMn=0 (kJ)";

class Chloritoid : public test::ModelTest {};

TEST_F(Chloritoid, PureFeChloritoid) {
  // Fe2 1, Al 2, Si 1: 6 oxygens, 4 cations exactly, so no estimate.
  Run(kCtd, FromCations({{iSi, 1}, {iAl, 2}, {iFe2, 1}}));
  EXPECT_EQ(S.ModelText, "2 site mixing:  (1-site Fe-Mg-Mn, 1/2-site Al-Fe3+)");
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum = 4 for 6 oxygens. Max Ratio = 0.2");
  EXPECT_EQ(S.WarnText, kParamLine);
  EXPECT_TRUE(S.UsesH2O);
  EXPECT_EQ(S.EmName[4], "ctdo");
  EXPECT_EQ(S.XFe3, 0.0);
  // x = 1, xFe = 1, xAl = 1: a(fctd) = 1; mctd and mnctd absent.
  EXPECT_NEAR(S.LnA[2], 0.0, 1e-15);
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[3], -30.0);
  // p = (0, 1, 0, 0): RT ln gamma = W(fctd, k): 4000 J for mctd, 1000 J for mnctd.
  EXPECT_NEAR(S.Gamma[2], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(4000), 1e-12);
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(1000), 1e-12);
  EXPECT_EQ(S.Gamma[4], 1.0);
}

TEST_F(Chloritoid, MixedSitesAndFerricHalfSite) {
  // Fe2 0.45, Mg 0.45, Mn 0.1, Fe3 0.1, Al 1.9, Si 1 (6 O, Fe2O3 given).
  Run(kCtd, FromCations({{iSi, 1}, {iAl, 1.9}, {iFe3, 0.1}, {iFe2, 0.45}, {iMg, 0.45},
                         {iMn, 0.1}}));
  // x = 0.5, xMg = xFe = 0.5 * 0.9 = 0.45, xMn = 0.1; xFe3 = 0.2, xAl = 0.8.
  EXPECT_NEAR(Activity(1), std::sqrt(0.8) * 0.45, 1e-14);
  EXPECT_NEAR(Activity(2), std::sqrt(0.8) * 0.45, 1e-14);
  EXPECT_NEAR(Activity(3), std::sqrt(0.8) * 0.1, 1e-14);
  // p = (0.45, 0.45, 0.1, 0.2), sum 1.2, phi = p / 1.2. For mctd
  // q = (0.625, -0.375, -1/12, -1/6): -sum q_i q_j W_ij
  //   = 937.5 + 104.1667 + 520.8333 - 31.25 - 0 - 13.8889 = 1517.3611 J.
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(1517.3611111111), 1e-10);
  // mnctd, q = (-0.375, -0.375, 11/12, -1/6):
  //   -562.5 + 687.5 - 312.5 + 343.75 - 0 + 152.7778 = 309.0278 J.
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(309.0277777778), 1e-10);
}

TEST_F(Chloritoid, TooMuchFerricIronReplacesParameterLine) {
  // Fe3 0.6: xFe3 = 1.2, xAl = -0.2 -> 0.0001; every activity carries
  // sqrt(0.0001) = 0.01, ln 0.01 = -4.605 < -4.6: all take the floor.
  Run(kCtd, FromCations({{iSi, 1}, {iAl, 1.4}, {iFe3, 0.6}, {iFe2, 1}}));
  EXPECT_EQ(S.WarnText, "** warning negative xAlM1, analysis unreliable **");
  EXPECT_EQ(S.LnA[2], -30.0);
  // Fe3 exactly 0.5: xAl = 0, no warning, all at the floor.
  Run(kCtd, FromCations({{iSi, 1}, {iAl, 1.5}, {iFe3, 0.5}, {iFe2, 1}}));
  EXPECT_EQ(S.WarnText, kParamLine);
  EXPECT_EQ(S.LnA[2], -30.0);
}

TEST_F(Chloritoid, FerricEstimate) {
  // Fe2 1.2, Al 1.8, Si 1 has 5.9 O: on 6 O the sum is 4 * 6/5.9 > 4.
  // f = 5.9/6 (above fmin = 12/(0.2 * 1.2203 + 12) = 0.98007); Fe3 =
  // (1 - f) * 12 = 0.2, Fe2 = 1.0, XFe3 = 1/6; xAl = 1 - 0.4 = 0.6.
  Run(kCtd, FromCations({{iSi, 1}, {iAl, 1.8}, {iFe2, 1.2}}));
  EXPECT_NEAR(S.XFe3, 1.0 / 6, 1e-12);
  EXPECT_NEAR(S.Cat[iFe3], 0.2, 1e-12);
  EXPECT_NEAR(Activity(2), std::sqrt(0.6), 1e-12);
  // p = (0, 1, 0, 0.4), phi = (0, 5/7, 0, 2/7): mctd 5/7*4000 + 2/7*5000.
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(30000.0 / 7), 1e-10);
  // Run again on the analysis as the estimate left it: no second estimate.
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kCtd, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);
  // The rewritten Fe2O3 gives back the Fe3 within the mass factor 1.111341
  // (against 159.7/143.7 = 1.111343).
  EXPECT_NEAR(S.Cat[iFe3], 0.2, 1e-6);

  // Fe2 2.0, Al 1, Si 1 (5.5 O): f = 0.9167 < fmin = 0.9649, capped at 20 %.
  Run(kCtd, FromCations({{iSi, 1}, {iAl, 1}, {iFe2, 2}}));
  EXPECT_NEAR(S.XFe3, 0.2, 1e-12);
}

TEST_F(Chloritoid, NoMgNoFe) {
  // Mn-chloritoid: the Fe-Mg share is 0/0; both fractions taken as 0.
  Run(kCtd, FromCations({{iSi, 1}, {iAl, 2}, {iMn, 1}}));
  EXPECT_NEAR(S.LnA[3], 0.0, 1e-15);
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[2], -30.0);
  // p = (0, 0, 1, 0): W(mctd, mnctd) = 2000, W(fctd, mnctd) = 1000.
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(2000), 1e-12);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(1000), 1e-12);
  EXPECT_NEAR(S.Gamma[3], 1.0, 1e-15);
}

}  // namespace
}  // namespace velm
