#include <gtest/gtest.h>

#include <cmath>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kChl = 9;
constexpr int clin = 1, daph = 2, ames = 3;

class Chlorite : public test::ModelTest {};

TEST_F(Chlorite, PureClinochlore) {
  // Si 3, Al 2, Mg 5 on 14 oxygens: T2 Si 0.5, Al 0.5; Al 1 fills M4, none
  // is left for M1; M1 all Mg, M2-M3 (5 - 1)/4 = 1 Mg.
  Run(kChl, FromCations({{iSi, 3}, {iAl, 2}, {iMg, 5}}));
  EXPECT_EQ(S.ModelText, "Ordered Al(M4) model. Quenby et al. 1998 EJM");
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum<=10 for 14 oxygens. Max Ratio = 0.2");
  EXPECT_EQ(S.WarnText, "Wcl-da = 2.5,  Wcl-am = 18,  Wam-da = 20.5 kJ");
  EXPECT_EQ(S.NOx, 14.0);
  EXPECT_EQ(S.NEm, 3);
  EXPECT_EQ(S.SiteMult, 4);
  EXPECT_TRUE(S.UsesH2O);
  EXPECT_FALSE(S.UsesCO2);
  EXPECT_EQ(S.EmName[clin], "clin");
  EXPECT_EQ(S.EmName[daph], "daph");
  EXPECT_EQ(S.EmName[ames], "ames");
  // a(clin) = 4 * 1^4 * 1 * 1 * 0.5 * 0.5 = 1.
  EXPECT_NEAR(S.LnA[clin], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[daph], -30.0);
  EXPECT_EQ(S.LnA[ames], -30.0);
  // p = (1, 0, 0): RT ln gamma = W(clin, k).
  EXPECT_NEAR(S.Gamma[clin], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[daph], GammaFromRTLn(2500), 1e-12);
  EXPECT_NEAR(S.Gamma[ames], GammaFromRTLn(18000), 1e-12);
}

TEST_F(Chlorite, PureAmesite) {
  // Si 2, Al 4, Mg 4: T2 Si 0, Al 1 (2 Al); M4 and M1 Al 1 each; M2-M3 Mg 1.
  Run(kChl, FromCations({{iSi, 2}, {iAl, 4}, {iMg, 4}}));
  EXPECT_NEAR(S.LnA[ames], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[clin], -30.0);  // no Si on T2
  EXPECT_EQ(S.LnA[daph], -30.0);
  // p = (0, 0, 1).
  EXPECT_NEAR(S.Gamma[ames], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[clin], GammaFromRTLn(18000), 1e-12);
  EXPECT_NEAR(S.Gamma[daph], GammaFromRTLn(20500), 1e-12);
}

TEST_F(Chlorite, AlOnM1AndFeMgMixing) {
  // Si 2.5, Al 3, Mg 3, Fe2 1.5: sum exactly 10 with FeO, at the ferric
  // threshold, so no estimate. T2: Si 0.25, Al 0.75 (1.5 Al). M4: Al 1;
  // M1: Al 0.5, the rest 0.5 shared by x = 1.5/4.5 = 1/3: Fe 1/6, Mg 1/3.
  // M2-M3: Fe (1.5 - 1/6)/4 = 1/3, Mg (3 - 1/3)/4 = 2/3.
  Run(kChl, FromCations({{iSi, 2.5}, {iAl, 3}, {iMg, 3}, {iFe2, 1.5}}));
  ASSERT_EQ(S.CatSum, 10.0);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);
  EXPECT_NEAR(Activity(clin), 4 * std::pow(2.0 / 3, 4) * (1.0 / 3) * 1 * 0.75 * 0.25, 1e-13);
  EXPECT_NEAR(Activity(daph), 4 * std::pow(1.0 / 3, 4) * (1.0 / 6) * 1 * 0.75 * 0.25, 1e-13);
  EXPECT_NEAR(Activity(ames), std::pow(2.0 / 3, 4) * 0.5 * 1 * 0.75 * 0.75, 1e-13);
  // p(daph) = 1/3 * 4.5/5 = 0.3, p(ames) = 0.5, p(clin) = 0.2.
  // clin: 0.8*0.3*2500 + 0.8*0.5*18000 - 0.3*0.5*20500 = 4725
  // daph: 0.2*0.7*2500 - 0.2*0.5*18000 + 0.7*0.5*20500 = 5725
  // ames: -0.2*0.3*2500 + 0.2*0.5*18000 + 0.3*0.5*20500 = 4725
  EXPECT_NEAR(S.Gamma[clin], GammaFromRTLn(4725), 1e-12);
  EXPECT_NEAR(S.Gamma[daph], GammaFromRTLn(5725), 1e-12);
  EXPECT_NEAR(S.Gamma[ames], GammaFromRTLn(4725), 1e-12);
}

TEST_F(Chlorite, TitaniumNarrowsM4AndM1) {
  // Si 3, Ti 0.2, Al 1.6, Mg 3.2, Fe2 2 (14 O, sum 10). T2: Si 0.5, Al 0.5
  // (1 Al); room 1 - 0.1 = 0.9; M4 takes the last 0.6 Al, M1 none.
  // x = 2/5.2 = 5/13. M1: 0.9 shared, Fe 4.5/13, Mg 7.2/13; M4: 0.3 shared,
  // Fe 1.5/13, Mg 2.4/13; M2-M3: Fe (2 - 6/13)/4 = 5/13, Mg 8/13.
  Run(kChl, FromCations({{iSi, 3}, {iTi, 0.2}, {iAl, 1.6}, {iMg, 3.2}, {iFe2, 2}}));
  EXPECT_NEAR(Activity(clin), 4 * std::pow(8.0 / 13, 4) * (7.2 / 13) * 0.6 * 0.5 * 0.5, 1e-13);
  EXPECT_NEAR(Activity(daph), 4 * std::pow(5.0 / 13, 4) * (4.5 / 13) * 0.6 * 0.5 * 0.5, 1e-13);
  EXPECT_EQ(S.LnA[ames], -30.0);  // no Al on M1
  // p = (8/13, 5/13, 0).
  EXPECT_NEAR(S.Gamma[clin], GammaFromRTLn(25.0 / 169 * 2500), 1e-12);
  EXPECT_NEAR(S.Gamma[daph], GammaFromRTLn(64.0 / 169 * 2500), 1e-12);
  EXPECT_NEAR(S.Gamma[ames],
              GammaFromRTLn(-40.0 / 169 * 2500 + 8.0 / 13 * 18000 + 5.0 / 13 * 20500), 1e-12);
}

TEST_F(Chlorite, FerricEstimateCappedAtTwentyPercent) {
  // Si 2.5, Al 2.5, Fe2 6 is 14.75 O: on 14 O the sum is 11 * 14/14.75 =
  // 10.44, and the charge wants more Fe3 than 20 % of the iron.
  Run(kChl, FromCations({{iSi, 2.5}, {iAl, 2.5}, {iFe2, 6}}));
  EXPECT_NEAR(S.XFe3, 0.2, 1e-12);
  EXPECT_GT(S.Wt[iFe2O3], 0.0);
  // The analysis as the estimate left it gets no second estimate.
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kChl, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);

  // Any Fe2O3 in the analysis: no estimate.
  doublevec given = FromCations({{iSi, 2.5}, {iAl, 2.5}, {iFe2, 6}});
  given[iFe2O3] = 0.1;
  Run(kChl, given);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.1);
}

TEST_F(Chlorite, NeitherMgNorFeGivesNoActivityAndFiniteCoefficients) {
  // Si 2, Al 4, Mn 4: the Fe share is 0/0, taken as 0 with the Mg share 0:
  // every octahedral Fe and Mg fraction is 0, p = (1 - 1, 0, 1).
  Run(kChl, FromCations({{iSi, 2}, {iAl, 4}, {iMn, 4}}));
  for (int k : {clin, daph, ames}) EXPECT_EQ(S.LnA[k], -30.0) << k;
  EXPECT_NEAR(S.Gamma[ames], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[clin], GammaFromRTLn(18000), 1e-12);
  EXPECT_NEAR(S.Gamma[daph], GammaFromRTLn(20500), 1e-12);
}

}  // namespace
}  // namespace velm
