#include "formula.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calcdata.h"

namespace velm {
namespace {

class Formula : public ::testing::Test {
 protected:
  void SetUp() override {
    S.TK = 823.0;
    InitTables(S);
  }
  RunState S;
};

TEST_F(Formula, InitTablesResetsPerRunValuesOnly) {
  S.LnA[3] = 1.5;
  S.LnA[12] = -3.0;
  S.Wt[5] = 2.0;
  S.UsesH2O = true;
  S.WarnText = "old";
  InitTables(S);
  EXPECT_EQ(S.LnA[3], -20.0);
  EXPECT_EQ(S.LnA[12], -3.0);  // slots above 11 survive a run
  EXPECT_EQ(S.Wt[5], 0.0);
  EXPECT_FALSE(S.UsesH2O);
  EXPECT_TRUE(S.WarnText.empty());
  EXPECT_EQ(S.MinCodeList[12], "ol");
  EXPECT_EQ(S.MinCodeList[23], "pre");
  EXPECT_EQ(S.MinCodeList[24], "");
  EXPECT_EQ(S.MinCodeList[25], "");
  // 550 degC is 823 K; RT = 8.3143 * 823 = 6842.6689 J/mol.
  EXPECT_NEAR(S.RT, 6842.6689, 1e-9);
}

TEST_F(Formula, NormaliseKeepsFortyFiveAsWeightPercent) {
  doublevec w{};
  w[iSiO2] = 40.0;
  w[iMgO] = 5.0;
  NormaliseAnalysis(S, w, 11);
  EXPECT_EQ(w[iSiO2], 40.0);
  EXPECT_EQ(S.WtSum, 45.0);

  w[iMgO] = 4.999;  // total 44.999: read as cations
  NormaliseAnalysis(S, w, 11);
  EXPECT_EQ(S.WtSum, 100.0);
  double sum = 0;
  for (int i = 1; i <= 11; ++i) sum += w[i];
  EXPECT_NEAR(sum, 100.0, 1e-12);
}

TEST_F(Formula, CationInputBecomesWeightPercent) {
  doublevec w{};
  w[iSi] = 1.0;
  w[iMg] = 2.0;
  NormaliseAnalysis(S, w, 11);
  // Si 1 -> 60.09 g SiO2; Mg 2 -> 2 * 40.32 = 80.64 g MgO; together 140.73 g.
  EXPECT_NEAR(w[iSiO2], 60.09 / 140.73 * 100, 1e-12);
  EXPECT_NEAR(w[iMgO], 80.64 / 140.73 * 100, 1e-12);
  EXPECT_EQ(w[iFeO], 0.0);
}

TEST_F(Formula, NaNTotalIsNotConverted) {
  doublevec w{};
  w[iSiO2] = std::nan("");
  w[iMgO] = 10.0;
  NormaliseAnalysis(S, w, 11);
  EXPECT_EQ(w[iMgO], 10.0);
  EXPECT_TRUE(std::isnan(S.WtSum));

  doublevec zero{};  // all zero: converted, 0/0 everywhere
  NormaliseAnalysis(S, zero, 11);
  EXPECT_TRUE(std::isnan(zero[iSiO2]));
  EXPECT_EQ(S.WtSum, 100.0);
}

TEST_F(Formula, CationsOnOxygenAndCationBasis) {
  doublevec wt{}, cat{};
  wt[iMgO] = 37.5;
  CationsPerOxygens(S, wt, cat, 1.0, 11);
  EXPECT_DOUBLE_EQ(cat[iMg], 1.0);
  EXPECT_DOUBLE_EQ(S.CatSum, 1.0);
  EXPECT_EQ(S.WtSum, 37.5);

  // Forsterite Mg2SiO4: 60.09 g SiO2 + 80.64 g MgO on 4 oxygens.
  wt[iSiO2] = 60.09;
  wt[iMgO] = 80.64;
  CationsPerOxygens(S, wt, cat, 4.0, 11);
  EXPECT_DOUBLE_EQ(cat[iSi], 1.0);
  EXPECT_DOUBLE_EQ(cat[iMg], 2.0);
  EXPECT_DOUBLE_EQ(S.CatSum, 3.0);

  // Na2O counts two cations: 61.98 g Na2O + 60.09 g SiO2 on 5 cations.
  doublevec wt2{}, cat2{};
  wt2[iNa2O] = 61.98;
  wt2[iSiO2] = 60.09;
  CationsPerCations(S, wt2, cat2, 5.0, 11);
  EXPECT_NEAR(cat2[iNa], 5.0 * 2 / 3, 1e-14);
  EXPECT_NEAR(cat2[iSi], 5.0 / 3, 1e-14);
  EXPECT_DOUBLE_EQ(S.CatSum, 5.0);
}

TEST_F(Formula, NoOxideGivesNaNCations) {
  doublevec wt{}, cat{};
  CationsPerOxygens(S, wt, cat, 4.0, 11);
  EXPECT_TRUE(std::isnan(cat[iSi]));
  EXPECT_TRUE(std::isnan(S.CatSum));
}

TEST_F(Formula, FerricEstimateIsCappedAtMaxRatio) {
  doublevec wt{}, cat{};
  wt[iFeO] = 10.0;
  cat[iSi] = 1.0;
  cat[iMg] = 1.8;
  cat[iFe2] = 0.3;
  S.CatSum = 3.1;
  FerricFromCharge(S, wt, cat, 3.1, 3.0, 4.0, 0.05);
  // f = 3/3.1 = 0.96774 lies below fmin = 8 / (0.05*0.3 + 8) = 0.998128,
  // so the estimate stops at the maximum ratio.
  const double fmin = 8.0 / 8.015;
  EXPECT_NEAR(S.XFe3, 0.05, 1e-12);
  EXPECT_NEAR(cat[iMg], 1.8 * fmin, 1e-14);
  EXPECT_NEAR(S.CatSum, 3.1 * fmin, 1e-14);
  // Iron is conserved: Fe2 + Fe3 = f times the iron before.
  EXPECT_NEAR(cat[iFe2] + cat[iFe3], 0.3 * fmin, 1e-14);
  EXPECT_NEAR(wt[iFe2O3], 10.0 * 0.05 * 1.111341, 1e-12);
  EXPECT_NEAR(wt[iFeO], 9.5, 1e-12);
  EXPECT_NEAR(wt[iFeO] + wt[iFe2O3] / 1.111341, 10.0, 1e-12);
}

TEST_F(Formula, FerricEstimateBelowTheCapBringsTheSumToTarget) {
  doublevec wt{}, cat{};
  wt[iFeO] = 10.0;
  cat[iSi] = 1.0;
  cat[iMg] = 1.71;
  cat[iFe2] = 0.3;
  S.CatSum = 3.01;
  S.WtSum = 77.0;
  FerricFromCharge(S, wt, cat, 3.01, 3.0, 4.0, 0.5);
  // f = 3/3.01 = 0.996678 is above fmin = 8/8.15: Fe3 = (1 - f) * 8.
  const double f = 3.0 / 3.01;
  EXPECT_NEAR(cat[iFe3], (1 - f) * 8, 1e-14);
  EXPECT_NEAR(S.CatSum, 3.0, 1e-14);
  EXPECT_NEAR(S.XFe3, (1 - f) * 8 / (0.3 * f), 1e-12);
  EXPECT_EQ(S.WtSum, 77.0);  // the total keeps all iron as FeO
}

}  // namespace
}  // namespace velm
