#include "derivatives.h"

#include <gtest/gtest.h>

#include <cmath>

#include "formula.h"
#include "modeltest.h"

namespace velm {
namespace {

constexpr int kOl = 12, kNoModel = 25;

class Propagation : public test::ModelTest {
 protected:
  // Oxide variances as the propagation sets them, with no model behind.
  void Variances(double xfe3) {
    S.MinCode = kNoModel;
    S.XFe3 = xfe3;
    S.NEm = 0;
    PropagateUncertainties(S);
  }
};

TEST_F(Propagation, OxideVariancesAndTheIronRule) {
  S.Wt[iSiO2] = 10.0;
  S.Wt[iFeO] = 10.0;
  Variances(0);
  // 0.05 + 0.015 * 10 = 0.2.
  EXPECT_NEAR(S.WtVar[iSiO2], 0.04, 1e-15);
  // No ferric iron and no estimate: both iron variances (0.25 * 0)^2.
  EXPECT_EQ(S.WtVar[iFeO], 0.0);
  EXPECT_EQ(S.WtVar[iFe2O3], 0.0);

  S.Wt[iFe2O3] = 2.0;
  Variances(0.3);
  EXPECT_NEAR(S.WtVar[iFeO], 0.25, 1e-15);  // (0.25 * 2.0)^2
  EXPECT_NEAR(S.WtVar[iFe2O3], 0.25, 1e-15);

  S.Wt[iFeO] = 3.0;
  Variances(0.6);
  EXPECT_NEAR(S.WtVar[iFeO], 0.5625, 1e-15);  // (0.25 * 3.0)^2
  Variances(std::nan(""));
  EXPECT_NEAR(S.WtVar[iFe2O3], 0.5625, 1e-15);
}

TEST_F(Propagation, ActivitiesFromLnActivities) {
  S.LnA[1] = -20.0;
  S.LnA[2] = -19.9;
  S.LnA[3] = 0.0;
  S.MinCode = kNoModel;
  S.NEm = 3;
  PropagateUncertainties(S);
  EXPECT_EQ(S.LnA[1], 0.0);  // no value: activity 0
  EXPECT_NEAR(S.LnA[2], std::exp(-19.9), 1e-22);
  EXPECT_EQ(S.LnA[3], 1.0);
  EXPECT_EQ(S.AVar[3], 0.0);  // an ideal activity of 1 is not propagated
}

TEST_F(Propagation, StepSizesFollowTheOxide) {
  // SiO2 (about 36 wt%) is raised by a thousandth of its value; the
  // derivative of Si is the difference quotient over exactly that step.
  S.Wt = FromCations({{iSi, 1}, {iMg, 1.5}, {iFe2, 0.5}});
  S.Wt[iFe2O3] = 0.1;  // keeps the estimate out of the picture
  const double sio2 = S.Wt[iSiO2];
  S.Wt[iCaO] = 0.000005;
  S.MinCode = kOl;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kOl, S.NEm);
  const doublevec cat0 = S.Cat;
  const doublevec wt0 = S.Wt;
  PropagateUncertainties(S);

  auto siAfter = [&](int oxide, double h) {
    RunState T;
    T.TK = 823;
    InitTables(T);
    doublevec wt = wt0, cat{};
    wt[oxide] += h;
    CationsPerOxygens(T, wt, cat, 4.0, 11);
    return cat[iSi];
  };
  const double h50 = 0.001 * sio2;
  EXPECT_NEAR(S.JacCat[iSi][iSiO2], (siAfter(iSiO2, h50) - cat0[iSi]) / h50, 1e-9);
  // 0.000005 wt% CaO is flagged and raised by 1e-5, which changes Si by
  // about 4.5e-8: below a millionth of Si (1.0), so it counts as no change.
  EXPECT_LT(std::fabs(siAfter(iCaO, 1e-5) - cat0[iSi]), 1e-6);
  EXPECT_GT(std::fabs(siAfter(iCaO, 1e-5) - cat0[iSi]), 0.0);
  EXPECT_EQ(S.JacCat[iSi][iCaO], 0.0);
  // An oxide of 0 is not perturbed and adds nothing.
  for (int j = 1; j <= 11; ++j) EXPECT_EQ(S.JacCat[j][iAl2O3], 0.0);
  EXPECT_EQ(S.CatVar[iAl], 0.0);
  // The report sees the analysis' own results, not the last perturbed call's.
  EXPECT_EQ(S.EmName[1], "fo");
}

}  // namespace
}  // namespace velm
