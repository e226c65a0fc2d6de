#include <gtest/gtest.h>

#include <string>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kCd = 14;

// At 6 kbar, 550 degC: w = 2.261 + 0.26182*6 - 0.0025778*550 - 0.000046465*6*550
// = 2.2607955; D = 97.7392045*18/584.95 + 2.2607955/18 = 3.1332171;
// h = w/D = 0.72155728003.
constexpr double kH = 0.72155728003;

class Cordierite : public test::ModelTest {
 protected:
  // The water-content line at P (kbar) and T (degC).
  std::string WaterLine(double p, double tC) {
    S.P = p;
    S.TK = tC + 273.0;
    Run(kCd, FromCations({{iSi, 5}, {iAl, 4}, {iMg, 2}}));
    return S.WarnText;
  }
};

TEST_F(Cordierite, MgCordierite) {
  // Mg 2, Al 4, Si 5: 18 oxygens, 11 cations exactly, so no estimate.
  doublevec wt = FromCations({{iSi, 5}, {iAl, 4}, {iMg, 2}});
  wt[iFeO] = 0;
  Run(kCd, wt);
  EXPECT_EQ(S.ModelText, "Vardell et al 2014, hydrous basis");
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum = 11 for 18 oxygens. Max Ratio = 0.2");
  EXPECT_EQ(S.WarnText, "Water content: 0.72 from Ludrick & Hobbelt");
  EXPECT_FALSE(S.UsesH2O);  // the channel water is no fluid of the phasewise line
  // x = 0, xMn = 0, xMg = 1: a(crd) = 1 - h, a(hcrd) = h.
  EXPECT_NEAR(Activity(1), 1 - kH, 1e-10);
  EXPECT_NEAR(Activity(4), kH, 1e-10);
  EXPECT_EQ(S.LnA[2], -30.0);
  EXPECT_EQ(S.LnA[3], -30.0);
  // p = (1 - h, 0, 0, h), W(crd, hcrd) = 0: crd and hcrd ideal;
  // fcrd: 8000(1 - h) + 9000h; mncrd: 6000(1 - h) + 6000h.
  EXPECT_NEAR(S.Gamma[1], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[4], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(8000 + 1000 * kH), 1e-9);
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(6000), 1e-10);
}

TEST_F(Cordierite, MixedOctahedralSites) {
  // Mg 1, Fe2 0.6, Mn 0.4 (Fe2O3 trace keeps the estimate away).
  doublevec wt = FromCations({{iSi, 5}, {iAl, 4}, {iMg, 1}, {iFe2, 0.6}, {iMn, 0.4}});
  wt[iFe2O3] = 1e-12;
  Run(kCd, wt);
  // x = 0.375, xMn = 0.2, xMg = 0.8*0.625 = 0.5, xFe = 0.375*0.8 = 0.3.
  EXPECT_NEAR(Activity(1), 0.25 * (1 - kH), 1e-10);
  EXPECT_NEAR(Activity(2), 0.09 * (1 - kH), 1e-10);
  EXPECT_NEAR(Activity(3), 0.04 * (1 - kH), 1e-10);
  EXPECT_NEAR(Activity(4), 0.25 * kH, 1e-10);
  // p = (0.5 - h, 0.3, 0.2, h), sum 1. crd, q = (0.5 + h, -0.3, -0.2, -h):
  //   2400(0.5 + h) + 1200(0.5 + h) - 240 - 2700h - 1200h = 1560 - 300h.
  EXPECT_NEAR(S.Gamma[1], GammaFromRTLn(1560 - 300 * kH), 1e-9);
  // mncrd, q = (h - 0.5, -0.3, 0.8, -h):
  //   2400h - 1200 + 2400 - 4800h + 960 - 2700h + 4800h = 2160 - 300h.
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(2160 - 300 * kH), 1e-9);
}

TEST_F(Cordierite, WaterContentLine) {
  EXPECT_EQ(WaterLine(10, 400), "Water content: 1.16 from Ludrick & Hobbelt");   // h 1.1560
  EXPECT_EQ(WaterLine(1, 1000), "Water content: -0.03 from Ludrick & Hobbelt");  // h -0.0330
  EXPECT_EQ(WaterLine(6, 574), "Water content: 0.7 from Ludrick & Hobbelt");     // h 0.70006
  EXPECT_EQ(WaterLine(6, 237), "Water content: 1 from Ludrick & Hobbelt");       // h 0.99985
  // h = -0.00167 rounds to a negative zero hundredth: printed "0".
  EXPECT_EQ(WaterLine(1, 963.3), "Water content: 0 from Ludrick & Hobbelt");
}

TEST_F(Cordierite, HydrousFractionAboveOne) {
  // 10 kbar, 400 degC: h = 1.156, so 1 - h < 0 and the anhydrous ones floor.
  WaterLine(10, 400);
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_NEAR(Activity(4), 1.1560222, 1e-6);
}

TEST_F(Cordierite, FerricEstimate) {
  // Mg 2, Fe2 0.5, Al 4, Si 5 (18.5 O): sum 11.5*18/18.5 = 11.189;
  // f = 0.98309 < fmin = 36/(0.2*0.4865 + 36) = 0.99730: capped at 20 %.
  Run(kCd, FromCations({{iSi, 5}, {iAl, 4}, {iMg, 2}, {iFe2, 0.5}}));
  EXPECT_NEAR(S.XFe3, 0.2, 1e-12);
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kCd, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);
  // At 11 cations exactly there is no estimate.
  Run(kCd, FromCations({{iSi, 5}, {iAl, 4}, {iMg, 1.5}, {iFe2, 0.5}}));
  EXPECT_EQ(S.XFe3, 0.0);
}

TEST_F(Cordierite, NoMgNoFe) {
  // Mn 1, Si 5.5, Al 4 (18 O): the Fe-Mg share is 0/0, so x = 0 and
  // xMg = xFe = 0, xMn = 0.5; p = (1 - h - xMn, 0, xMn, h) sums to 1.
  Run(kCd, FromCations({{iSi, 5.5}, {iAl, 4}, {iMn, 1}}));
  EXPECT_NEAR(Activity(3), 0.25 * (1 - kH), 1e-10);
  EXPECT_EQ(S.LnA[1], -30.0);
  EXPECT_EQ(S.LnA[2], -30.0);
  EXPECT_EQ(S.LnA[4], -30.0);
  // phi = p. mncrd, q = (h - 0.5, 0, 0.5, -h):
  //   -[3000(h - 0.5) - 3000h] = 1500, whatever h.
  EXPECT_NEAR(S.Gamma[3], GammaFromRTLn(1500), 1e-10);
  // fcrd, q = (h - 0.5, 1, -0.5, -h):
  //   -[8000(h - 0.5) + 1500 - 3000h - 2000 - 9000h + 3000h] = 4500 + 1000h.
  EXPECT_NEAR(S.Gamma[2], GammaFromRTLn(4500 + 1000 * kH), 1e-9);
}

}  // namespace
}  // namespace velm
