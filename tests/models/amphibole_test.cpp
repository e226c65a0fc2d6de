#include <gtest/gtest.h>

#include <cmath>

#include "amphibole.h"
#include "modeltest.h"

namespace velm {
namespace {

constexpr int kAmph = 3;

class Amphibole : public test::ModelTest {
 protected:
  // Coefficients are compared relative to their size.
  void ExpectGamma(int slot, double rtLnGamma) {
    EXPECT_NEAR(S.Gamma[slot] / GammaFromRTLn(rtLnGamma), 1.0, 1e-12) << "slot " << slot;
  }
};

TEST_F(Amphibole, TremoliteIsCalcic) {
  // Si 8, Mg 5, Ca 2 on 23 oxygens: CatSum 15, x = 0, xSiT1 = 1, xMgM2 = 1,
  // xCaM4 = 1, xNaM4 = 0, xvA = 1: a(tr) = 1. No FeO, so no estimate.
  Run(kAmph, FromCations({{iSi, 8}, {iMg, 5}, {iCa, 2}}));
  EXPECT_EQ(S.ModelText, "Mixing model of Ostrand et al. (2007)");
  EXPECT_EQ(S.FerricText,
            "Ferric from:  Av from max and min constraints. Quenby & Fennick 1993");
  EXPECT_EQ(S.WarnText, "");
  EXPECT_TRUE(S.UsesH2O);
  EXPECT_EQ(S.NOx, 23.0);
  EXPECT_EQ(S.NEm, 5);
  EXPECT_EQ(S.SiteMult, 5);
  const char* names[] = {"tr", "fact", "ts", "parg", "gl"};
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(S.EmName[k], names[k - 1]);
  EXPECT_NEAR(S.LnA[1], 0.0, 1e-14);
  for (int k = 2; k <= 5; ++k) EXPECT_EQ(S.LnA[k], -30.0) << k;
  for (int k = 6; k <= 10; ++k) {
    EXPECT_EQ(S.LnA[k], -20.0);
    EXPECT_EQ(S.Gamma[k], 1.0);
  }
  // p = (1, 0, ..., 0): RT ln gamma(k) = W(tr,k) 2 alpha_k / (1 + alpha_k).
  ExpectGamma(1, 0);
  ExpectGamma(2, 20000);                   // fact, alpha 1
  ExpectGamma(3, 20000 * 3.0 / 2.5);       // ts, alpha 1.5: 24000
  ExpectGamma(4, 25000 * 3.4 / 2.7);       // parg, alpha 1.7
  ExpectGamma(5, 65000 * 1.6 / 1.8);       // gl, alpha 0.8
}

TEST_F(Amphibole, CalcicFeMgMixingWithoutFerricIron) {
  // Si 8, Mg 2.5, Fe2 2.5, Ca 2; all iron as FeO. Factors: f1 = 16/15,
  // f2 = f3 = f4 = 1, so fmin = 1; f6 = 8/8 = 1, so fmax >= 1 with f10 < 1:
  // f = 1, no ferric iron and Fe2O3 rewritten as 0.
  Run(kAmph, FromCations({{iSi, 8}, {iMg, 2.5}, {iFe2, 2.5}, {iCa, 2}}));
  ASSERT_EQ(S.Cat[iSi], 8.0);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Cat[iFe3], 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);
  EXPECT_EQ(S.NEm, 5);
  // x = 0.5; xMgM2 = xFeM2 = 2 * 0.5/2 = 0.5; a(tr) = 1 * 1 * 0.5^3 * 0.5^2 * 1.
  EXPECT_NEAR(Activity(1), 0.03125, 1e-14);
  EXPECT_NEAR(Activity(2), 0.03125, 1e-14);
  // p = (0.5, 0.5, 0, ...). tr, fact: q = (0.5, -0.5): 0.25 * 20000.
  ExpectGamma(1, 5000);
  ExpectGamma(2, 5000);
  // ts: q = (-0.5, -0.5, 1); -0.25*20000*1.5 + 0.5*20000*3/2.5 + 0.5*27500*3/2.5.
  ExpectGamma(3, -7500 + 12000 + 16500);
  // gl: -0.25*20000*0.8 + 0.5*65000*1.6/1.8 + 0.5*71000*1.6/1.8.
  ExpectGamma(5, -4000 + 0.5 * 136000 * 1.6 / 1.8);
}

TEST_F(Amphibole, SiliconAtEightLeavesNoAluminiumOnT1) {
  // Si 8, Al 1, Mg 3.5, Ca 2 (16 + 1.5 + 3.5 + 2 oxygens), CatSum 14.5:
  // xSiT1 = 1 without a warning, xAlT1 = 0, so ts and parg get no activity
  // although xAlM2 = (8 + 1 - 8)/2 = 0.5.
  Run(kAmph, FromCations({{iSi, 8}, {iAl, 1}, {iMg, 3.5}, {iCa, 2}}));
  ASSERT_EQ(S.Cat[iSi], 8.0);
  EXPECT_EQ(S.WarnText, "");
  EXPECT_EQ(S.LnA[3], -30.0);
  EXPECT_EQ(S.LnA[4], -30.0);
  // xMgM2 = (10 - 1 - 8)/2 = 0.5, xvA = 1.5, xNaM4 = (15 - 14.5)/2 = 0.25:
  // a(tr) = 1 * 1.5 * 1 * 0.25 * 1; a(gl) = 0.0625 * 1.5 * 0.25 * 1 * 1.
  EXPECT_NEAR(Activity(1), 0.375, 1e-14);
  EXPECT_NEAR(Activity(5), 0.0234375, 1e-14);
}

TEST_F(Amphibole, CummingtoniteIsFeMg) {
  // Si 8, Mg 7: xCaM4 = xNaM4 = 0; M4FM = 8 + 7 - 13 = 2, xMgM2 = 1, xvA = 1:
  // a(cumm) = 1 * 1 * 1 * (2 * 1/2)^2 * 1.
  Run(kAmph, FromCations({{iSi, 8}, {iMg, 7}}));
  EXPECT_EQ(S.ModelText, "Ideal mixing model for Fe-Mg amphiboles (with half Smix on T1)");
  EXPECT_EQ(S.NEm, 2);
  EXPECT_EQ(S.SiteMult, 7);
  EXPECT_EQ(S.EmName[1], "cumm");
  EXPECT_EQ(S.EmName[2], "grun");
  EXPECT_NEAR(S.LnA[1], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[2], -30.0);
  ExpectGamma(1, 0);
  ExpectGamma(2, 33500);
  for (int k = 3; k <= 10; ++k) EXPECT_EQ(S.LnA[k], -20.0) << k;
}

TEST_F(Amphibole, TooMuchSiliconIsHeldAndWarned) {
  // Si 8.2, Mg 6.6 (16.4 + 6.6 oxygens), CatSum 14.8: xSiT1 = 1.05 -> 0.999.
  // xNaM4 = 0.1, Fe-Mg; xMgM2 = 1.8/2 = 0.9, M4FM = 1.8, xvA = 1.2:
  // a(cumm) = 0.999^2 * 0.81 * 1 * 0.81 * 1.2 = 0.78574614732.
  Run(kAmph, FromCations({{iSi, 8.2}, {iMg, 6.6}}));
  EXPECT_EQ(S.WarnText, "** warning too much Si, analysis unreliable **");
  EXPECT_NEAR(Activity(1), 0.78574614732, 1e-11);
}

TEST_F(Amphibole, GlaucophaneIsSodic) {
  // Si 8, Al 2, Mg 3, Na 2: CatSum 15, xNaM4 = 1, xAlM2 = 1, xSiT1 = 1,
  // xvA = 1, x = 0: a(gl) = 1; p = (1, 0, 0, xMgM2 = 0).
  Run(kAmph, FromCations({{iSi, 8}, {iAl, 2}, {iMg, 3}, {iNa, 2}}));
  EXPECT_EQ(S.ModelText, "Ideal mixing model for sodic amphiboles (with half Smix on T1)");
  EXPECT_EQ(S.NEm, 4);
  EXPECT_EQ(S.SiteMult, 5);
  const char* names[] = {"gl", "fgl", "rieb", "tr"};
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(S.EmName[k], names[k - 1]);
  EXPECT_NEAR(S.LnA[1], 0.0, 1e-14);
  for (int k = 2; k <= 4; ++k) EXPECT_EQ(S.LnA[k], -30.0) << k;
  // All alpha 0.8: RT ln gamma(k) = W(gl,k).
  ExpectGamma(1, 0);
  ExpectGamma(2, 12000);
  ExpectGamma(3, 12000);
  ExpectGamma(4, 65000);
}

TEST_F(Amphibole, SodicWithFerricIron) {
  // Si 8, Al 1, Fe3 1, Mg 1.5, Fe2 1.5, Na 2 (Fe2O3 given: no estimate).
  // CatSum 15, x = 0.5, xAlM2 = 0.5, xNaM4 = 1, xvA = 1, xSiT1 = 1,
  // xMgM2 = (10 - 1 - 1 - 8)/2 * 0.5 = 0:
  //   a(gl) = 0.25 * 0.125, a(fgl) = 0.25 * 0.125, a(rieb) = 0.5^2 * 0.125.
  Run(kAmph, FromCations({{iSi, 8}, {iAl, 1}, {iFe3, 1}, {iMg, 1.5}, {iFe2, 1.5}, {iNa, 2}}));
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.NEm, 4);
  EXPECT_NEAR(Activity(1), 0.03125, 1e-14);
  EXPECT_NEAR(Activity(2), 0.03125, 1e-14);
  EXPECT_NEAR(Activity(3), 0.03125, 1e-14);
  EXPECT_EQ(S.LnA[4], -30.0);
  // p = (0.25, 0.25 - 0.5, 0.5, 0), sum 0.5, so phi = (0.5, -0.5, 1, 0).
  //   gl:   q = (0.5, 0.5, -1, 0):  -0.25*12000 + 0.5*12000          = 3000
  //   fgl:  q = (-0.5, 1.5, -1, 0): 0.75*12000 - 0.5*12000           = 3000
  //   rieb: q = (-0.5, 0.5, 0, 0):  0.25*12000                       = 3000
  //   tr:   q = (-0.5, 0.5, -1, 1): 3000 - 6000 + 32500 - 40500 + 81000 = 70000
  ExpectGamma(1, 3000);
  ExpectGamma(2, 3000);
  ExpectGamma(3, 3000);
  ExpectGamma(4, 70000);
}

TEST_F(Amphibole, SubModelBoundaries) {
  // Si 8, Mg 6.4, Ca 0.6: xCaM4 = 0.3 as a double, which lies below 0.3:
  // Fe-Mg.
  Run(kAmph, FromCations({{iSi, 8}, {iMg, 6.4}, {iCa, 0.6}}));
  ASSERT_EQ(S.Cat[iCa], 0.6);
  EXPECT_EQ(S.NEm, 2);
  EXPECT_EQ(S.EmName[1], "cumm");

  // Si 8, Mg 5.8, Ca 1.2: xCaM4 = 0.6, calcic.
  Run(kAmph, FromCations({{iSi, 8}, {iMg, 5.8}, {iCa, 1.2}}));
  EXPECT_EQ(S.NEm, 5);

  // Si 8, Al 1.7, Mg 3.65, Ca 0.8 (23 oxygens), CatSum 14.15:
  // xNaM4 = 0.425 > 0.4 with xCaM4 = 0.4: sodic.
  Run(kAmph, FromCations({{iSi, 8}, {iAl, 1.7}, {iMg, 3.65}, {iCa, 0.8}}));
  EXPECT_EQ(S.NEm, 4);
  EXPECT_EQ(S.EmName[1], "gl");
}

TEST_F(Amphibole, CompositionBetweenSubModelsReportsNothing) {
  // A sodic analysis first, so that names, count and activities are there
  // to be left over.
  Run(kAmph, FromCations({{iSi, 8}, {iAl, 2}, {iMg, 3}, {iNa, 2}}));
  ASSERT_EQ(S.NEm, 4);

  // Si 8, Mg 6, Ca 1: xCaM4 = 0.5 exactly (not calcic), xNaM4 = 0.
  Run(kAmph, FromCations({{iSi, 8}, {iMg, 6}, {iCa, 1}}));
  ASSERT_EQ(S.Cat[iCa], 1.0);
  EXPECT_EQ(S.NEm, 0);
  EXPECT_EQ(S.WarnText, "composition outside the amphibole sub-models: no activities");
  EXPECT_EQ(S.ModelText, "Mixing model of Ostrand et al. (2007)");
  EXPECT_EQ(S.SiteMult, 5);
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(S.LnA[k], -20.0);
    EXPECT_EQ(S.Gamma[k], 1.0);
  }

  // Si 8, Al 1.5, Mg 3.95, Ca 0.8: xCaM4 = 0.4, xNaM4 = (15 - 14.25)/2 = 0.375.
  Run(kAmph, FromCations({{iSi, 8}, {iAl, 1.5}, {iMg, 3.95}, {iCa, 0.8}}));
  EXPECT_EQ(S.NEm, 0);
}

TEST_F(Amphibole, FerricIronAtTheMeanOfTheBounds) {
  // Si 7, Al 1.5, Mg 1.55, Fe2 3, Ca 1.9, Na 0.5, K 0.1 on exactly 23
  // oxygens; S = 15.55. fmin = 1 (f1 = 1.029, f2 = 1.143, f3 = 15/14.95,
  // f4 = 2/1.9). fmax = f8 = 13/13.05 (f6 = 8/8.5, f7 = 15/15.45,
  // f9 = 36/37.5, f10 = 46/49), below 1 with f10 < fmin:
  // f = (13/13.05 + 1)/2 = 0.99808429, above the floor 46/(0.7*3 + 46).
  doublevec wt = FromCations(
      {{iSi, 7}, {iAl, 1.5}, {iMg, 1.55}, {iFe2, 3}, {iCa, 1.9}, {iNa, 0.5}, {iK, 0.1}});
  const double feo = wt[iFeO];
  Run(kAmph, wt);
  const double f = (13 / 13.05 + 1) / 2;
  const double fe3 = (1 - f) * 46;  // the charge the scaled formula lacks
  EXPECT_NEAR(S.Cat[iFe3], fe3, 1e-12);
  EXPECT_NEAR(S.Cat[iFe2], 3 * f - fe3, 1e-12);
  EXPECT_NEAR(S.Cat[iSi], 7 * f, 1e-12);
  EXPECT_NEAR(S.CatSum, 15.55 * f, 1e-12);
  const double xFe3 = fe3 / (3 * f);
  EXPECT_NEAR(S.XFe3, xFe3, 1e-12);
  EXPECT_NEAR(S.Wt[iFe2O3], feo * xFe3 * 1.111341, 1e-12);
  EXPECT_NEAR(S.Wt[iFeO], feo * (1 - xFe3), 1e-12);

  // A second run on the analysis as the estimate left it makes none.
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kAmph, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);

  // Fe2O3 given, or no FeO: no estimate, whatever the sums.
  wt[iFe2O3] = 0.5;
  Run(kAmph, wt);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.5);
  wt[iFe2O3] = 0;
  wt[iFeO] = 0;
  Run(kAmph, wt);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Cat[iFe3], 0.0);
}

TEST_F(Amphibole, AllFerricTargetIsCappedAtSeventyPercent) {
  // Si 6, Al 2, Fe2 3, Mg 1.5, Ca 2, Na 2, K 1 on 23 oxygens; S = 17.5.
  // fmin = f1 = 16/17.5 = 0.914 lies below f10 = 46/49 = 0.939, so the
  // target is f10, which would turn all iron ferric; the estimate raises it
  // to the floor 46/(0.7*3 + 46), where Fe3/(Fe2 + Fe3) = 0.7.
  Run(kAmph, FromCations(
                 {{iSi, 6}, {iAl, 2}, {iFe2, 3}, {iMg, 1.5}, {iCa, 2}, {iNa, 2}, {iK, 1}}));
  const double floor = 46 / (0.7 * 3 + 46);
  EXPECT_NEAR(S.XFe3, 0.7, 1e-12);
  EXPECT_NEAR(S.Cat[iFe3], (1 - floor) * 46, 1e-12);
  EXPECT_NEAR(S.CatSum, 17.5 * floor, 1e-12);
}

TEST(AmphiboleFerricTarget, FactorOfCalciumEqualToTheAllFerricFactor) {
  // Si 7, Al 2, Mg 2.2, Fe2 2, Ca near 48/23: f10 = 46/48 and f4 = 2/Ca
  // meet; f1 = 16/15.29, f2 = 8/7, f3 = 15/15.29 lie above, so fmin = f4.
  // fmax = f8 = 13/13.2 < 1 (f6 = 8/9, f7 = 15/15.29, f9 = 36/37).
  const double f10 = double(46.0L / 48.0L);
  doublevec cat{};
  cat[iSi] = 7;
  cat[iAl] = 2;
  cat[iMg] = 2.2;
  cat[iFe2] = 2;
  cat[iCa] = double(2.0L / f10);
  ASSERT_EQ(double(2.0L / cat[iCa]), f10);
  // f10 equal to fmin: the target is f10.
  EXPECT_EQ(AmphiboleFerricTarget(cat), f10);

  // A little more Ca lowers fmin below f10: again f10.
  cat[iCa] = std::nextafter(cat[iCa], 3.0);
  ASSERT_LT(double(2.0L / cat[iCa]), f10);
  EXPECT_EQ(AmphiboleFerricTarget(cat), f10);

  // A little less Ca lifts fmin above f10: the mean of fmin and fmax.
  cat[iCa] = 2.08;
  EXPECT_NEAR(AmphiboleFerricTarget(cat), (2 / 2.08 + 13 / 13.2) / 2, 1e-12);
}

TEST_F(Amphibole, NoMgNoFeGivesNoActivityButFiniteCoefficients) {
  // Si 8, Al 2, Ca 2, Mn 2: calcic (xCaM4 = 1) without Mg and Fe2. Both
  // shares of the Fe-Mg pair are 0, so every end-member, each of which needs
  // Mg or Fe, has no activity, and the coefficients stay numbers.
  Run(kAmph, FromCations({{iSi, 8}, {iAl, 2}, {iCa, 2}, {iMn, 2}}));
  EXPECT_EQ(S.NEm, 5);
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(S.LnA[k], -30.0) << k;
    EXPECT_TRUE(std::isfinite(S.Gamma[k])) << k;
  }
}

}  // namespace
}  // namespace velm
