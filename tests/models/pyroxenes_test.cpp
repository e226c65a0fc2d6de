#include <gtest/gtest.h>

#include <cmath>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kCpx = 7, kOpx = 8;

const char* kSiteMixing = "M1-M2 site mixing + 1/4 T-site S mixing";
const char* kOrdered = "Assumed P2/n ordered pyroxene: ideal coupled mixing";
const char* kSiWarning = "** warning: Si > 2.0, analysis may be unreliable **";

class Cpx : public test::ModelTest {
 protected:
  static constexpr int di = 1, hed = 2, cats = 3, jd = 4, acm = 5, oen = 6;

  // Omphacite Si 2, Na n, Al n, Ca 1 - n, Mg 1 - n (6 oxygens, 4 cations),
  // with the Na2O nudged by single steps until the formula's Na is exactly
  // the double na.
  doublevec OmphaciteWithNa(double na) {
    doublevec wt = FromCations({{iSi, 2}, {iNa, na}, {iAl, na}, {iCa, 1 - na}, {iMg, 1 - na}});
    for (int step = 0; step < 200; ++step) {
      Run(kCpx, wt);
      if (S.Cat[iNa] == na) return wt;
      wt[iNa2O] = std::nextafter(wt[iNa2O], S.Cat[iNa] < na ? 1e9 : 0.0);
    }
    ADD_FAILURE() << "no analysis with Na exactly " << na;
    return wt;
  }
};

TEST_F(Cpx, PureDiopside) {
  Run(kCpx, FromCations({{iSi, 2}, {iCa, 1}, {iMg, 1}}));
  EXPECT_EQ(S.ModelText, kSiteMixing);
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum = 4 for 6 oxygens");
  EXPECT_EQ(S.WarnText, "");  // Si exactly 2
  EXPECT_EQ(S.NOx, 6.0);
  EXPECT_EQ(S.NEm, 5);
  EXPECT_EQ(S.SiteMult, 2);
  const char* names[] = {"", "di", "hed", "cats", "jd", "acm", "oen"};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(S.EmName[k], names[k]);
  // xSiT = 1, xMgM1 = 1, Ca 1: a(di) = 1; M2 keeps no Mg, so oen is absent.
  EXPECT_NEAR(S.LnA[di], 0.0, 1e-14);
  for (int k : {hed, cats, jd, acm, oen}) EXPECT_EQ(S.LnA[k], -30.0) << k;
  // p = (1, 0, 0, 0, 0, 0): RT ln gamma(k) = W(di, k) 2 alpha_k/(1.2 + alpha_k).
  EXPECT_NEAR(S.Gamma[di], 1.0, 1e-14);
  EXPECT_NEAR(S.Gamma[hed], GammaFromRTLn(3000), 1e-12);
  EXPECT_NEAR(S.Gamma[cats], GammaFromRTLn(12000 * 2 * 1.9 / 3.1), 1e-10);
  EXPECT_NEAR(S.Gamma[jd], GammaFromRTLn(26000), 1e-9);
  EXPECT_NEAR(S.Gamma[acm], GammaFromRTLn(24000), 1e-9);
}

TEST_F(Cpx, ClinoenstatiteTakesOrthoenstatiteCoefficients) {
  // Mg 2, Si 2: M1 and M2 full of Mg, a(oen) = 1; p = (0, 0, 0, 0, 0, 1),
  // RT ln gamma(k) = W(k, oen) 2 alpha_k / (alpha_k + 1).
  Run(kCpx, FromCations({{iSi, 2}, {iMg, 2}}));
  EXPECT_NEAR(S.LnA[oen], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[di], -30.0);  // no Ca
  EXPECT_NEAR(S.Gamma[di], GammaFromRTLn(29000 * 2.4 / 2.2), 1e-6);
  EXPECT_NEAR(S.Gamma[cats], GammaFromRTLn(45000 * 3.8 / 2.9), 1e-1);
}

TEST_F(Cpx, JadeiteWithoutMgOrFe2KeepsFiniteCoefficients) {
  // Na 1, Al 1, Si 2: Al fills M1, a(jd) = 1. Mg and Fe2 are both absent, so
  // XFe is taken as 0 and p = (0, 0, 0, 1, 0, 0) stays finite.
  Run(kCpx, FromCations({{iSi, 2}, {iNa, 1}, {iAl, 1}}));
  EXPECT_EQ(S.ModelText, kSiteMixing);
  EXPECT_NEAR(S.LnA[jd], 0.0, 1e-14);
  for (int k : {di, hed, cats, acm}) EXPECT_EQ(S.LnA[k], -30.0) << k;
  EXPECT_NEAR(S.Gamma[jd], 1.0, 1e-14);
  EXPECT_NEAR(S.Gamma[cats], GammaFromRTLn(6000 * 3.8 / 3.1), 1e-12);
}

TEST_F(Cpx, SiteMixingOmphacite) {
  // Si 1.9, Al 0.4, Fe3 0.1 (given), Na 0.3, Ca 0.7, Mg 0.45, Fe2 0.15:
  // 4 cations, 12 charges. T: xSiT = 0.95, xAlT = 0.05 (0.1 Al); M1: xAlM1 =
  // 0.3, room 1 - 0.3 - 0.1 = 0.6 shared 3 : 1 as xMgM1 0.45, xFeM1 0.15;
  // M2 keeps no Mg.
  Run(kCpx, FromCations({{iSi, 1.9}, {iAl, 0.4}, {iFe3, 0.1}, {iNa, 0.3}, {iCa, 0.7},
                         {iMg, 0.45}, {iFe2, 0.15}}));
  EXPECT_EQ(S.ModelText, kSiteMixing);
  EXPECT_EQ(S.XFe3, 0.0);
  const double r = std::sqrt(0.95);
  EXPECT_NEAR(Activity(di), 0.45 * 0.7 * r, 1e-13);
  EXPECT_NEAR(Activity(hed), 0.15 * 0.7 * r, 1e-13);
  // 1.41421 * 0.7 * 0.3 * (0.05 * 0.95)^(1/4)
  EXPECT_NEAR(Activity(cats), 0.13864576263914, 1e-12);
  EXPECT_NEAR(Activity(jd), 0.3 * 0.3 * r, 1e-13);
  EXPECT_NEAR(Activity(acm), 0.1 * 0.3 * r, 1e-13);
  EXPECT_EQ(S.LnA[oen], -30.0);
  // XFe = 0.15/0.6 = 0.25 from the formula; S = 0.7 + 0.1 + 0.3 + 0.3 = 1.4;
  // p = (-0.6*0.25 + 0.7 - 0.1 + 0.3 - 0.3, 0.6*0.25, 0.3 - 0.3 + 0.1,
  //      0.3 - 0.1, 0.1, 1 - 0.3 - 0.7) = (0.45, 0.15, 0.1, 0.2, 0.1, 0).
  // Sum alpha p = 0.54 + 0.18 + 0.19 + 0.24 + 0.12 = 1.27; the asymmetric
  // sums over the fifteen pairs give, in J:
  EXPECT_NEAR(S.Gamma[di], GammaFromRTLn(3812.8276256553), 1e-10);
  EXPECT_NEAR(S.Gamma[cats], GammaFromRTLn(2217.1904343809), 1e-10);
  EXPECT_NEAR(S.Gamma[jd], GammaFromRTLn(9968.2759365519), 1e-10);
}

TEST_F(Cpx, VacancyLowersTschermakAndOrthoenstatite) {
  // Si 2, Al 0.2, Mg 1.7: 3.9 cations, vac 0.1. xAlM1 0.2, xMgM1 0.8,
  // xMgM2 0.9. p = (-0.2 + 0.1, 0, 0.2 - 0.2, 0, 0, 1 - 0.1)
  //             = (-0.1, 0, 0, 0, 0, 0.9).
  Run(kCpx, FromCations({{iSi, 2}, {iAl, 0.2}, {iMg, 1.7}}));
  EXPECT_NEAR(S.CatSum, 3.9, 1e-14);
  EXPECT_NEAR(Activity(oen), 0.72, 1e-13);
  // Sum alpha p = 0.78, phi(di) = -2/13, phi(oen) = 15/13. For cats
  // (q = 2/13, 1, -15/13 on di, cats, oen):
  // -[2/13*12000*3.8/3.1 - 30/169*29000*3.8/2.2 - 15/13*45000*3.8/2.9]
  //   = 74665.985 J.
  EXPECT_NEAR(S.Gamma[cats], GammaFromRTLn(74665.985336645), 1e-1);
  // For di (q = 1 + 2/13 = 15/13 on di, -15/13 on oen), one pair counts:
  // 225/169 * 29000 * 2 * 1.2/2.2 = 42119.419 J.
  EXPECT_NEAR(S.Gamma[di], GammaFromRTLn(42119.419042496), 1e-8);
}

TEST_F(Cpx, OrderedOmphacite) {
  // Si 2, Al 0.495, Fe3 0.005 (given), Na 0.5, Ca 0.5, Mg 0.4, Fe2 0.1:
  // xAlM1 0.495, M1 room 0.5 takes Mg 0.4 and Fe2 0.1.
  // A site-mixing analysis first leaves a cats activity and coefficients
  // other than 1 behind; the ordered branch must clear them.
  Run(kCpx, FromCations({{iSi, 1.9}, {iAl, 0.4}, {iFe3, 0.1}, {iNa, 0.3}, {iCa, 0.7},
                         {iMg, 0.45}, {iFe2, 0.15}}));
  ASSERT_GT(S.LnA[cats], -20.0);
  S.LnA[oen] = -5.0;
  Run(kCpx, FromCations({{iSi, 2}, {iAl, 0.495}, {iFe3, 0.005}, {iNa, 0.5}, {iCa, 0.5},
                         {iMg, 0.4}, {iFe2, 0.1}}));
  EXPECT_EQ(S.ModelText, kOrdered);
  EXPECT_EQ(S.SiteMult, 2);
  EXPECT_EQ(S.LnA[cats], -20.0);
  EXPECT_NEAR(S.LnA[di], std::log(0.4), 1e-13);    // min(xMgM1 0.4, Ca 0.5)
  EXPECT_NEAR(S.LnA[hed], std::log(0.1), 1e-13);   // min(xFeM1 0.1, Ca 0.5)
  EXPECT_NEAR(S.LnA[jd], std::log(0.495), 1e-13);  // min(xAlM1 0.495, Na 0.5)
  // ln 0.005 = -5.3 is below the single-site floor -4.6 (it would pass -9.2).
  EXPECT_EQ(S.LnA[acm], -30.0);
  EXPECT_EQ(S.LnA[oen], -5.0);  // not part of the ordered model
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(S.Gamma[k], 1.0) << k;
}

TEST_F(Cpx, BranchesSplitAtNaPointFourAndPointSix) {
  // The doubles nearest 0.4 and 0.6 are ordered; the next doubles outside
  // are site mixing.
  OmphaciteWithNa(0.4);
  EXPECT_EQ(S.ModelText, kOrdered);
  OmphaciteWithNa(std::nextafter(0.4, 0.0));
  EXPECT_EQ(S.ModelText, kSiteMixing);
  OmphaciteWithNa(0.6);
  EXPECT_EQ(S.ModelText, kOrdered);
  OmphaciteWithNa(std::nextafter(0.6, 1.0));
  EXPECT_EQ(S.ModelText, kSiteMixing);
}

TEST_F(Cpx, SiAboveTwoWarns) {
  // Si 2.05, Mg 1.9: T full of Si, no Al on it.
  Run(kCpx, FromCations({{iSi, 2.05}, {iMg, 1.9}}));
  EXPECT_EQ(S.WarnText, kSiWarning);
}

TEST_F(Cpx, FerricEstimate) {
  // Ca 1, Mg 0.5, Fe2 0.5, Si 2: 4 cations exactly, no estimate.
  Run(kCpx, FromCations({{iSi, 2}, {iCa, 1}, {iMg, 0.5}, {iFe2, 0.5}}));
  ASSERT_EQ(S.CatSum, 4.0);
  EXPECT_EQ(S.XFe3, 0.0);
  // Acmite with all iron as FeO: Na 1, Fe 1, Si 2 on 5.5 oxygens, i.e. 4.3636
  // cations per 6; 4/4.3636 = 0.9167 is below the floor factor
  // 12/(0.95 * 1.0909 + 12) = 0.9205, so XFe3 is capped at 0.95.
  Run(kCpx, FromCations({{iSi, 2}, {iNa, 1}, {iFe2, 1}}));
  EXPECT_NEAR(S.XFe3, 0.95, 1e-14);
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kCpx, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);
}

class Opx : public test::ModelTest {
 protected:
  static constexpr int en = 1, fs = 2, mgts = 3;
};

TEST_F(Opx, PureEnstatite) {
  for (int k = 1; k <= 6; ++k) S.Gamma[k] = 7.0;
  Run(kOpx, FromCations({{iSi, 2}, {iMg, 2}}));
  EXPECT_EQ(S.ModelText, kSiteMixing);
  EXPECT_EQ(S.FerricText, "Ferric from:  Cation Sum = 4 for 6 oxygens");
  EXPECT_EQ(S.WarnText, "");  // Si exactly 2
  EXPECT_EQ(S.NEm, 3);
  EXPECT_EQ(S.SiteMult, 2);
  const char* names[] = {"", "en", "fs", "mgts", "odi", "mess", "cren"};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(S.EmName[k], names[k]);
  // xSiT = xMgM1 = xMgM2 = 1: a(en) = 1.
  EXPECT_NEAR(S.LnA[en], 0.0, 1e-14);
  EXPECT_EQ(S.LnA[fs], -30.0);
  EXPECT_EQ(S.LnA[mgts], -30.0);
  // p = (1, 0, ...): gamma(fs) from W(en, fs) = 2000, gamma(mgts) from
  // W(en, mgts) = 13000 - 150 * 6 = 12100 J.
  EXPECT_NEAR(S.Gamma[en], 1.0, 1e-14);
  EXPECT_NEAR(S.Gamma[fs], GammaFromRTLn(2000), 1e-12);
  EXPECT_NEAR(S.Gamma[mgts], GammaFromRTLn(12100), 1e-10);
  for (int k = 4; k <= 6; ++k) EXPECT_EQ(S.Gamma[k], 1.0) << k;

  // At 10 kbar only the pressure-dependent W move: 13000 - 1500 = 11500 J.
  S.P = 10;
  Run(kOpx, FromCations({{iSi, 2}, {iMg, 2}}));
  EXPECT_NEAR(S.Gamma[fs], GammaFromRTLn(2000), 1e-12);
  EXPECT_NEAR(S.Gamma[mgts], GammaFromRTLn(11500), 1e-10);
}

TEST_F(Opx, AluminousOrthopyroxene) {
  // Si 1.9, Al 0.15, Fe3 0.05 (given), Ca 0.05, Mg 1.45, Fe2 0.4: 4 cations,
  // 12 charges. XFe = 0.4/1.85. T: xSiT 0.95, xAlT 0.05; M1: xAlM1 0.05,
  // room 0.9 shared 1.45 : 0.4, xMgM1 = 1.305/1.85, xFeM1 = 0.36/1.85;
  // M2: xMgM2 = 1.3775/1.85, xFeM2 = 0.38/1.85, xCaM2 = 0.05, no Ca left.
  Run(kOpx, FromCations({{iSi, 1.9}, {iAl, 0.15}, {iFe3, 0.05}, {iCa, 0.05}, {iMg, 1.45},
                         {iFe2, 0.4}}));
  const double r = std::sqrt(0.95);
  EXPECT_NEAR(Activity(en), 1.3775 / 1.85 * 1.305 / 1.85 * r, 1e-13);
  EXPECT_NEAR(Activity(fs), 0.38 / 1.85 * 0.36 / 1.85 * r, 1e-13);
  // xMgM2 * 1.41421 * 0.05 * (0.05 * 0.95)^(1/4)
  EXPECT_NEAR(Activity(mgts), 0.024579734624893, 1e-13);
  // S = Fe3 0.05 + xAlM1 0.05 = 0.1; p = (1 - 0.95 XFe - 0.1, 0.95 XFe,
  // 0.05, 0.05, 0, 0) = (0.694595, 0.205405, 0.05, 0.05, 0, 0), alpha(odi)
  // 1.2; the asymmetric sums at 6 kbar give, in J:
  EXPECT_NEAR(S.Gamma[en], GammaFromRTLn(358.82658751667), 1e-12);
  EXPECT_NEAR(S.Gamma[fs], GammaFromRTLn(548.76017547006), 1e-12);
  EXPECT_NEAR(S.Gamma[mgts], GammaFromRTLn(10882.978191866), 1e-10);
}

TEST_F(Opx, CalciumBeyondM2CountsInTheProportions) {
  // Si 2, Ca 1.2, Mg 0.8: M1 takes all Mg, M2 one Ca, Ca' = 0.2 left.
  // XFe = 0 (no Fe2); p = (1 - 0.2, 0, 0, 1, 0, 0), sum alpha p = 2.0.
  Run(kOpx, FromCations({{iSi, 2}, {iCa, 1.2}, {iMg, 0.8}}));
  EXPECT_EQ(S.LnA[en], -30.0);  // no Mg on M2
  // en: q = (0.6, 0, 0, -0.6): 0.36 * W(en, odi) * 2/2.2 with
  // W(en, odi) = 32200 + 120 * 6 = 32920 J: 10773.818 J.
  EXPECT_NEAR(S.Gamma[en], GammaFromRTLn(0.36 * 32920 / 1.1), 1e-9);
  // mgts: q = (-0.4, 0, 1, -0.6): 0.4 * 12100 - 0.24 * 32920/1.1
  //   + 0.6 * (75000 - 940 * 6) * 2/2.2 = 35490.18 J.
  EXPECT_NEAR(S.Gamma[mgts], GammaFromRTLn(35490.181818182), 1e-6);
}

TEST_F(Opx, VacancyEntersAsMessite) {
  // Si 2, Al 0.2, Mg 1.7: 3.9 cations, vac 0.1. xAlM1 0.2, xMgM1 0.8,
  // xMgM2 0.9: a(en) = 0.72. p = (1 - 0.1 - 0.2, 0, 0.2 - 0.2, 0, 0.2, 0).
  Run(kOpx, FromCations({{iSi, 2}, {iAl, 0.2}, {iMg, 1.7}}));
  EXPECT_NEAR(Activity(en), 0.72, 1e-13);
  EXPECT_EQ(S.LnA[mgts], -30.0);  // no Al on T
  // phi = (7/9, 0, 0, 0, 2/9, 0).
  // en: 4/81 * W(en, mess) 8000 = 395.06 J.
  EXPECT_NEAR(S.Gamma[en], GammaFromRTLn(4.0 / 81 * 8000), 1e-12);
  // mgts: 7/9 * 12100 - 14/81 * 8000 + 2/9 * 2000 = 8472.84 J.
  EXPECT_NEAR(S.Gamma[mgts],
              GammaFromRTLn(7.0 / 9 * 12100 - 14.0 / 81 * 8000 + 2.0 / 9 * 2000), 1e-10);
}

TEST_F(Opx, SiWarningAndFerricEstimate) {
  Run(kOpx, FromCations({{iSi, 2.05}, {iMg, 1.9}}));
  EXPECT_EQ(S.WarnText, kSiWarning);
  // Mg 1, Fe2 1, Si 2: 4 cations exactly, no estimate.
  Run(kOpx, FromCations({{iSi, 2}, {iMg, 1}, {iFe2, 1}}));
  ASSERT_EQ(S.CatSum, 4.0);
  EXPECT_EQ(S.XFe3, 0.0);
  // Mg 1, Fe 1.2, Si 1.9: 4.1 cations; 4/4.1 = 0.9756 is below the floor
  // factor 12/(0.2 * 1.2 + 12) = 0.9804, so XFe3 is capped at 0.2.
  Run(kOpx, FromCations({{iSi, 1.9}, {iMg, 1}, {iFe2, 1.2}}));
  EXPECT_NEAR(S.XFe3, 0.2, 1e-14);
}

}  // namespace
}  // namespace velm
