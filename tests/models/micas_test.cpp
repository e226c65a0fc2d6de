#include <gtest/gtest.h>

#include <cmath>

#include "formula.h"
#include "modeltest.h"

namespace velm {
namespace {

constexpr int kMu = 1, kBi = 2;
constexpr int mu = 1, cel = 2, fcel = 3, pa = 4, ma = 5;
constexpr int phl = 1, ann = 2, east = 3;

// W at 6 kbar and 823 K, in J.
constexpr double WmuCel = 1200;                                    // 0.2 * 6 kJ
constexpr double WmuPa = (10.12 + 0.0034 * 823 + 0.353 * 6) * 1000;  // 15036.2
constexpr double WcelPa = (45 + 0.25 * 6) * 1000;                  // 46500

class Muscovite : public test::ModelTest {};

TEST_F(Muscovite, EndMemberMuscovite) {
  S.UsesH2O = false;
  // Si 3, Al 3, K 1: xAlT1 = xSiT1 = 0.5, every other site full, so
  // a(mu) = 4 * 0.5 * 0.5 = 1.
  Run(kMu, FromCations({{iSi, 3}, {iAl, 3}, {iK, 1}}));
  EXPECT_EQ(S.ModelText, "Model of Drenk et al 2010, modified in Vardell et al 2014");
  EXPECT_EQ(S.FerricText,
            "Ferric from:  Tet + Oct cation sum = 6.05 for 11 oxygens. Max Ratio = 0.7");
  EXPECT_TRUE(S.UsesH2O);
  const char* names[] = {"", "mu", "cel", "fcel", "pa", "ma"};
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(S.EmName[k], names[k]);
  EXPECT_NEAR(S.LnA[mu], 0.0, 1e-14);
  // Mg + Fe2 = 0: no share of either, so neither celadonite gets an
  // activity and the proportions stay finite.
  EXPECT_EQ(S.LnA[cel], -30.0);
  EXPECT_EQ(S.LnA[fcel], -30.0);
  // p = (1, 0, ...): each coefficient is the W of its pair with mu times
  // 2 alpha_k/(0.63 + alpha_k), plus the K-host 6500 J for margarite.
  EXPECT_NEAR(S.Gamma[mu], 1.0, 1e-14);
  EXPECT_NEAR(S.Gamma[cel], GammaFromRTLn(WmuCel), 1e-12);
  EXPECT_NEAR(S.Gamma[fcel], GammaFromRTLn(WmuCel), 1e-12);
  EXPECT_NEAR(S.Gamma[pa], GammaFromRTLn(WmuPa * 0.74), 1e-12);  // 11126.788 J
  EXPECT_NEAR(S.Gamma[ma], GammaFromRTLn(35000 + 6500), 1e-10);
  for (int k = 6; k <= 8; ++k) EXPECT_EQ(S.Gamma[k], 1.0);
}

TEST_F(Muscovite, TrioctahedralExcess) {
  // Si 3, Al 2.998, Mg 0.003, K 1 on 11 oxygens: tri = 0.001, xvM1 = xAlM2A
  // = xAlM2B = 0.999, x = 0, xMgM2A = 0.001.
  Run(kMu, FromCations({{iSi, 3}, {iAl, 2.998}, {iMg, 0.003}, {iK, 1}}));
  EXPECT_NEAR(S.LnA[mu], 3 * std::log(0.999), 1e-12);  // 4 * 0.999^3 * 0.25
  // a(cel) = 0.999 * 0.001 * 0.999 * 0.5^2 = 2.495e-4 (ln -8.296 > -9.2).
  EXPECT_NEAR(S.LnA[cel], std::log(0.999 * 0.001 * 0.999 * 0.25), 1e-9);
  EXPECT_EQ(S.LnA[fcel], -30.0);
  EXPECT_EQ(S.LnA[pa], -30.0);
  EXPECT_EQ(S.LnA[ma], -30.0);
}

TEST_F(Muscovite, Phengite) {
  // Si 3.2, Al 2.6, Mg 0.1, Fe2 0.1, K 1 (11 oxygens; S = 6.0, FeO present
  // but no estimate): xAlT1 = 0.4, xSiT1 = 0.6, xvA = 0, tri = 0, xvM1 = 1,
  // xAlM2A = 0.8, xAlM2B = 1, x = 0.5, xMgM2A = xFeM2A = 0.2 * 0.5 = 0.1.
  Run(kMu, FromCations({{iSi, 3.2}, {iAl, 2.6}, {iMg, 0.1}, {iFe2, 0.1}, {iK, 1}}));
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_NEAR(Activity(mu), 4 * 0.8 * 0.4 * 0.6, 1e-12);  // 0.768
  EXPECT_NEAR(Activity(cel), 0.1 * 0.36, 1e-12);          // 0.036
  EXPECT_NEAR(Activity(fcel), 0.1 * 0.36, 1e-12);
  // p: mu 0.8, cel (1 - 0.8) * 0.5 = 0.1, fcel 0.1; phi the same (all alpha
  // 0.63 among them).
  // mu:   -(0.2 * -0.1) * 1200 twice = 48 J
  // cel:  -(-0.8 * 0.9) * 1200 - (-0.8 * -0.1) * 1200 = 768 J (fcel alike)
  // ma:   0.8 * 35000 + 2 * 0.1 * 50000 - 2 * 0.08 * 1200 + 6500 = 44308 J
  EXPECT_NEAR(S.Gamma[mu], GammaFromRTLn(48), 1e-12);
  EXPECT_NEAR(S.Gamma[cel], GammaFromRTLn(768), 1e-12);
  EXPECT_NEAR(S.Gamma[fcel], GammaFromRTLn(768), 1e-12);
  EXPECT_NEAR(S.Gamma[ma], GammaFromRTLn(44308), 1e-9);
}

TEST_F(Muscovite, HostTestsAreStrict) {
  // Na 0.5, Ca 0.5 (Si 2.5, Al 3.5) is neither a Na nor a Ca host; Na 0.55,
  // Ca 0.55 (Si 2.35, Al 3.65) is a Na host. Both give the K/Na row: W
  // unchanged, 6500 J on margarite only.
  // In both xvA + 2 xAlT1 - Ca = 1 fills M2A with Al, p(mu) = 2 xAlT1 - Na
  // - 2 Ca = 0 and p = (0, 0, 0, Na, Ca) with Na = Ca, so phi(pa) = 0.37,
  // phi(ma) = 0.63.
  //   pa: 0.63^2 * 15000 * 0.74 = 4405.59 J
  //   ma: 0.37^2 * 15000 * 1.26 + 6500 = 9087.41 J
  //   mu: 0.37 * WmuPa * 1.26 + 0.63 * 35000 - 0.37 * 0.63 * 15000 * 1.26
  for (auto cations : {std::map<int, double>{{iSi, 2.5}, {iAl, 3.5}, {iNa, 0.5}, {iCa, 0.5}},
                       std::map<int, double>{{iSi, 2.35}, {iAl, 3.65}, {iNa, 0.55}, {iCa, 0.55}}}) {
    Run(kMu, FromCations(cations));
    SCOPED_TRACE(S.Cat[iNa]);
    ASSERT_EQ(S.Cat[iNa], S.Cat[iCa]);
    if (cations.at(iNa) == 0.5) {
      ASSERT_EQ(S.Cat[iNa], 0.5);  // on the threshold
    }
    EXPECT_NEAR(S.Gamma[pa], GammaFromRTLn(0.63 * 0.63 * 15000 * 0.74), 1e-9);
    EXPECT_NEAR(S.Gamma[ma], GammaFromRTLn(0.37 * 0.37 * 15000 * 1.26 + 6500), 1e-9);
    EXPECT_NEAR(S.Gamma[mu],
                GammaFromRTLn(0.37 * WmuPa * 1.26 + 0.63 * 35000 - 0.37 * 0.63 * 15000 * 1.26),
                1e-9);
  }
}

TEST_F(Muscovite, CaHostChangesMarginsAndPenalisesAlkaliMicas) {
  // Si 2.4, Al 3.6, Na 0.4, Ca 0.6: xAlT1 = 0.8, xSiT1 = 0.2, xvA = 0,
  // xAlM2A = 1.6 - 0.6 = 1, a(ma) = 0.6 * 0.64, a(pa) = 4 * 0.4 * 0.8 * 0.2.
  Run(kMu, FromCations({{iSi, 2.4}, {iAl, 3.6}, {iNa, 0.4}, {iCa, 0.6}}));
  EXPECT_NEAR(Activity(ma), 0.384, 1e-12);
  EXPECT_NEAR(Activity(pa), 0.256, 1e-12);
  // p = (0, 0, 0, 0.4, 0.6): sum alpha p = 0.148 + 0.378 = 0.526.
  const double fPa = 0.148 / 0.526, fMa = 0.378 / 0.526;
  // ma: fPa^2 * 18000 * 1.26, no host term.
  EXPECT_NEAR(S.Gamma[ma], GammaFromRTLn(fPa * fPa * 18000 * 1.26), 1e-9);
  // pa: fMa^2 * 18000 * 0.74 + 4000.
  EXPECT_NEAR(S.Gamma[pa], GammaFromRTLn(fMa * fMa * 18000 * 0.74 + 4000), 1e-9);
  // mu: fPa WmuPa 1.26 + fMa 34000 - fPa fMa 18000 1.26 + 1000.
  EXPECT_NEAR(S.Gamma[mu],
              GammaFromRTLn(fPa * WmuPa * 1.26 + fMa * 34000 - fPa * fMa * 18000 * 1.26 + 1000),
              1e-9);
  // cel: fPa WcelPa 1.26 + fMa 50000 - fPa fMa 18000 1.26 + 5000.
  EXPECT_NEAR(S.Gamma[cel],
              GammaFromRTLn(fPa * WcelPa * 1.26 + fMa * 50000 - fPa * fMa * 18000 * 1.26 + 5000),
              1e-9);
}

TEST_F(Muscovite, FerricEstimateOnTetrahedralAndOctahedralSum) {
  // Si 3, Al 2.9, Mg 0.1, Fe2 0.05, K 1: S = 6.05 exactly (K outside it).
  doublevec wt = FromCations({{iSi, 3}, {iAl, 2.9}, {iMg, 0.1}, {iFe2, 0.05}, {iK, 1}});
  Run(kMu, wt);
  ASSERT_EQ(S.CatSum - S.Cat[iNa] - S.Cat[iCa] - S.Cat[iK], 6.05);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);

  // Si 3, Al 2.5, Fe2 0.8, K 1 on 11 oxygens: S = 6.3 * 11/11.05 = 6.27;
  // 6.05/6.27 is below the factor of the cap, so Fe3/(Fe2 + Fe3) = 0.7.
  Run(kMu, FromCations({{iSi, 3}, {iAl, 2.5}, {iFe2, 0.8}, {iK, 1}}));
  EXPECT_NEAR(S.XFe3, 0.7, 1e-12);
  // Run again on the analysis as the estimate left it: no second estimate.
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kMu, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);
}

class Biotite : public test::ModelTest {};

TEST_F(Biotite, PurePhlogopite) {
  S.UsesH2O = false;
  // Si 3, Al 1, Mg 3, K 1: Si - 2 = 1 fills half of T1, Al the other half,
  // none left for M1. xSiT1 = xAlT1 = 0.5, xMgM1 = xMgM2 = 1:
  // a(phl) = 4 * 1 * 1 * 1 * 0.5 * 0.25 = 0.5.
  Run(kBi, FromCations({{iSi, 3}, {iAl, 1}, {iMg, 3}, {iK, 1}}));
  EXPECT_EQ(S.ModelText,
            "Al-M1 ordered, site-mixing model  + macroscopic RS gammas: (ann, phl, east, obi)");
  EXPECT_EQ(S.WarnText, "SF model parameters: Wpa=12, Wpe=10, Wae=15 (kJ), setting Qod=0");
  EXPECT_EQ(S.FerricText,
            "Ferric from:  Tet + Oct cation sum = 6.9 for 11 oxygens. Max Ratio = 0.15");
  EXPECT_TRUE(S.UsesH2O);
  const char* names[] = {"", "phl", "ann", "east", "tbi", "fbi"};
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(S.EmName[k], names[k]);

  EXPECT_NEAR(S.LnA[phl], std::log(0.5), 1e-12);
  EXPECT_EQ(S.LnA[ann], -30.0);
  EXPECT_EQ(S.LnA[east], -30.0);
  // p = (1, 0, 0, 0, 0): W(phl, k) for the others.
  EXPECT_NEAR(S.Gamma[phl], 1.0, 1e-14);
  EXPECT_NEAR(S.Gamma[ann], GammaFromRTLn(12000), 1e-12);
  EXPECT_NEAR(S.Gamma[east], GammaFromRTLn(10000), 1e-12);
  EXPECT_EQ(S.Gamma[4], 1.0);
  EXPECT_EQ(S.Gamma[5], 1.0);
}

TEST_F(Biotite, Eastonite) {
  // Si 2, Al 3, Mg 2, K 1: no Si for T1, Al takes the whole T1 (2 Al) and
  // the last 1 goes to M1. xSiT1 = 0, xAlT1 = 1, xMgM1 = 0, xMgM2 = 1.
  Run(kBi, FromCations({{iSi, 2}, {iAl, 3}, {iMg, 2}, {iK, 1}}));
  EXPECT_NEAR(S.LnA[east], 0.0, 1e-12);
  EXPECT_EQ(S.LnA[phl], -30.0);
  EXPECT_NEAR(S.Gamma[east], 1.0, 1e-12);
  EXPECT_NEAR(S.Gamma[phl], GammaFromRTLn(10000), 1e-9);
  EXPECT_NEAR(S.Gamma[ann], GammaFromRTLn(15000), 1e-9);
}

TEST_F(Biotite, FeMgBiotiteWithFerricIron) {
  // Si 3, Al 1, Mg 1.5, Fe2 1.2, Fe3 0.2, K 1 (11 oxygens, Fe2O3 given):
  // T1 as in phlogopite, xAlM1 = 0; x = 1.2/2.7 = 4/9; xFe3 = 0.2;
  // xSiT1 = 0.5 - 0.1 = 0.4, xAlT1 = 0.6; M1 room 0.8: xMgM1 = 0.8 * 5/9,
  // xFeM1 = 0.8 * 4/9; xMgM2 = 5/9.
  Run(kBi, FromCations({{iSi, 3}, {iAl, 1}, {iMg, 1.5}, {iFe2, 1.2}, {iFe3, 0.2}, {iK, 1}}));
  EXPECT_EQ(S.XFe3, 0.0);
  const double x = 4.0 / 9;
  EXPECT_NEAR(Activity(phl), 4 * (0.8 * (1 - x)) * (1 - x) * (1 - x) * 0.4 * 0.36, 1e-12);
  EXPECT_NEAR(Activity(ann), 4 * (0.8 * x) * x * x * 0.4 * 0.36, 1e-12);
  EXPECT_EQ(S.LnA[east], -30.0);
  // p = (0.8 * 5/9, 4/9, 0, 0, 0.2), sum 9.8/9: phi = (4/9.8, 4/9.8, 0, 0, 1.8/9.8).
  const double fP = 4 / 9.8, fA = 4 / 9.8, fF = 1.8 / 9.8;
  // RT ln gamma_k = -sum q_i q_j W_ij, q = delta_k - phi.
  const double phlRT = (1 - fP) * fA * 12000 + (1 - fP) * fF * 8000 - fA * fF * 13600;
  const double annRT = fP * (1 - fA) * 12000 - fP * fF * 8000 + (1 - fA) * fF * 13600;
  const double eastRT = -fP * fA * 12000 + fP * 10000 - fP * fF * 8000 + fA * 15000 -
                        fA * fF * 13600 + fF * 1000;
  EXPECT_NEAR(S.Gamma[phl], GammaFromRTLn(phlRT), 1e-12);  // 2748.85 J
  EXPECT_NEAR(S.Gamma[ann], GammaFromRTLn(annRT), 1e-12);  // 3777.43 J
  EXPECT_NEAR(S.Gamma[east], GammaFromRTLn(eastRT), 1e-12);  // 8769.25 J
}

TEST_F(Biotite, FerricEstimate) {
  // Si 3, Al 1.2, Mg 1.2, Fe2 1.5, K 1: S is the double nearest 6.9. The
  // extended threshold counts it as above, but the scale factor
  // 6.9/6.9 is 1, so the estimate makes no Fe3 and changes nothing.
  Run(kBi, FromCations({{iSi, 3}, {iAl, 1.2}, {iMg, 1.2}, {iFe2, 1.5}, {iK, 1}}));
  ASSERT_EQ(S.CatSum - S.Cat[iK], 6.9);
  EXPECT_EQ(S.XFe3, 0.0);
  EXPECT_EQ(S.Wt[iFe2O3], 0.0);
  EXPECT_EQ(S.Cat[iFe3], 0.0);

  // A stoichiometric phlogopite-annite (S = 7) given with FeO: 6.9/7 is
  // below the factor of the cap, so Fe3/(Fe2 + Fe3) = 0.15.
  Run(kBi, FromCations({{iSi, 3}, {iAl, 1}, {iMg, 1.5}, {iFe2, 1.5}, {iK, 1}}));
  EXPECT_NEAR(S.XFe3, 0.15, 1e-12);
  S.XFe3 = 0;
  CalcModel(S, S.Wt, S.LnA, S.Cat, kBi, S.NEm);
  EXPECT_EQ(S.XFe3, 0.0);
}

TEST_F(Biotite, NoMgNoFeLeavesEveryActivityOutAndCoefficientsFinite) {
  // Si 3, Al 3, K 1: T1 takes 1 Al, 2 Al go to M1 (xAlM1 = 2). With no Mg
  // and no Fe2 no end-member has its Mg or Fe, and p = (0, 0, 2, 0, 0)
  // concentrates the proportions on eastonite.
  Run(kBi, FromCations({{iSi, 3}, {iAl, 3}, {iK, 1}}));
  EXPECT_EQ(S.LnA[phl], -30.0);
  EXPECT_EQ(S.LnA[ann], -30.0);
  EXPECT_EQ(S.LnA[east], -30.0);
  EXPECT_NEAR(S.Gamma[phl], GammaFromRTLn(10000), 1e-12);
  EXPECT_NEAR(S.Gamma[ann], GammaFromRTLn(15000), 1e-12);
  EXPECT_NEAR(S.Gamma[east], 1.0, 1e-14);
}

}  // namespace
}  // namespace velm
