#include <gtest/gtest.h>

#include <cmath>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kSp = 16, kIlhem = 18;

class Spinel : public test::ModelTest {
 protected:
  static constexpr int sp = 1, herc = 2, mt = 3, pcr = 4;
};

TEST_F(Spinel, PureSpinel) {
  // Mg 1, Al 2 on 4 oxygens: a(sp) = 6.75 (2/3)^2 (1/3) = 1.
  Run(kSp, FromCations({{iMg, 1}, {iAl, 2}}));
  EXPECT_EQ(S.ModelText, "3-site mixing, Castelvy & Prane 1990");
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum = 3 for 4 oxygens. Max Ratio = 0.9");
  EXPECT_EQ(S.WarnText, "");
  EXPECT_EQ(S.NOx, 4.0);
  EXPECT_EQ(S.NEm, 4);
  EXPECT_EQ(S.SiteMult, 3);
  EXPECT_FALSE(S.UsesH2O);
  EXPECT_FALSE(S.UsesCO2);
  EXPECT_EQ(S.EmName[sp], "sp");
  EXPECT_EQ(S.EmName[herc], "herc");
  EXPECT_EQ(S.EmName[mt], "mt");
  EXPECT_EQ(S.EmName[pcr], "pcr");
  EXPECT_NEAR(S.LnA[sp], 0.0, 1e-14);
  for (int k : {herc, mt, pcr}) EXPECT_EQ(S.LnA[k], -30.0) << k;
  // p = (1, 0, 0, 0): RT ln gamma = W(sp, k).
  EXPECT_NEAR(S.Gamma[sp], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[herc], GammaFromRTLn(4000), 1e-12);
  EXPECT_NEAR(S.Gamma[mt], GammaFromRTLn(56000), 1e-9);
  EXPECT_NEAR(S.Gamma[pcr], GammaFromRTLn(39000), 1e-9);
}

TEST_F(Spinel, HercyniteAtThreeCationsMakesNoEstimate) {
  // Fe2 1, Al 2: sum exactly 3 with FeO. a(herc) = 1; x = 1 so
  // p = (1 - 1, 1 - 0, 0, 0).
  Run(kSp, FromCations({{iFe2, 1}, {iAl, 2}}));
  ASSERT_EQ(S.CatSum, 3.0);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);
  EXPECT_NEAR(S.LnA[herc], 0.0, 1e-14);
  EXPECT_NEAR(S.Gamma[herc], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[sp], GammaFromRTLn(4000), 1e-12);
  EXPECT_NEAR(S.Gamma[mt], GammaFromRTLn(32000), 1e-9);
  EXPECT_NEAR(S.Gamma[pcr], GammaFromRTLn(27000), 1e-9);
}

TEST_F(Spinel, MagnetiteFromFeOByCharge) {
  // FeO only: 4 Fe2 per 4 O, sum 4 > 3; f = 3/4 is above the floor
  // 8/(0.9*4 + 8), so Fe3 = (1 - 3/4) * 8 = 2 and Fe2 = 3 - 2 = 1:
  // a(mt) = 6.75 (2/3)^2 (1/3) = 1, p = (0, 0, 1, 0).
  doublevec wt{};
  wt[iFeO] = 100;
  Run(kSp, wt);
  EXPECT_NEAR(S.Cat[iFe3], 2.0, 1e-13);
  EXPECT_NEAR(S.Cat[iFe2], 1.0, 1e-13);
  EXPECT_NEAR(S.LnA[mt], 0.0, 1e-13);
  EXPECT_NEAR(S.Gamma[mt], 1.0, 1e-12);
  const double gSp = GammaFromRTLn(56000);
  EXPECT_NEAR(S.Gamma[sp], gSp, 1e-9 * gSp);
  EXPECT_NEAR(S.Gamma[pcr], GammaFromRTLn(36000), 1e-9 * GammaFromRTLn(36000));
  // The analysis as the estimate left it is not estimated again.
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kSp, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);
}

TEST_F(Spinel, FerricEstimateCappedAtNinetyPercent) {
  // Na 4, Fe2 2 (4 O): sum 6, f = 0.5 is below 8/(0.9*2 + 8).
  Run(kSp, FromCations({{iNa, 4}, {iFe2, 2}}));
  EXPECT_NEAR(S.XFe3, 0.9, 1e-12);
}

TEST_F(Spinel, FourEndMemberSpinel) {
  // Mg 0.5, Fe2 0.5, Al 1.6, Cr 0.2, Fe3 0.2 (Fe2O3 given, sum 3).
  // a(sp) = 6.75 (1.6/3)^2 (0.5/3) = 8.64/27 = 0.32 = a(herc);
  // a(mt) = 6.75 (0.2/3)^2 (0.5/3) = 0.135/27 = 0.005 = a(pcr).
  Run(kSp, FromCations({{iMg, 0.5}, {iFe2, 0.5}, {iAl, 1.6}, {iCr, 0.2}, {iFe3, 0.2}}));
  EXPECT_NEAR(Activity(sp), 0.32, 1e-14);
  EXPECT_NEAR(Activity(herc), 0.32, 1e-14);
  EXPECT_NEAR(Activity(mt), 0.005, 1e-15);
  EXPECT_NEAR(Activity(pcr), 0.005, 1e-15);
  // x = 0.5, p = (0.4, 0.4, 0.1, 0.1). For sp, q = (0.6, -0.4, -0.1, -0.1):
  // -(-0.24*4000 - 0.06*56000 - 0.06*39000 + 0.04*32000 + 0.04*27000
  //   + 0.01*36000) = 3940; likewise herc 340, mt 31640, pcr 22840.
  EXPECT_NEAR(S.Gamma[sp], GammaFromRTLn(3940), 1e-12);
  EXPECT_NEAR(S.Gamma[herc], GammaFromRTLn(340), 1e-12);
  EXPECT_NEAR(S.Gamma[mt], GammaFromRTLn(31640), 1e-9);
  EXPECT_NEAR(S.Gamma[pcr], GammaFromRTLn(22840), 1e-9);
}

TEST_F(Spinel, NeitherMgNorFeGivesNoActivityAndFiniteCoefficients) {
  // Mn 1, Al 2: the Fe share is 0/0, taken as 0, so spinel takes the whole
  // proportion, p = (1, 0, 0, 0).
  Run(kSp, FromCations({{iMn, 1}, {iAl, 2}}));
  for (int k : {sp, herc, mt, pcr}) EXPECT_EQ(S.LnA[k], -30.0) << k;
  EXPECT_NEAR(S.Gamma[sp], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[herc], GammaFromRTLn(4000), 1e-12);
}

class IlmeniteHematite : public test::ModelTest {
 protected:
  static constexpr int ilm = 1, hem = 2, pnt = 3, gei = 4;
};

TEST_F(IlmeniteHematite, PureIlmeniteAtTwoCationsMakesNoEstimate) {
  // Ti 1, Fe2 1 on 3 O: sum exactly 2 with FeO. xTi = 1, xFe2A = 1, no room
  // left on B: a(ilm) = 1.
  Run(kIlhem, FromCations({{iTi, 1}, {iFe2, 1}}));
  EXPECT_EQ(S.ModelText, "2-site asymmetric non-ideal mixing");
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum = 2 for 3 oxygens");
  EXPECT_EQ(S.WarnText, "");
  EXPECT_EQ(S.NOx, 3.0);
  EXPECT_EQ(S.NEm, 4);
  EXPECT_EQ(S.SiteMult, 2);
  EXPECT_FALSE(S.UsesH2O);
  EXPECT_EQ(S.EmName[ilm], "ilm");
  EXPECT_EQ(S.EmName[hem], "hem");
  EXPECT_EQ(S.EmName[pnt], "pnt");
  EXPECT_EQ(S.EmName[gei], "gei");
  ASSERT_EQ(S.CatSum, 2.0);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_NEAR(S.LnA[ilm], 0.0, 1e-14);
  for (int k : {hem, pnt, gei}) EXPECT_EQ(S.LnA[k], -30.0) << k;
  // p = (1, 0, 0, 0); hematite's size 1.3 scales its term by 2*1.3/2.3.
  EXPECT_NEAR(S.Gamma[ilm], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[hem], GammaFromRTLn(31000 * 2.6 / 2.3), 1e-9);
  EXPECT_NEAR(S.Gamma[pnt], GammaFromRTLn(2000), 1e-12);
  EXPECT_NEAR(S.Gamma[gei], GammaFromRTLn(4000), 1e-12);
}

TEST_F(IlmeniteHematite, PureHematite) {
  // Fe2O3 only: Fe3 2 on 3 O. B: no Ti, room 1, all Fe3 (1); A: Fe3 1.
  doublevec wt{};
  wt[iFe2O3] = 100;
  Run(kIlhem, wt);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_NEAR(S.LnA[hem], 0.0, 1e-14);
  for (int k : {ilm, pnt, gei}) EXPECT_EQ(S.LnA[k], -30.0) << k;
  // p = (0, 1, 0, 0): the others' terms scaled by 2*1/(1 + 1.3).
  EXPECT_NEAR(S.Gamma[hem], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[ilm], GammaFromRTLn(31000 * 2 / 2.3), 1e-9);
  EXPECT_NEAR(S.Gamma[pnt], GammaFromRTLn(30000 * 2 / 2.3), 1e-9);
  EXPECT_NEAR(S.Gamma[gei], GammaFromRTLn(33000 * 2 / 2.3), 1e-9);
}

TEST_F(IlmeniteHematite, FerricEstimateCappedAtNinetyNinePercent) {
  // FeO only: 3 Fe per 3 O, f = 2/3 is below fmin = 6/(0.99*3 + 6) = 6/8.97.
  // Iron 3 fmin = 18/8.97, Fe3 0.99 of it = 17.82/8.97; B takes 1 Fe3, A
  // the rest: a(hem) = 17.82/8.97 - 1 = 8.85/8.97.
  doublevec wt{};
  wt[iFeO] = 100;
  Run(kIlhem, wt);
  EXPECT_NEAR(S.XFe3, 0.99, 1e-12);
  EXPECT_NEAR(Activity(hem), 8.85 / 8.97, 1e-12);
}

TEST_F(IlmeniteHematite, MixedSitesWithAlAndFe3SharingB) {
  // Ti 0.6, Fe2 0.5, Mg 0.1, Fe3 0.6, Al 0.2 (Fe2O3 given, sum 2).
  // B: Ti 0.6; room 0.4 shared Al : Fe3 = 1 : 3, Al 0.1, Fe3 0.3; A: the
  // remaining Fe3 0.3, Mg 0.1, Fe2 0.6 - 0.1 = 0.5.
  Run(kIlhem,
      FromCations({{iTi, 0.6}, {iFe2, 0.5}, {iMg, 0.1}, {iFe3, 0.6}, {iAl, 0.2}}));
  EXPECT_NEAR(Activity(hem), 0.3 * 0.3, 1e-14);
  EXPECT_NEAR(Activity(ilm), 0.6 * 0.5, 1e-14);
  EXPECT_EQ(S.LnA[pnt], -30.0);
  EXPECT_NEAR(Activity(gei), 0.6 * 0.1, 1e-14);
  // p = (0.5, 0.4, 0, 0.1), alpha (1, 1.3, 1, 1): alpha p sums to 1.12 = 56/50,
  // phi = (25, 26, 0, 5)/56. With f = 2/2.3 and h = 2.6/2.3:
  // ilm q = (31, -26, 0, -5)/56; gei q = (-25, -26, 0, 51)/56;
  // hem q = (-25, 30, 0, -5)/56; pnt q = (-25, -26, 56, -5)/56.
  const double f = 2 / 2.3, h = 2.6 / 2.3, n2 = 56.0 * 56;
  EXPECT_NEAR(S.Gamma[ilm],
              GammaFromRTLn(806 / n2 * 31000 * f + 155 / n2 * 4000 - 130 / n2 * 33000 * f),
              1e-12);
  EXPECT_NEAR(S.Gamma[gei],
              GammaFromRTLn(-650 / n2 * 31000 * f + 1275 / n2 * 4000 + 1326 / n2 * 33000 * f),
              1e-12);
  EXPECT_NEAR(S.Gamma[hem],
              GammaFromRTLn(750 / n2 * 31000 * h - 125 / n2 * 4000 * 1.3 + 150 / n2 * 33000 * h),
              1e-12);
  EXPECT_NEAR(S.Gamma[pnt],
              GammaFromRTLn(-650 / n2 * 31000 * f + 25.0 / 56 * 2000 - 125 / n2 * 4000 +
                            26.0 / 56 * 30000 * f - 130 / n2 * 33000 * f + 5.0 / 56 * 4000),
              1e-12);
}

TEST_F(IlmeniteHematite, TitaniumAndChromiumFillBLeavingFe3OnA) {
  // Ti 0.9, Cr 0.2, Fe3 0.1, Mg 0.2, Fe2 0.55 (Fe2O3 given): room
  // 0.1 - 0.2 < 0, so no Fe3 on B and a(hem) = 0. A-site Fe2 matches Ti:
  // 0.9 - 0.2 = 0.7, not the analysed 0.55. a(ilm) = 0.9*0.7, a(gei) = 0.9*0.2.
  Run(kIlhem,
      FromCations({{iTi, 0.9}, {iCr, 0.2}, {iFe3, 0.1}, {iMg, 0.2}, {iFe2, 0.55}}));
  EXPECT_EQ(S.LnA[hem], -30.0);
  EXPECT_NEAR(Activity(ilm), 0.63, 1e-14);
  EXPECT_NEAR(Activity(gei), 0.18, 1e-14);
}

}  // namespace
}  // namespace velm
