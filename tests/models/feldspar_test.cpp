#include <gtest/gtest.h>

#include <cmath>

#include "modeltest.h"

namespace velm {
namespace {

constexpr int kFsp = 4;
constexpr int ab = 1, an = 2, san = 3;

// At 6 kbar and 823 K:
//   dGan = 1000 (7.03 - 0.00466 * 823) = 3194.82 J
//   dGab = 1000 (0.57 - 0.00412 * 823) = -2820.76 J
//   W(ab,san) = 1000 (25.1 - 0.0108 * 823 + 0.343 * 6) = 18269.6 J
constexpr double dGan = 3194.82, dGab = -2820.76, wAbSan = 18269.6;
// Size parameters: ab 0.643, an and san 1, so 2 alpha_k / (alpha_i + alpha_j)
// is 2/1.643 for a pair with albite when k is an or san.
constexpr double aAb = 0.643;

class Feldspar : public test::ModelTest {};

TEST_F(Feldspar, PureAlbiteIsCbar1WithTheAnorthiteEnergy) {
  // NaAlSi3O8: 0.5 + 1.5 + 6 = 8 oxygens; xNa = 1, Tc = 2632 (0 - 0.12) < 823.
  Run(kFsp, FromCations({{iNa, 1}, {iAl, 1}, {iSi, 3}}));
  EXPECT_EQ(S.ModelText, "Quenby & Mardle 2003 model");
  EXPECT_EQ(S.FerricText, "Ferric from:  all ferric");
  EXPECT_EQ(S.WarnText, "Cbar1 plag assumed");
  EXPECT_EQ(S.NOx, 8.0);
  EXPECT_EQ(S.NEm, 3);
  EXPECT_EQ(S.SiteMult, 1);
  EXPECT_EQ(S.EmName[ab], "ab");
  EXPECT_EQ(S.EmName[an], "an");
  EXPECT_EQ(S.EmName[san], "san");
  EXPECT_FALSE(S.UsesH2O);
  EXPECT_NEAR(S.LnA[ab], 0.0, 1e-15);
  EXPECT_EQ(S.LnA[an], -30.0);
  EXPECT_EQ(S.LnA[san], -30.0);
  // phi = (1, 0, 0): gamma(ab) = 1; for an, q = (-1, 1, 0) gives
  // RT ln gamma = 3100 * 2/1.643, plus dGan before the division by RT.
  EXPECT_NEAR(S.Gamma[ab], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[an], GammaFromRTLn(dGan + 3100 * 2 / (1 + aAb)), 1e-9);
  EXPECT_NEAR(S.Gamma[san], GammaFromRTLn(wAbSan * 2 / (1 + aAb)), 1e-9);
}

TEST_F(Feldspar, PureAnorthiteIsIbar1WithSanidineAsReference) {
  // CaAl2Si2O8: Tc = 2632 * 0.88 = 2316.16 K, above 823 K, and no K.
  Run(kFsp, FromCations({{iCa, 1}, {iAl, 2}, {iSi, 2}}));
  EXPECT_EQ(S.WarnText, "Ibar1 plag assumed");
  EXPECT_EQ(S.LnA[ab], -30.0);
  EXPECT_NEAR(S.LnA[an], 0.0, 1e-15);
  EXPECT_EQ(S.LnA[san], 0.0);  // set by the branch although xK = 0
  // phi = (0, 1, 0). For ab, q = (1, -1, 0): 15000 * 2 * 0.643/1.643, plus
  // dGab; for san, q = (0, -1, 1): 40000 * 2/2.
  EXPECT_NEAR(S.Gamma[ab], GammaFromRTLn(dGab + 15000 * 2 * aAb / (1 + aAb)), 1e-9);
  EXPECT_NEAR(S.Gamma[an], 1.0, 1e-15);
  EXPECT_NEAR(S.Gamma[san], GammaFromRTLn(40000), 1e-9);
}

TEST_F(Feldspar, TransitionTemperatureDividesIbar1FromCbar1) {
  const doublevec anorthite = FromCations({{iCa, 1}, {iAl, 2}, {iSi, 2}});
  // Tc as the model holds it: 2632 (1 - 0.12) in extended precision, stored.
  const double tc = double(2632.0L * (1.0L - 0.12L));
  S.TK = tc;
  InitTables(S);
  Run(kFsp, anorthite);
  ASSERT_EQ(S.Cat[iCa], 1.0);
  EXPECT_EQ(S.WarnText, "Ibar1 plag assumed");  // Tc = TK

  S.TK = std::nextafter(tc, 3000.0);
  InitTables(S);
  Run(kFsp, anorthite);
  EXPECT_EQ(S.WarnText, "Cbar1 plag assumed");
  EXPECT_NEAR(S.LnA[an], 0.0, 1e-15);
  EXPECT_EQ(S.LnA[san], -30.0);
}

TEST_F(Feldspar, IntermediatePlagioclaseCoefficients) {
  // Na0.5 Ca0.5 Al1.5 Si2.5 O8: 0.25 + 0.5 + 2.25 + 5 oxygens.
  // xCa = 0.5: Tc = 2632 * 0.38 = 1000.16 K >= 823 K, Ibar1.
  // s = 0.643 * 0.5 + 0.5 = 0.8215; phi(ab) = 0.3215/0.8215, phi(an) = 0.5/0.8215.
  const doublevec plag = FromCations({{iNa, 0.5}, {iCa, 0.5}, {iAl, 1.5}, {iSi, 2.5}});
  Run(kFsp, plag);
  EXPECT_EQ(S.WarnText, "Ibar1 plag assumed");
  EXPECT_NEAR(S.LnA[ab], std::log(0.5), 1e-14);
  EXPECT_NEAR(S.LnA[an], std::log(0.5), 1e-14);
  EXPECT_EQ(S.LnA[san], 0.0);
  const double phiAb = 0.3215 / 0.8215, phiAn = 0.5 / 0.8215;
  const double k = 2 / (1 + aAb);  // 2 alpha_k / (alpha_i + alpha_j), k = an or san
  // ab: q = (phiAn, -phiAn, 0): phiAn^2 * 15000 * 2 * 0.643/1.643, plus dGab.
  EXPECT_NEAR(S.Gamma[ab], GammaFromRTLn(dGab + phiAn * phiAn * 15000 * k * aAb), 1e-9);
  // an: q = (-phiAb, phiAb, 0): phiAb^2 * 15000 * 2/1.643.
  EXPECT_NEAR(S.Gamma[an], GammaFromRTLn(phiAb * phiAb * 15000 * k), 1e-9);
  // san: q = (-phiAb, -phiAn, 1).
  auto gSan = [&](double w13) {
    return -phiAb * phiAn * 15000 * k + phiAb * w13 * k + phiAn * 40000;
  };
  EXPECT_NEAR(S.Gamma[san], GammaFromRTLn(gSan(wAbSan)), 1e-9);

  // At 10 kbar only W(ab,san) changes: 1000 (25.1 - 8.8884 + 3.43) = 19641.6;
  // it enters sanidine alone here (q(san) = 0 for ab and an).
  const double gAb = S.Gamma[ab], gAn = S.Gamma[an];
  S.P = 10;
  Run(kFsp, plag);
  EXPECT_EQ(S.WarnText, "Ibar1 plag assumed");
  EXPECT_EQ(S.Gamma[ab], gAb);
  EXPECT_EQ(S.Gamma[an], gAn);
  EXPECT_NEAR(S.Gamma[san], GammaFromRTLn(gSan(19641.6)), 1e-9);
}

// G(an) of a Na-K feldspar without Ca in the Cbar1/alkali interactions:
// q = (-phiAb, 1, -phiSan).
double AnorthiteRTLnGamma(double xNa, double xK) {
  const double s = aAb * xNa + xK;
  const double phiAb = aAb * xNa / s, phiSan = xK / s;
  const double k = 2 / (1 + aAb);
  return phiAb * 3100 * k - phiSan * phiAb * wAbSan * k + phiSan * 40000;
}

TEST_F(Feldspar, PotassiumThresholdAtExactlyOneTenth) {
  // K 1 and Na 9 on the A site (K2O 0.5 + Na2O 4.5 + SiO2 1.5 mol: 8 oxygens):
  // xK = 1/10, the double nearest 0.1, which lies above 0.1. Alkali feldspar:
  // no dGan, and anorthite (xCa = 0 < 0.1) is taken as the reference state.
  Run(kFsp, FromCations({{iK, 1}, {iNa, 9}, {iSi, 1.5}}));
  ASSERT_EQ(S.Cat[iK], 1.0);
  ASSERT_EQ(S.Cat[iNa], 9.0);
  EXPECT_EQ(S.WarnText, "Alkali feldspar assumed");
  EXPECT_EQ(S.LnA[an], 0.0);
  EXPECT_NEAR(S.LnA[ab], std::log(0.9), 1e-14);
  EXPECT_NEAR(S.LnA[san], std::log(0.1), 1e-14);
  EXPECT_NEAR(S.Gamma[an], GammaFromRTLn(AnorthiteRTLnGamma(0.9, 0.1)), 1e-9);

  // xK = 0.09 (K 0.9, Na 9.1): Cbar1 plagioclase, anorthite absent (xCa = 0)
  // and its coefficient keeps dGan.
  Run(kFsp, FromCations({{iK, 0.9}, {iNa, 9.1}, {iSi, 1.5}}));
  EXPECT_EQ(S.WarnText, "Cbar1 plag assumed");
  EXPECT_EQ(S.LnA[an], -30.0);
  EXPECT_NEAR(S.Gamma[an], GammaFromRTLn(dGan + AnorthiteRTLnGamma(0.91, 0.09)), 1e-9);
}

TEST_F(Feldspar, CalciumOfOneTenthKeepsItsAnorthiteActivity) {
  // K 1, Ca 1, Na 8 (K2O 0.5 + CaO 1 + Na2O 4 + SiO2 1.25 mol: 8 oxygens):
  // xCa = 0.1 as a double is not below 0.1, so ln a(an) = ln 0.1 stays.
  Run(kFsp, FromCations({{iK, 1}, {iCa, 1}, {iNa, 8}, {iSi, 1.25}}));
  ASSERT_EQ(S.Cat[iCa], 1.0);
  ASSERT_EQ(S.Cat[iK], 1.0);
  EXPECT_EQ(S.WarnText, "Alkali feldspar assumed");
  EXPECT_NEAR(S.LnA[an], std::log(0.1), 1e-14);
}

TEST_F(Feldspar, ASiteSumIsNotRoundedBeforeTheFractions) {
  // Na 0.6, Ca 0.37, K 0.03, Al 1.37, Si 2.63 on 8 oxygens: xNa = 0.6, so
  // ln a(ab) = ln 0.6 = -0.5108256237659907. The formula holds Na as the
  // double nearest 0.6 (0.59999999999999997780), Ca as 0.36999999999999994005
  // and K as 0.02999999999999999889; Na + Ca + K = 1 - 8.3e-17. Divided by
  // that sum, Na gives 0.6d (1 + 8.3e-17) = 0.60000000000000002775, below the
  // midpoint 0.60000000000000003331 to the next double, so xNa is 0.6d again.
  // Rounded first to the double 1 - 1.11e-16, the sum would give
  // 0.60000000000000004441 and xNa one unit above 0.6d.
  Run(kFsp, FromCations({{iNa, 0.6}, {iCa, 0.37}, {iK, 0.03}, {iAl, 1.37}, {iSi, 2.63}}));
  ASSERT_EQ(S.Cat[iNa], 0.6);
  ASSERT_EQ(S.Cat[iCa], 0.36999999999999994005);
  ASSERT_EQ(S.Cat[iK], 0.02999999999999999889);
  EXPECT_EQ(S.LnA[ab], std::log(0.6));
}

TEST_F(Feldspar, NoLargeCationsGivesNaNAsAlkaliFeldspar) {
  // s = 0: every A-site fraction is 0/0; Tc is NaN, so the second branch
  // runs with the alkali text, and nothing of the analysis is a number.
  Run(kFsp, FromCations({{iAl, 2}, {iSi, 2.5}}));
  EXPECT_EQ(S.WarnText, "Alkali feldspar assumed");
  for (int k = ab; k <= san; ++k) {
    EXPECT_TRUE(std::isnan(S.LnA[k])) << k;
    EXPECT_TRUE(std::isnan(S.Gamma[k])) << k;
  }
}

}  // namespace
}  // namespace velm
