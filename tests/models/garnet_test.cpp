#include <gtest/gtest.h>

#include <cmath>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kGt = 6;
constexpr int py = 1, gr = 2, alm = 3, kho = 4, spss = 5;

class Garnet : public test::ModelTest {};

TEST_F(Garnet, PurePyrope) {
  Run(kGt, FromCations({{iSi, 3}, {iAl, 2}, {iMg, 3}}));
  EXPECT_EQ(S.ModelText, "2-site mixing + Regular solution gammas");
  EXPECT_EQ(S.WarnText, "mixing terms from regular solution");
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum = 8 for 12 oxygens");
  EXPECT_EQ(S.NOx, 12.0);
  EXPECT_EQ(S.NEm, 5);
  EXPECT_EQ(S.SiteMult, 3);
  const char* names[] = {"", "py", "gr", "alm", "kho", "spss"};
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(S.EmName[k], names[k]);
  // xMg = 1, xAlY = 1: a(py) = 1; the others have no cation and take -30.
  EXPECT_NEAR(S.LnA[py], 0.0, 1e-14);
  for (int k : {gr, alm, kho, spss}) EXPECT_EQ(S.LnA[k], -30.0) << k;
  // p = (1, 0, 0, 0, 0): RT ln gamma(k) = W(py, k) * 2 alpha_k / (1 + alpha_k);
  // gr: 31000 * 2 * 2.7 / 3.7 = 45243.24 J.
  EXPECT_NEAR(S.Gamma[py], 1.0, 1e-14);
  EXPECT_NEAR(S.Gamma[gr], GammaFromRTLn(31000 * 5.4 / 3.7), 1e-9);
  EXPECT_NEAR(S.Gamma[alm], GammaFromRTLn(2500), 1e-12);
  EXPECT_NEAR(S.Gamma[kho], GammaFromRTLn(5400), 1e-12);
  EXPECT_NEAR(S.Gamma[spss], GammaFromRTLn(2000), 1e-12);
}

TEST_F(Garnet, FourCationGarnet) {
  // X: Mg 1.2, Fe 1.2, Ca 0.3, Mn 0.3 on three positions; Y: Al 2. A trace of
  // Fe2O3 keeps the estimate away. xCa = xMn = 0.1, x = 0.5,
  // xMg = xFe = 0.8 * 0.5 = 0.4, xAlY = 1.
  doublevec wt = FromCations({{iSi, 3}, {iAl, 2}, {iMg, 1.2}, {iFe2, 1.2}, {iCa, 0.3},
                              {iMn, 0.3}});
  wt[iFe2O3] = 1e-12;
  Run(kGt, wt);
  EXPECT_NEAR(Activity(py), 0.064, 1e-12);    // 0.4^3
  EXPECT_NEAR(Activity(alm), 0.064, 1e-12);   // 0.4^3
  EXPECT_NEAR(Activity(gr), 0.001, 1e-13);    // 0.1^3, ln -6.9 above the floor -13.8
  EXPECT_NEAR(Activity(spss), 0.001, 1e-13);  // 0.1^3
  EXPECT_EQ(S.LnA[kho], -30.0);               // no Fe3 on Y
  // p = (0.4, 0.1, 0.4, 0, 0.1), alpha(gr) 2.7: sum alpha p = 1.17,
  // phi = (40, 27, 40, 0, 10)/117. For py, q = (77, -27, -40, 0, -10)/117:
  // RT ln gamma = [77*27*31000*2/3.7 + 77*40*2500 + 77*10*2000
  //                - 27*40*5000*2/3.7 - 40*10*2000] / 117^2 = 2948.234 J.
  EXPECT_NEAR(S.Gamma[py], GammaFromRTLn(2948.2342302855), 1e-9);
  // For gr (factors 2*2.7/(alpha_i + alpha_j)), q = (-40, 90, -40, 0, -10)/117:
  // [3600*31000*5.4/3.7 - 1600*2500*2.7 - 400*2000*2.7 + 3600*5000*5.4/3.7
  //  - 400*2000*2.7] / 117^2 = 12712.83 J.
  EXPECT_NEAR(S.Gamma[gr], GammaFromRTLn(12712.831174370), 1e-8);
}

TEST_F(Garnet, GrossularAndraditeHasNoMgOrFe2) {
  // Ca 3 on X, Al 1 and Fe3 1 on Y. Mg and Fe2 are both absent: their shares
  // of X are 0, so py, alm and kho get no activity and no coefficient is NaN.
  // xCa = 1, fe3 = 0.5, xAlY = 0.5: a(gr) = 1 * 0.25.
  Run(kGt, FromCations({{iSi, 3}, {iAl, 1}, {iFe3, 1}, {iCa, 3}}));
  EXPECT_NEAR(Activity(gr), 0.25, 1e-14);
  for (int k : {py, alm, kho, spss}) EXPECT_EQ(S.LnA[k], -30.0) << k;
  for (int k = 1; k <= 5; ++k) EXPECT_TRUE(std::isfinite(S.Gamma[k])) << k;
  // p = (-0.5, 1, 0, 0.5, 0): sum alpha p = 2.7, phi = (-5, 27, 0, 5, 0)/27;
  // for gr q = (5, 0, 0, -5, 0)/27, only the py-kho pair counts:
  // RT ln gamma = 25/729 * 5400 * 2 * 2.7 / 2 = 500 J.
  EXPECT_NEAR(S.Gamma[gr], GammaFromRTLn(500), 1e-12);
}

TEST_F(Garnet, GivenFerricIronGoesToKhoharite) {
  // Fe3 0.2 given as Fe2O3, no Cr: fe3 = 0.1, xAlY = 0.9, xMg = 1.
  Run(kGt, FromCations({{iSi, 3}, {iAl, 1.8}, {iFe3, 0.2}, {iMg, 3}}));
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_NEAR(Activity(py), 0.81, 1e-13);   // 1 * 0.9^2
  EXPECT_NEAR(Activity(kho), 0.01, 1e-14);  // 1 * 0.1^2, ln -4.6 kept
  // Y filled by Fe3: xAlY = 0, so only kho has an activity, a = xMg^3 = 1.
  Run(kGt, FromCations({{iSi, 3}, {iFe3, 2}, {iMg, 3}}));
  EXPECT_NEAR(S.LnA[kho], 0.0, 1e-14);
  for (int k : {py, gr, alm, spss}) EXPECT_EQ(S.LnA[k], -30.0) << k;
}

TEST_F(Garnet, FerricEstimate) {
  // Cation sum exactly 8 with FeO: no estimate.
  Run(kGt, FromCations({{iSi, 3}, {iAl, 2}, {iMg, 1.5}, {iFe2, 1.5}}));
  ASSERT_EQ(S.CatSum, 8.0);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);

  // Si 3, Al 2, Fe 3.2 (all as FeO): scaled to 8 cations by 8/8.2 the
  // formula has Si 120/41, Al 80/41, Fe 128/41 and lacks a charge of
  // 24 - (480 + 240 + 256)/41 = 8/41, supplied as Fe3: XFe3 = 8/128 = 1/16.
  // Sites: no Mg, so xFe = 1; fe3 = 4/41 and xAlY = 37/41 (Al is not read):
  // a(alm) = (37/41)^2.
  Run(kGt, FromCations({{iSi, 3}, {iAl, 2}, {iFe2, 3.2}}));
  EXPECT_NEAR(S.XFe3, 1.0 / 16, 1e-14);
  EXPECT_NEAR(S.Cat[iFe3], 8.0 / 41, 1e-14);
  EXPECT_NEAR(Activity(alm), 0.81439619274242, 1e-13);
  EXPECT_EQ(S.LnA[py], -30.0);
  EXPECT_EQ(S.LnA[kho], -30.0);
  // A second run on the analysis the estimate rewrote makes none.
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kGt, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);

  // Pure FeO: 12 Fe per 12 oxygens; 8/12 is below the floor factor
  // 24/(0.99*12 + 24), so the ferric share is capped at 0.99.
  doublevec feo{};
  feo[iFeO] = 100;
  Run(kGt, feo);
  EXPECT_NEAR(S.XFe3, 0.99, 1e-14);
}

}  // namespace
}  // namespace velm
