// Talc: mixing on sites (T1, octahedral Al, M1, M2 and the A site) with a
// symmetric non-ideal solution of talc, Fe-talc, tschermak-talc and Na-talc.
#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void TalcModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
               std::int32_t& NEm) {
  constexpr int ta = 1, fta = 2, tats = 3, nta = 4;

  // Texts. The line names 7 cations while the estimate aims at 6.95; the
  // line is kept as users know it.
  S.ModelText = "mixing-on-sites model of QM2011";
  S.FerricText = "Ferric from:  Cation Sum = 7 for 11 oxygens. Max Ratio = 0.1";
  // Settings: 11 oxygens, a hydrous mineral.
  S.NOx = 11.0;
  NEm = 4;
  S.SiteMult = 3;
  S.UsesH2O = true;
  NameEndMembers(S, {"ta", "fta", "tats", "nta"});

  // Formula on 11 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // End-members and their interaction energies (all size parameters 1).
  IdealGammas(S, NEm);
  Asf m;
  m.SetKJ(ta, fta, 12.0L);
  m.SetKJ(ta, tats, 10.0L);
  m.SetKJ(ta, nta, 8.0L);
  m.SetKJ(fta, tats, 12.0L);
  m.SetKJ(fta, nta, 12.0L);
  m.SetKJ(tats, nta, 8.0L);

  // Ferric iron: only a sum above 7 cations is estimated, and it is brought
  // to 6.95, so a formula never comes out of the estimate at the threshold;
  // at most 10 % of the iron.
  if (Wt[iFe2O3] == 0 && ext(S.CatSum) > 7.0L && Wt[iFeO] > 0)
    FerricFromCharge(S, Wt, Cat, S.CatSum, 6.95, S.NOx, 0.1);

  // Site allocation on a scratch copy of the formula.
  doublevec c = Cat;
  // T1 (two positions) takes the Si beyond 2, then Al.
  c[iSi] = double(ext(c[iSi]) - 2);
  const double xSiT1 = TakeSites(c[iSi], 2, 1);
  const double xAlT1 = TakeSites(c[iAl], 2, double(1.0L - xSiT1));
  // The Al that T1 left goes to the octahedra.
  const double xAlOct = TakeSites(c[iAl], 1, 1);
  // M1 (two positions) shares the room Mn leaves between Mg and Fe2; M2
  // takes all that is left of them.
  double xMgM1 = 0, xFeM1 = 0;
  SplitSites(c[iMg], c[iFe2], xMgM1, xFeM1, 2, double(1.0L - ext(c[iMn]) / 2));
  const double xMgM2 = c[iMg];
  const double xFeM2 = c[iFe2];
  // A site: Na or vacant.
  const double xNaA = c[iNa];
  const double xvA = double(1.0L - c[iNa]);

  // Ideal activities.
  auto sq = [](double v) { return ext(v) * v; };
  LnA[ta] = SafeLn(double(xMgM2 * ext(xvA) * sq(xMgM1) * sq(xSiT1)), S.SiteMult);
  LnA[fta] = SafeLn(double(xFeM2 * ext(xvA) * sq(xFeM1) * sq(xSiT1)), S.SiteMult);
  LnA[tats] = SafeLn(double(16 * ext(xvA) * xMgM2 * xMgM1 * xAlOct * xAlT1 * xSiT1), S.SiteMult);
  LnA[nta] = SafeLn(double(4 * ext(xNaA) * xMgM2 * sq(xMgM1) * xSiT1 * xAlT1), S.SiteMult);

  // Proportions from the Fe share of the formula. Talc takes whatever the
  // others leave, so the proportions sum to 1 even with neither Fe2 nor Mg
  // (Fe share 0 then), which keeps the coefficients finite.
  const double x = ShareOf(Cat[iFe2], Cat[iMg]).x;
  m.p[nta] = xNaA;
  m.p[tats] = double(2 * ext(xAlT1) - xNaA);
  m.p[fta] = double(ext(x) * (xNaA - 2 * ext(xAlT1)) * 0.25L + x);
  m.p[ta] = double(((1.0L - x) - 2 * ext(xAlT1)) - ext(x) * (xNaA - 2 * ext(xAlT1)) * 0.25L);
  AsfGammas(S, m, 1, NEm, 4);
}

}  // namespace velm
