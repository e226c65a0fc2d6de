// Amphibole: site fractions of A, M4, M2, M1-M3 and T1 read straight from a
// formula on 23 oxygens with ferric iron between the bounds of the usual
// normalisations, then one of three sub-models chosen by the M4 site:
// Fe-Mg (regular solution), calcic and sodic (asymmetric formalism).
#include "amphibole.h"

#include <cmath>

#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

// Normalisation factors of the formula: fmin is the smallest of 1 and the
// factors to 16 cations, 8 Si, 15 cations less Na and K, and 2 Ca; fmax the
// largest of the factors to 8 Si + Al, 15 cations less K, 13 cations less
// Ca, Na and K, 36/(46 - Si - Al - Ti), and the factor at which all Fe
// would be ferric.
double AmphiboleFerricTarget(const doublevec& Cat) {
  double sum = 0;
  for (int i = 1; i <= kOxides; ++i) sum = double(ext(sum) + Cat[i]);

  doublevec f{};
  f[1] = double(16.0L / sum);
  f[2] = double(8.0L / Cat[iSi]);
  f[3] = double(15.0L / (ext(sum) - Cat[iNa] - Cat[iK]));
  f[4] = ext(Cat[iCa]) > 0.01L ? double(2.0L / Cat[iCa]) : 1.0;
  f[5] = 1.0;
  f[6] = double(8.0L / (ext(Cat[iSi]) + Cat[iAl]));
  f[7] = double(15.0L / (ext(sum) - Cat[iK]));
  f[8] = double(13.0L / (ext(sum) - Cat[iCa] - Cat[iNa] - Cat[iK]));
  f[9] = double(36.0L / (46.0L - Cat[iSi] - Cat[iAl] - Cat[iTi]));
  f[10] = double(46.0L / (ext(Cat[iFe2]) + 46.0L));

  // A NaN factor never replaces a bound.
  double fmin = 1.0;
  for (int i = 1; i <= 5; ++i)
    if (f[i] < fmin) fmin = f[i];
  double fmax = f[10];
  for (int i = 6; i <= 9; ++i)
    if (f[i] > fmax) fmax = f[i];

  if (fmax < 1.0 && f[10] < fmin) return double((ext(fmax) + fmin) / 2.0L);
  if (f[10] > fmin) return f[10];
  if (fmax >= 1.0) return 1.0;
  // fmax below 1 and f10 exactly at fmin (or a NaN f10): f10 itself, the
  // value the neighbouring case just above fmin gives.
  return f[10];
}

void AmphiboleModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                    std::int32_t& NEm) {
  constexpr int tr = 1, fact = 2, ts = 3, parg = 4, gl = 5;  // calcic slots
  constexpr int sGl = 1, sFgl = 2, sRieb = 3, sTr = 4;       // sodic slots
  constexpr int cumm = 1, grun = 2;                          // Fe-Mg slots
  constexpr ext kWFeMg = 33500.0L;                           // J

  // Texts and settings; the sub-model sets its own count and multiplicity.
  S.ModelText = "Mixing model of Ostrand et al. (2007)";
  S.FerricText = "Ferric from:  Av from max and min constraints. Quenby & Fennick 1993";
  S.NOx = 23.0;
  S.SiteMult = 5;
  S.UsesH2O = true;

  // Formula on 23 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron at the mean of the normalisation bounds, at most 70 % of the
  // iron; no cation sum guards it. The formula is scaled by the target itself.
  if (Wt[iFe2O3] == 0 && Wt[iFeO] > 0)
    FerricFromCharge(S, Wt, Cat, 1.0, AmphiboleFerricTarget(Cat), S.NOx, 0.7);

  // Fe share of the Fe-Mg cations; M4 holds what Si, Al, Ti, Fe and Mg leave
  // over 13 cations (Cr and Mn not counted).
  const PairShare fe = ShareOf(Cat[iFe2], Cat[iMg]);
  const ext x = fe.x;
  const ext xMg = fe.rest == 0 ? 0.0L : 1.0L - x;  // 1 - x, 0 without Fe and Mg
  const double M4FM = double(ext(Cat[iAl]) + Cat[iSi] + Cat[iTi] + Cat[iFe3] + Cat[iFe2] +
                             Cat[iMg] - 13.0L);

  // T1: Si above 4 and Al below 8 - Si, both held inside the site.
  double xSiT1 = double((ext(Cat[iSi]) - 4.0L) / 4.0L);
  if (xSiT1 > 1) {
    xSiT1 = 0.999;
    S.WarnText = "** warning too much Si, analysis unreliable **";
  }
  double xAlT1 = double((8.0L - Cat[iSi]) / 4.0L);
  if (xAlT1 < 0) xAlT1 = 0.001;

  // M2, M4 and A straight from the formula, none of them clamped.
  const ext m2Room = 10.0L - Cat[iFe3] - Cat[iAl] - Cat[iSi] - Cat[iTi];
  const double xAlM2 = double((ext(Cat[iSi]) + Cat[iAl] - 8.0L) / 2.0L);
  const double xMgM2 = double(m2Room * xMg / 2.0L);
  const double xFeM2 = double(m2Room * x / 2.0L);
  const double xCaM4 = double(ext(Cat[iCa]) / 2.0L);
  const double xNaM4 = double((15.0L + Cat[iK] + Cat[iNa] - S.CatSum) / 2.0L);
  const double xNaA = double(ext(S.CatSum) - Cat[iK] - 15.0L);
  const double xvA = double(16.0L - S.CatSum);

  // Proportions of the ten calcic end-members; tremolite takes the rest.
  Asf m;
  doublevec& p = m.p;
  p[2] = double((ext(Cat[iMg]) + Cat[iFe2]) * x / 5.0L);
  p[3] = double((ext(Cat[iAl]) + Cat[iSi] - Cat[iK] - Cat[iNa] - 8.0L) / 2.0L);
  p[4] = xNaA;
  p[5] = xNaM4;
  p[6] = double(ext(Cat[iFe3]) / 2.0L);
  p[7] = Cat[iK];
  p[8] = double(ext(M4FM) / 2.0L);
  p[9] = double(ext(Cat[iMn]) / 2.0L);
  p[10] = double(ext(Cat[iTi]) / 2.0L);
  p[1] = double(1.0L - p[5] - p[4] - p[3] - p[2] - p[7] - p[6] - p[10] - p[8] - p[9]);

  // Every slot starts with no activity and an ideal coefficient.
  for (int i = 1; i <= 10; ++i) {
    LnA[i] = kNoActivity;
    S.Gamma[i] = 1.0;
  }

  auto sqr = [](ext v) { return v * v; };
  auto cube = [](ext v) { return v * v * v; };

  if (ext(xCaM4) < 0.3L && ext(xNaM4) < 0.3L) {
    // Fe-Mg amphibole: M4 poor in Ca and Na; half the T1 mixing entropy.
    S.SiteMult = 7;
    NEm = 2;
    NameEndMembers(S, {"cumm", "grun"});
    S.ModelText = "Ideal mixing model for Fe-Mg amphiboles (with half Smix on T1)";
    const ext aCumm = sqr(xSiT1) * sqr(xMgM2) * cube(xMg) * sqr(M4FM * xMg / 2.0L) * xvA;
    const ext aGrun = sqr(xSiT1) * sqr(xFeM2) * cube(x) * sqr(M4FM * x / 2.0L) * xvA;
    LnA[cumm] = SafeLn(double(aCumm), S.SiteMult);
    LnA[grun] = SafeLn(double(aGrun), S.SiteMult);
    // Regular solution of Fe and Mg.
    S.Gamma[cumm] = ExpOverRT(S, kWFeMg * sqr(x));
    S.Gamma[grun] = ExpOverRT(S, kWFeMg * sqr(xMg));
  } else if (ext(xCaM4) > 0.5L) {
    // Calcic amphibole: ten end-members in the coefficients, five reported.
    S.SiteMult = 5;
    NEm = 5;
    NameEndMembers(S, {"tr", "fact", "ts", "parg", "gl"});
    m.SetKJ(tr, fact, 20);
    m.SetKJ(tr, ts, 20);
    m.SetKJ(tr, parg, 25);
    m.SetKJ(tr, gl, 65);
    m.SetKJ(tr, 6, 0);
    m.SetKJ(tr, 7, 25);
    m.SetKJ(fact, ts, 27.5L);
    m.SetKJ(fact, parg, 27);
    m.SetKJ(fact, gl, 71);
    m.SetKJ(fact, 6, 27.5L);
    m.SetKJ(fact, 7, 25);
    m.SetKJ(ts, parg, -40);
    m.SetKJ(ts, gl, 25);
    m.SetKJ(ts, 6, 0);
    m.SetKJ(ts, 7, -30);
    m.SetKJ(parg, gl, 50);
    m.SetKJ(parg, 6, -40);
    m.SetKJ(parg, 7, 10);
    m.SetKJ(gl, 6, 25);
    m.SetKJ(gl, 7, 50);
    m.SetKJ(6, 7, -40);
    m.alpha[ts] = 1.5;
    m.alpha[parg] = 1.7;
    m.alpha[gl] = 0.8;
    m.alpha[6] = 1.5;
    // Tschermak and pargasite mix Si and Al on T1.
    const ext t1 = std::sqrt(ext(xSiT1) * xAlT1);
    const ext aGl = sqr(xNaM4) * xvA * sqr(xAlM2) * cube(xMg) * xSiT1;
    const ext aTr = sqr(xCaM4) * xvA * cube(xMg) * sqr(xMgM2) * xSiT1;
    const ext aFact = sqr(xCaM4) * xvA * cube(x) * sqr(xFeM2) * xSiT1;
    const ext aTs = 2.0L * xvA * sqr(xCaM4) * cube(xMg) * sqr(xAlM2) * t1;
    const ext aParg = 8.0L * xNaA * sqr(xCaM4) * cube(xMg) * xAlM2 * xMgM2 * t1;
    LnA[gl] = SafeLn(double(aGl), S.SiteMult);
    LnA[tr] = SafeLn(double(aTr), S.SiteMult);
    LnA[fact] = SafeLn(double(aFact), S.SiteMult);
    LnA[ts] = SafeLn(double(aTs), S.SiteMult);
    LnA[parg] = SafeLn(double(aParg), S.SiteMult);
    AsfGammas(S, m, 1, 5, 10);
  } else if (ext(xNaM4) > 0.4L) {
    // Sodic amphibole: four end-members of one size.
    S.SiteMult = 5;
    NEm = 4;
    NameEndMembers(S, {"gl", "fgl", "rieb", "tr"});
    for (int i = 1; i <= 4; ++i) m.alpha[i] = 0.8;
    m.W[sGl][sFgl] = 12000;
    m.W[sGl][sRieb] = 12000;
    m.W[sGl][sTr] = 65000;
    m.W[sFgl][sRieb] = 0;
    m.W[sFgl][sTr] = 81000;
    m.W[sRieb][sTr] = 81000;
    S.ModelText = "Ideal mixing model for sodic amphiboles (with half Smix on T1)";
    const ext fe3M2 = ext(Cat[iFe3]) / 2.0L;
    // Tremolite keeps the first power of the T1 term, as in the calcic model.
    const ext aGl = sqr(xNaM4) * xvA * sqr(xAlM2) * cube(xMg) * sqr(xSiT1);
    const ext aFgl = sqr(xNaM4) * xvA * sqr(xAlM2) * cube(x) * sqr(xSiT1);
    const ext aRieb = sqr(xNaM4) * xvA * sqr(fe3M2) * cube(x) * sqr(xSiT1);
    const ext aTr = sqr(xCaM4) * xvA * cube(xMg) * sqr(xMgM2) * xSiT1;
    LnA[sGl] = SafeLn(double(aGl), S.SiteMult);
    LnA[sFgl] = SafeLn(double(aFgl), S.SiteMult);
    LnA[sRieb] = SafeLn(double(aRieb), S.SiteMult);
    LnA[sTr] = SafeLn(double(aTr), S.SiteMult);
    p[sGl] = double(ext(xAlM2) * xMg);
    p[sFgl] = double(ext(xAlM2) * x - fe3M2);
    p[sRieb] = double(fe3M2);
    p[sTr] = xMgM2;
    AsfGammas(S, m, 1, 4, 4);
  } else {
    // Between the sub-models (M4 neither Fe-Mg, calcic nor sodic): no
    // end-member is reported for this analysis.
    NEm = 0;
    S.WarnText = "composition outside the amphibole sub-models: no activities";
  }
}

}  // namespace velm
