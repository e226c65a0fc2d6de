#include <gtest/gtest.h>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kSt = 15;

class Staurolite : public test::ModelTest {};

TEST_F(Staurolite, FixedFerricShareIsAppliedOnce) {
  doublevec wt{};
  wt[iSiO2] = 28;
  wt[iAl2O3] = 54;
  wt[iMgO] = 2;
  wt[iFeO] = 10.0;
  Run(kSt, wt);
  // 0.055555 * 10 and 0.95 * 10, before the formula.
  EXPECT_DOUBLE_EQ(S.Wt[iFe2O3], 0.55555);
  EXPECT_EQ(S.Wt[iFeO], 9.5);
  EXPECT_GT(S.Cat[iFe3], 0.0);
  EXPECT_EQ(S.XFe3, 0.0);
  // Run again on the rewritten analysis: the share is not applied twice.
  CalcModel(S, S.Wt, S.LnA, S.Cat, kSt, S.NEm);
  EXPECT_DOUBLE_EQ(S.Wt[iFe2O3], 0.55555);
  EXPECT_EQ(S.Wt[iFeO], 9.5);

  // Analysed Fe2O3 is left as it is; without FeO both stay 0.
  wt[iFe2O3] = 1.0;
  Run(kSt, wt);
  EXPECT_EQ(S.Wt[iFe2O3], 1.0);
  EXPECT_EQ(S.Wt[iFeO], 10.0);
  wt[iFe2O3] = 0;
  wt[iFeO] = 0;
  Run(kSt, wt);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);
  EXPECT_EQ(S.Wt[iFeO], 0.0);
}

TEST_F(Staurolite, PureMgStaurolite) {
  Run(kSt, FromCations({{iSi, 7.5}, {iAl, 18}, {iMg, 4}}));
  EXPECT_EQ(S.ModelText, "mixing model from Vardell et al 2014");
  EXPECT_EQ(S.FerricText, "Ferric default:  5% ferric");
  EXPECT_TRUE(S.UsesH2O);
  EXPECT_EQ(S.EmName[4], "mstt");
  // x = 0, f = t = 0, xAl = 1: a(mst) = 1, a(fst) = 0.
  EXPECT_NEAR(S.LnA[1], 0.0, 1e-15);
  EXPECT_EQ(S.LnA[2], -30.0);
  // p = (1, 0, 0, 0): gamma(fst) from W(mst, fst) = 16000 J.
  EXPECT_NEAR(S.Gamma[1], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(16000), 1e-12);
}

TEST_F(Staurolite, MixedWithFerricAndTitanium) {
  // Mg 1, Fe2 3, Fe3 0.2, Ti 0.15, Al 17.6, Si 7.5: 46 oxygens.
  Run(kSt, FromCations({{iSi, 7.5}, {iAl, 17.6}, {iTi, 0.15}, {iFe3, 0.2}, {iFe2, 3},
                        {iMg, 1}}));
  // x = 0.75, f = 0.1, t = 0.075, 4t/3 = 0.1, xAl = 0.8.
  // a(mst) = 0.25^4 * 0.64 = 0.0025; a(fst) = 0.75^4 * 0.64 = 0.2025.
  EXPECT_NEAR(Activity(1), 0.0025, 1e-15);
  EXPECT_NEAR(Activity(2), 0.2025, 1e-14);
  // p = (0.05, 0.75, 0.1, 0.1), sum 1. mst: q = (0.95, -0.75, -0.1, -0.1):
  //   11400 + 190 + 1900 - 1350 - 2700 - 300 = 9140 J.
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(9140), 1e-10);
  // fst: q = (-0.05, 0.25, -0.1, -0.1): 200 - 10 - 100 + 450 + 900 - 300 = 1140 J.
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(1140), 1e-10);
}

TEST_F(Staurolite, NoMgNoFe) {
  // Ti 0.3 and no Mg or Fe: the Fe-Mg share is 0/0; both fractions and the
  // Mg and Fe proportions are 0, p = (0, 0, 0, 0.2).
  Run(kSt, FromCations({{iSi, 8}, {iAl, 19.4}, {iTi, 0.3}}));
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[2], -30.0);
  // q(mst) = (1, 0, 0, -1): W(mst, mstt); q(fst) = (0, 1, 0, -1): W(fst, mstt).
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(20000), 1e-12);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(36000), 1e-10);
}

}  // namespace
}  // namespace velm
