#include <gtest/gtest.h>

#include <cmath>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kScap = 11, kCarb = 17;

class Scapolite : public test::ModelTest {};

TEST_F(Scapolite, MeioniteAndMizzonite) {
  S.Gamma[7] = 5;
  // Ca 3, Na 1 on 16 cations: xCa = 0.75, xNa = 0.25.
  Run(kScap, FromCations({{iSi, 7}, {iAl, 5}, {iCa, 3}, {iNa, 1}}));
  EXPECT_EQ(S.ModelText, "ideal-Al/Si ordered model");
  EXPECT_EQ(S.FerricText, "Ferric from:  all ferrous");
  EXPECT_EQ(S.NOx, 0.0);
  EXPECT_TRUE(S.UsesCO2);
  EXPECT_FALSE(S.UsesH2O);
  EXPECT_EQ(S.EmName[1], "me ");
  EXPECT_EQ(S.EmName[2], "miz");
  EXPECT_EQ(S.Gamma[7], 1.0);
  // a(me) = 0.75^4 = 0.31640625; a(miz) = 9.48 * 0.75^3 * 0.25 = 0.99984375.
  EXPECT_NEAR(Activity(1), 0.31640625, 1e-14);
  EXPECT_NEAR(Activity(2), 0.99984375, 1e-14);
  // K counts in the site: Ca 3, Na 0.5, K 0.5 gives xNa 0.125, a(miz) half.
  Run(kScap, FromCations({{iSi, 7}, {iAl, 5}, {iCa, 3}, {iNa, 0.5}, {iK, 0.5}}));
  EXPECT_NEAR(Activity(2), 0.499921875, 1e-14);
}

TEST_F(Scapolite, EndMembersOfMissingCations) {
  // Ca only: a(me) = 1, a(miz) = 0.
  Run(kScap, FromCations({{iSi, 6}, {iAl, 6}, {iCa, 4}}));
  EXPECT_NEAR(S.LnA[1], 0.0, 1e-15);
  EXPECT_EQ(S.LnA[2], -30.0);
  // No Ca: both 0.
  Run(kScap, FromCations({{iSi, 9}, {iAl, 3}, {iNa, 4}}));
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[2], -30.0);
  // No Ca, Na or K: the 0/0 fractions are taken as 0, not NaN.
  Run(kScap, FromCations({{iSi, 8}, {iAl, 8}}));
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[2], -30.0);
}

TEST_F(Scapolite, IronAsAnalysed) {
  // FeO without Fe2O3 gets no ferric estimate.
  Run(kScap, FromCations({{iSi, 7}, {iAl, 5}, {iCa, 3}, {iNa, 1}, {iFe2, 0.5}}));
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);
  EXPECT_EQ(S.XFe3, 0.0);
  // Analysed Fe3 1 makes 17 cations, scaled to 16; it enters no site, so
  // xCa stays 0.75.
  Run(kScap, FromCations({{iSi, 7}, {iAl, 5}, {iCa, 3}, {iNa, 1}, {iFe3, 1}}));
  EXPECT_NEAR(S.Cat[iCa], 3 * 16.0 / 17, 1e-13);
  EXPECT_NEAR(Activity(1), 0.31640625, 1e-14);
}

class Carbonate : public test::ModelTest {};

TEST_F(Carbonate, PureCalcite) {
  Run(kCarb, FromCations({{iCa, 2}}));
  EXPECT_EQ(S.ModelText, "disordered calcite structure, 1-site mixing");
  EXPECT_EQ(S.FerricText, "Ferric from:  all ferrous");
  EXPECT_EQ(S.NOx, 0.0);
  EXPECT_TRUE(S.UsesCO2);
  EXPECT_EQ(S.NEm, 4);
  EXPECT_EQ(S.SiteMult, 1);
  EXPECT_NEAR(S.LnA[1], 0.0, 1e-15);
  EXPECT_EQ(S.LnA[2], -30.0);
  EXPECT_EQ(S.LnA[3], -30.0);
  EXPECT_EQ(S.LnA[4], -30.0);
  // p = (1, 0, 0, 0): mag 23000; sid 18000 * 2*0.5/(1 + 0.5) = 12000; rhc 15000.
  EXPECT_NEAR(S.Gamma[1], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(23000), 1e-10);
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(12000), 1e-10);
  EXPECT_NEAR(S.Gamma[4], GammaFromRTLn(15000), 1e-10);
}

TEST_F(Carbonate, CalciteReadsTheWholeFormula) {
  // Ca 1.6, Mg 0.2, Fe2 0.2: the Ca site takes 1.0 and leaves 0.6 over, so
  // calcite; its fractions are those of the formula: 0.8, 0.1, 0.1, 0.
  Run(kCarb, FromCations({{iCa, 1.6}, {iMg, 0.2}, {iFe2, 0.2}}));
  EXPECT_EQ(S.NEm, 4);
  EXPECT_NEAR(Activity(1), 0.8, 1e-14);
  EXPECT_NEAR(Activity(2), 0.1, 1e-14);
  EXPECT_NEAR(Activity(3), 0.1, 1e-14);
  EXPECT_EQ(S.LnA[4], -30.0);
  // alpha*p = (0.8, 0.1, 0.05, 0), sum 0.95; phi = (16, 2, 1, 0)/19.
  // cc, q = (3, -2, -1, 0)/19: (6*23000 + 3*18000*4/3 - 2*4000*4/3)/361 = 552.170 J.
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn((138000 + 72000 - 32000 / 3.0) / 361), 1e-10);
  // mag, q = (-16, 17, -1, 0)/19: (272*23000 - 16*24000 + 17*4000*4/3)/361.
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn((272 * 23000 - 16 * 24000 + 17 * 16000 / 3.0) / 361),
              1e-9);
}

TEST_F(Carbonate, Dolomite) {
  Run(kCarb, FromCations({{iCa, 2}}));  // calcite first: all four slots
  // Ca 1, Mg 0.7, Fe2 0.3: xCaA = 1, no Ca left over; xMg 0.7, xFe 0.3.
  Run(kCarb, FromCations({{iCa, 1}, {iMg, 0.7}, {iFe2, 0.3}}));
  EXPECT_EQ(S.ModelText, "dolomite structure, 2 site mixing");
  EXPECT_EQ(S.NEm, 2);
  EXPECT_EQ(S.SiteMult, 2);
  EXPECT_NEAR(Activity(1), 0.7, 1e-14);
  EXPECT_NEAR(Activity(2), 0.3, 1e-14);
  // 4000 xFe^2 = 360 J; 4000 (1 - xFe)^2 = 1960 J.
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(360), 1e-12);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(1960), 1e-12);
  // Slots 3 and 4 keep what the calcite run left.
  EXPECT_EQ(S.EmName[3], "sid");
  EXPECT_EQ(S.LnA[3], -30.0);

  // Without Mg, Fe2 and Mn: both 0; gamma(ank) = exp(4000/RT).
  Run(kCarb, FromCations({{iCa, 1}, {iSi, 1}}));
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[2], -30.0);
  EXPECT_NEAR(S.Gamma[1], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(4000), 1e-12);
}

TEST_F(Carbonate, BranchThresholds) {
  auto nEmAt = [&](double ca) {
    Run(kCarb, FromCations({{iCa, ca}, {iMg, 2 - ca}}));
    return S.NEm;
  };
  EXPECT_EQ(nEmAt(0.61), 2);
  EXPECT_EQ(nEmAt(1.09), 2);
  EXPECT_EQ(nEmAt(0.59), 4);
  // The double 0.6 lies below the threshold 0.6; Ca 1.1 leaves a double
  // just above 0.1 over.
  EXPECT_EQ(nEmAt(0.6), 4);
  EXPECT_EQ(S.Cat[iCa], 0.6);
  EXPECT_EQ(nEmAt(1.1), 4);
}

}  // namespace
}  // namespace velm
