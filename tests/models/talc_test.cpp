#include <gtest/gtest.h>

#include <cmath>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kTa = 10;
constexpr int ta = 1, fta = 2, tats = 3, nta = 4;

class Talc : public test::ModelTest {};

TEST_F(Talc, PureTalc) {
  // Si 4, Mg 3 on 11 oxygens: T1 Si 1; M1 Mg 1 (2 Mg), M2 Mg 1; A vacant.
  Run(kTa, FromCations({{iSi, 4}, {iMg, 3}}));
  EXPECT_EQ(S.ModelText, "mixing-on-sites model of QM2011");
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum = 7 for 11 oxygens. Max Ratio = 0.1");
  EXPECT_EQ(S.WarnText, "");
  EXPECT_EQ(S.NOx, 11.0);
  EXPECT_EQ(S.NEm, 4);
  EXPECT_EQ(S.SiteMult, 3);
  EXPECT_TRUE(S.UsesH2O);
  EXPECT_FALSE(S.UsesCO2);
  EXPECT_EQ(S.EmName[ta], "ta");
  EXPECT_EQ(S.EmName[fta], "fta");
  EXPECT_EQ(S.EmName[tats], "tats");
  EXPECT_EQ(S.EmName[nta], "nta");
  EXPECT_NEAR(S.LnA[ta], 0.0, 1e-14);
  for (int k : {fta, tats, nta}) EXPECT_EQ(S.LnA[k], -30.0) << k;
  // p = (1, 0, 0, 0): RT ln gamma = W(ta, k).
  EXPECT_NEAR(S.Gamma[ta], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[fta], GammaFromRTLn(12000), 1e-12);
  EXPECT_NEAR(S.Gamma[tats], GammaFromRTLn(10000), 1e-12);
  EXPECT_NEAR(S.Gamma[nta], GammaFromRTLn(8000), 1e-12);
}

TEST_F(Talc, FeMgTalcAtSevenCationsMakesNoEstimate) {
  // Si 4, Mg 2.9, Fe2 0.1: sum exactly 7 with FeO. M1 (room 1, two
  // positions) shares 2.9 : 0.1 as Mg 29/30, Fe 1/30; M2 takes the rest,
  // Mg 2.9 - 58/30 = 29/30 and Fe 0.1 - 2/30 = 1/30.
  Run(kTa, FromCations({{iSi, 4}, {iMg, 2.9}, {iFe2, 0.1}}));
  ASSERT_EQ(S.CatSum, 7.0);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);
  // a(ta) = (29/30)^3, a(fta) = (1/30)^3 (ln -10.2, above the floor -13.8).
  EXPECT_NEAR(Activity(ta), std::pow(29.0 / 30, 3), 1e-13);
  EXPECT_NEAR(Activity(fta), std::pow(1.0 / 30, 3), 1e-17);
  // x = 1/30, p = (29/30, 1/30, 0, 0).
  // ta:   (1/30)^2 * 12000 = 13.33
  // fta:  (29/30)^2 * 12000 = 11213.33
  // tats: -29/900 * 12000 + 29/30 * 10000 + 1/30 * 12000 = 9680
  EXPECT_NEAR(S.Gamma[ta], GammaFromRTLn(12000.0 / 900), 1e-12);
  EXPECT_NEAR(S.Gamma[fta], GammaFromRTLn(841.0 / 900 * 12000), 1e-12);
  EXPECT_NEAR(S.Gamma[tats], GammaFromRTLn(9680), 1e-12);
}

TEST_F(Talc, FerricTestAtSevenButTargetSixPointNineFive) {
  // Si 4.02, Mg 2.9, Fe2 0.06 (11 O): sum 6.98, above the target but not
  // above the test's 7: no estimate.
  Run(kTa, FromCations({{iSi, 4.02}, {iMg, 2.9}, {iFe2, 0.06}}));
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);

  // Si 3.99, Fe2 3.02: sum 7.01 is brought to 6.95 (f = 6.95/7.01 is above
  // the 10 % floor 22/(0.302 + 22)), so Fe3 = 22 (1 - 6.95/7.01).
  Run(kTa, FromCations({{iSi, 3.99}, {iFe2, 3.02}}));
  EXPECT_NEAR(S.CatSum, 6.95, 1e-12);
  EXPECT_NEAR(S.Cat[iFe3], 22 * (1 - 6.95 / 7.01), 1e-12);
  EXPECT_NEAR(S.Cat[iFe2], 3.02 * 6.95 / 7.01 - 22 * (1 - 6.95 / 7.01), 1e-12);
}

TEST_F(Talc, FerricEstimateCappedAtTenPercent) {
  // Si 3.9, Mg 3, Fe2 0.2: sum 7.1; 6.95/7.1 is below 22/(0.02 + 22).
  Run(kTa, FromCations({{iSi, 3.9}, {iMg, 3}, {iFe2, 0.2}}));
  EXPECT_NEAR(S.XFe3, 0.1, 1e-12);
  // Run again on the analysis as the estimate left it: no second estimate.
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kTa, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);

  doublevec given = FromCations({{iSi, 3.9}, {iMg, 3}, {iFe2, 0.2}});
  given[iFe2O3] = 0.1;
  Run(kTa, given);
  EXPECT_EQ(S.XFe3, 0.0);
}

TEST_F(Talc, AllSitesMixed) {
  // Si 3.8, Al 0.5, Fe3 0.1, Na 0.1, Mn 0.1, Fe2 0.4, Mg 1.95 (11 O, Fe2O3
  // given). T1: Si 0.9, Al 0.1 (0.2 Al); octahedral Al 0.3. M1 room
  // 1 - 0.05 = 0.95 shared 1.95 : 0.4 = 39 : 8, Mg 0.95*39/47 = 37.05/47,
  // Fe 7.6/47; M2 Mg 1.95 - 74.1/47 = 17.55/47, Fe 0.4 - 15.2/47 = 3.6/47.
  // A: Na 0.1, vacancy 0.9.
  Run(kTa, FromCations({{iSi, 3.8},
                        {iAl, 0.5},
                        {iFe3, 0.1},
                        {iNa, 0.1},
                        {iMn, 0.1},
                        {iFe2, 0.4},
                        {iMg, 1.95}}));
  const double mgM1 = 37.05 / 47, feM1 = 7.6 / 47, mgM2 = 17.55 / 47, feM2 = 3.6 / 47;
  EXPECT_NEAR(Activity(ta), mgM2 * 0.9 * mgM1 * mgM1 * 0.81, 1e-13);
  EXPECT_NEAR(Activity(fta), feM2 * 0.9 * feM1 * feM1 * 0.81, 1e-13);
  EXPECT_NEAR(Activity(tats), 16 * 0.9 * mgM2 * mgM1 * 0.3 * 0.1 * 0.9, 1e-13);
  EXPECT_NEAR(Activity(nta), 4 * 0.1 * mgM2 * mgM1 * mgM1 * 0.9 * 0.1, 1e-13);
  // x = 0.4/2.35 = 8/47; p(nta) = 0.1, p(tats) = 0.2 - 0.1 = 0.1,
  // p(fta) = x (0.1 - 0.2)/4 + x = 7.8/47 = b, p(ta) = 0.8 - 7.8/47 = a.
  // ta:   (1-a)(12000 b + 1800) - 2400 b - 80 = 909.226
  // fta:  a(1-b) 12000 - 1800 a + 2400 (1-b) - 80 = 7126.247
  // tats: -12000 a b + 8200 a + 9600 b + 720 = 6249.651
  const double a = 0.8 - 7.8 / 47, b = 7.8 / 47;
  EXPECT_NEAR(S.Gamma[ta], GammaFromRTLn((1 - a) * (12000 * b + 1800) - 2400 * b - 80), 1e-12);
  EXPECT_NEAR(S.Gamma[fta], GammaFromRTLn(a * (1 - b) * 12000 - 1800 * a + 2400 * (1 - b) - 80),
              1e-12);
  EXPECT_NEAR(S.Gamma[tats], GammaFromRTLn(-12000 * a * b + 8200 * a + 9600 * b + 720), 1e-12);
}

TEST_F(Talc, SurplusSiAndMgStayOffTheirSites) {
  // Si 4.2, Mg 2.6: T1 takes 2 of the 2.2 Si beyond 2 (xSiT1 = 1); M1 takes
  // 2 Mg, M2 the remaining 0.6: a(ta) = 0.6.
  Run(kTa, FromCations({{iSi, 4.2}, {iMg, 2.6}}));
  EXPECT_NEAR(Activity(ta), 0.6, 1e-13);
  // Si 3.8, Mg 3.4: xSiT1 = 0.9; M1 Mg 1, M2 the whole 1.4 left:
  // a(ta) = 1.4 * 0.9^2 = 1.134.
  Run(kTa, FromCations({{iSi, 3.8}, {iMg, 3.4}}));
  EXPECT_NEAR(Activity(ta), 1.4 * 0.81, 1e-13);
}

TEST_F(Talc, NeitherMgNorFeGivesNoActivityAndFiniteCoefficients) {
  // Si 4, Mn 3: M1 has no room left (1 - 1.5 < 0) and no Mg or Fe to fill
  // it; the Fe share is 0/0, taken as 0, so talc takes the whole proportion:
  // p = (1, 0, 0, 0).
  Run(kTa, FromCations({{iSi, 4}, {iMn, 3}}));
  for (int k : {ta, fta, tats, nta}) EXPECT_EQ(S.LnA[k], -30.0) << k;
  EXPECT_NEAR(S.Gamma[ta], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[fta], GammaFromRTLn(12000), 1e-12);
  EXPECT_NEAR(S.Gamma[tats], GammaFromRTLn(10000), 1e-12);
  EXPECT_NEAR(S.Gamma[nta], GammaFromRTLn(8000), 1e-12);
}

}  // namespace
}  // namespace velm
