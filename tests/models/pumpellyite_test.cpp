#include <gtest/gtest.h>

#include <cmath>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kPmp = 22, kPre = 23;

class Pumpellyite : public test::ModelTest {
 protected:
  // The sum the ferric rule compares with 44: 49 - Al - Cr - Ti.
  double FerricSum() const { return 49.0 - S.Cat[iAl] - S.Cat[iCr] - S.Cat[iTi]; }
};

TEST_F(Pumpellyite, MgAlEndMember) {
  // Ca4 Mg Al5 Si6 on 24.5 oxygens: AlT 0, AlOct 5, xF 0, AlM2 4, AlM1 1;
  // a(mapm) = 1 * 1 * (4/4)^4 = 1; no Fe2, no Fe3.
  Run(kPmp, FromCations({{iSi, 6}, {iAl, 5}, {iMg, 1}, {iCa, 4}}));
  EXPECT_EQ(S.ModelText, "Ideal M2-M1 site mixing");
  EXPECT_EQ(S.FerricText,
            "Ferric from:  Al + Cr + Ti + Fe3 = 5 for 24.5 oxygens. Max Ratio = 0.9");
  EXPECT_EQ(S.NOx, 24.5);
  EXPECT_EQ(S.NEm, 3);
  EXPECT_EQ(S.SiteMult, 6);
  EXPECT_EQ(S.EmName[1], "mapm");
  EXPECT_EQ(S.EmName[2], "fapm");
  EXPECT_EQ(S.EmName[3], "julg");
  EXPECT_NEAR(S.LnA[1], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[2], -30.0);
  EXPECT_EQ(S.LnA[3], -30.0);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(S.Gamma[k], 1.0);
}

TEST_F(Pumpellyite, JulgolditeWithFerricGiven) {
  // Ca4 Fe2 Fe3_5 Si6: AlOct 0, xF 1, Fe3M2 4, Fe3M1 1, AlM1 = AlM2 = 0;
  // a(julg) = 1 * 1 * 1^4 = 1, a(mapm) = a(fapm) = 0.
  Run(kPmp, FromCations({{iSi, 6}, {iFe3, 5}, {iFe2, 1}, {iCa, 4}}));
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_NEAR(S.LnA[3], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[2], -30.0);
}

TEST_F(Pumpellyite, AlAndFe3ShareM2) {
  // Ca4 Mg0.6 Fe2_0.4 Fe3_0.5 Al4.5 Si6 (Fe2O3 given: no estimate).
  // AlOct 4.5, xF = 0.5/5 = 0.1, AlM2 3.6, Fe3M2 0.4, Fe3M1 0.1, AlM1 0.9.
  Run(kPmp, FromCations({{iSi, 6}, {iAl, 4.5}, {iFe3, 0.5}, {iFe2, 0.4}, {iMg, 0.6},
                         {iCa, 4}}));
  // a(mapm) = 0.9 * 0.6 * 0.9^4 = 0.354294
  EXPECT_NEAR(Activity(1), 0.354294, 1e-12);
  // a(fapm) = 0.9 * 0.4 * 0.9^4 = 0.236196
  EXPECT_NEAR(Activity(2), 0.236196, 1e-12);
  // a(julg) = 0.1 * 0.4 * 0.1^4 = 4e-6 (ln -12.4, above the floor -27.6)
  EXPECT_NEAR(Activity(3), 4e-6, 1e-17);
}

TEST_F(Pumpellyite, TetrahedralAlOnlyBelowSixSi) {
  // Si 5.8: AlT 0.2, AlOct 5.2, AlM2 4, AlM1 1.2; a(mapm) = 1.2 * 0.8 = 0.96.
  Run(kPmp, FromCations({{iSi, 5.8}, {iAl, 5.4}, {iMg, 0.8}, {iCa, 4}}));
  EXPECT_NEAR(Activity(1), 0.96, 1e-12);
  // Si 6.3: AlT would be -0.3 and is held at 0, so AlOct 4.6, AlM1 0.6;
  // a(mapm) = 0.6 * 1 (with AlT -0.3 it would be 0.9).
  Run(kPmp, FromCations({{iSi, 6.3}, {iAl, 4.6}, {iMg, 1}, {iCa, 4}}));
  EXPECT_NEAR(Activity(1), 0.6, 1e-12);
}

TEST_F(Pumpellyite, NoM1AlWhenM2TakesAllOctahedralAl) {
  // Al 3.8, Fe3 0.2, Si 6.25: AlT 0, AlOct 3.8, xF 0.05, AlM2 3.8 = AlOct,
  // so AlM1 0 and both Al end-members of M1 are absent.
  Run(kPmp, FromCations({{iSi, 6.25}, {iAl, 3.8}, {iFe3, 0.2}, {iMg, 1}, {iFe2, 1},
                         {iCa, 4}}));
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[2], -30.0);
}

TEST_F(Pumpellyite, FerricSumAtFortyFourMakesNoEstimate) {
  // Ca4 Fe Al5 Si6 with all iron as FeO: 49 - 5 = 44, not above 44.
  Run(kPmp, FromCations({{iSi, 6}, {iAl, 5}, {iFe2, 1}, {iCa, 4}}));
  ASSERT_NEAR(FerricSum(), 44.0, 1e-12);
  ASSERT_LE(FerricSum(), 44.0);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);
  EXPECT_NEAR(S.LnA[2], 0.0, 1e-12);  // a(fapm) = 1 * 1 * 1^4
}

TEST_F(Pumpellyite, FerricEstimateFromTheTrivalentSum) {
  // Ca4 Fe1.5 Al4.5 Si6 (FeO only) has 24.25 oxygens, so on 24.5 every
  // cation is scaled by k = 24.5/24.25: Al 4.546392, Fe 1.515464.
  // Sum = 49 - 4.546392 = 44.453608 > 44: f = 44/44.453608 = 0.989796
  // (fmin = 49/(0.9*1.515464 + 49) = 0.973 is lower), Fe3 = (1 - f)*49 = 0.5,
  // XFe3 = 0.5 / (f * 1.515464) = 0.5 / 1.5 = 1/3.
  Run(kPmp, FromCations({{iSi, 6}, {iAl, 4.5}, {iFe2, 1.5}, {iCa, 4}}));
  EXPECT_NEAR(S.Cat[iFe3], 0.5, 1e-12);
  EXPECT_NEAR(S.XFe3, 1.0 / 3.0, 1e-12);
  EXPECT_NEAR(S.Cat[iAl], 4.5, 1e-12);
  EXPECT_GT(S.Wt[iFe2O3], 0.0);
  // The analysis as the estimate left it is not estimated again.
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kPmp, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);
}

TEST_F(Pumpellyite, FerricEstimateCappedAtNinetyPercent) {
  // Ca4 Mg1 Fe0.5 Al3 Si6: sum about 46, f about 0.957, but fmin =
  // 49/(0.9*Fe + 49) is about 0.991: the cap holds Fe3 at 90 % of the iron.
  Run(kPmp, FromCations({{iSi, 6}, {iAl, 3}, {iFe2, 0.5}, {iMg, 1}, {iCa, 4}}));
  EXPECT_NEAR(S.XFe3, 0.9, 1e-12);
  // The same analysis with some Fe2O3 given gets no estimate.
  doublevec wt = FromCations({{iSi, 6}, {iAl, 3}, {iFe2, 0.5}, {iMg, 1}, {iCa, 4}});
  wt[iFe2O3] = 0.2;
  Run(kPmp, wt);
  EXPECT_EQ(S.XFe3, 0.0);
}

TEST_F(Pumpellyite, NoOctahedralAlOrFe3GivesNoActivity) {
  // Ca4 Mg7.5 Si6.5: no Al and no Fe3, so AlOct + Fe3 = 0 and there is
  // nothing to share on M2; every activity is absent and none is NaN.
  Run(kPmp, FromCations({{iSi, 6.5}, {iMg, 7.5}, {iCa, 4}}));
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(S.LnA[k], -30.0) << k;
}

class Prehnite : public test::ModelTest {};

TEST_F(Prehnite, PureAndFerricPrehnite) {
  // Ca2 Al2 Si3: no Fe3, a(pre) = 1, a(fpre) = 0.
  Run(kPre, FromCations({{iSi, 3}, {iAl, 2}, {iCa, 2}}));
  EXPECT_EQ(S.ModelText, "Ideal one site Fe3-Al mixing");
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum = 7 for 11 oxygens. Max Ratio = 0.99");
  EXPECT_EQ(S.NOx, 11.0);
  EXPECT_EQ(S.NEm, 2);
  EXPECT_EQ(S.SiteMult, 1);
  EXPECT_EQ(S.EmName[1], "pre");
  EXPECT_EQ(S.EmName[2], "fpre");
  EXPECT_NEAR(S.LnA[1], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[2], -30.0);
  EXPECT_EQ(S.Gamma[1], 1.0);
  EXPECT_EQ(S.Gamma[2], 1.0);

  // Fe3 0.3 given: a(pre) = 0.7, a(fpre) = 0.3.
  Run(kPre, FromCations({{iSi, 3}, {iAl, 1.7}, {iFe3, 0.3}, {iCa, 2}}));
  EXPECT_NEAR(Activity(1), 0.7, 1e-14);
  EXPECT_NEAR(Activity(2), 0.3, 1e-14);

  // Fe3 1: a(pre) = 0, a(fpre) = 1.
  Run(kPre, FromCations({{iSi, 3}, {iAl, 1}, {iFe3, 1}, {iCa, 2}}));
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_NEAR(S.LnA[2], 0.0, 1e-14);

  // Fe3 0.005: ln 0.005 = -5.3 is below -4.6 (multiplicity 1): absent.
  Run(kPre, FromCations({{iSi, 3}, {iAl, 1.995}, {iFe3, 0.005}, {iCa, 2}}));
  EXPECT_EQ(S.LnA[2], -30.0);
}

TEST_F(Prehnite, CationSumOfSevenMakesNoEstimate) {
  // Ca2 Fe2_0.25 Al1.5 Si3.25: 7 cations, 11 oxygens.
  Run(kPre, FromCations({{iSi, 3.25}, {iAl, 1.5}, {iFe2, 0.25}, {iCa, 2}}));
  ASSERT_NEAR(S.CatSum, 7.0, 1e-12);
  ASSERT_LE(S.CatSum, 7.0);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);
}

TEST_F(Prehnite, FerricEstimateAndItsCap) {
  // Ca2 Fe0.4 Al1.4 Si3.2 (FeO only) has 10.9 oxygens: on 11 the sum is
  // 7 * 11/10.9 > 7, f = 10.9/11, Fe3 = (1 - f) * 22 = 0.2 of 0.4 iron.
  Run(kPre, FromCations({{iSi, 3.2}, {iAl, 1.4}, {iFe2, 0.4}, {iCa, 2}}));
  EXPECT_NEAR(S.Cat[iFe3], 0.2, 1e-12);
  EXPECT_NEAR(S.XFe3, 0.5, 1e-12);
  EXPECT_NEAR(Activity(1), 0.8, 1e-12);
  EXPECT_NEAR(Activity(2), 0.2, 1e-12);

  // Ca2 Fe0.3 Al1.7 Si3 (FeO only): all the iron would be ferric, so the
  // cap leaves 99 % of it ferric.
  Run(kPre, FromCations({{iSi, 3}, {iAl, 1.7}, {iFe2, 0.3}, {iCa, 2}}));
  EXPECT_NEAR(S.XFe3, 0.99, 1e-12);
}

}  // namespace
}  // namespace velm
