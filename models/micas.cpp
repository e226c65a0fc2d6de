// Micas: dioctahedral white mica (muscovite - celadonite - paragonite -
// margarite) and trioctahedral biotite (phlogopite - annite - eastonite),
// both mixing on sites with asymmetric-formalism activity coefficients.
#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

namespace {

ext Sq(double v) { return ext(v) * v; }

}  // namespace

void MuscoviteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                    std::int32_t& NEm) {
  constexpr int mu = 1, cel = 2, fcel = 3, pa = 4, ma = 5;
  constexpr int fe3 = 6, ti = 7, last = 8;  // unreported: Fe3 and Ti mica
  constexpr int nSlots = 8;

  // Texts.
  S.ModelText = "Model of Drenk et al 2010, modified in Vardell et al 2014";
  S.FerricText = "Ferric from:  Tet + Oct cation sum = 6.05 for 11 oxygens. Max Ratio = 0.7";
  // Settings.
  S.NOx = 11.0;
  NEm = 5;
  S.SiteMult = 2;
  S.UsesH2O = true;

  // End-members: paragonite is the smaller one. W is written in kJ, with
  // its pressure and temperature terms, and turned into J once complete.
  NameEndMembers(S, {"mu", "cel", "fcel", "pa", "ma"});
  IdealGammas(S, nSlots);
  Asf m;
  for (int k = 1; k <= nSlots; ++k) m.alpha[k] = 0.63;
  m.alpha[pa] = 0.37;
  const ext P = S.P, TK = S.TK;
  m.W[mu][cel] = double(0.2L * P);
  m.W[mu][fcel] = double(0.2L * P);
  m.W[mu][pa] = double(10.12L + 0.0034L * TK + 0.353L * P);
  m.W[mu][ma] = 35;
  m.W[cel][pa] = double(45 + 0.25L * P);
  m.W[cel][ma] = 50;
  m.W[fcel][pa] = double(45 + 0.25L * P);
  m.W[fcel][ma] = 50;
  m.W[pa][ma] = 15;
  m.W[pa][fe3] = 30;
  m.W[ma][fe3] = 35;
  m.W[ma][ti] = 20;

  // Formula on 11 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 6.05 tetrahedral and octahedral cations, at most 70 % of
  // the iron.
  const double sum = double(((ext(S.CatSum) - Cat[iNa]) - Cat[iCa]) - Cat[iK]);
  FerricGuard(S, Wt, Cat, sum, 6.05L, S.NOx, 0.7);

  // The interlayer host, from the formula as it now stands.
  const bool NaHost = Cat[iNa] > 0.5;
  const bool CaHost = Cat[iCa] > 0.5;

  // Site fractions straight from the formula (no pools are taken).
  const double Si = Cat[iSi], Ti = Cat[iTi], Al = Cat[iAl], Cr = Cat[iCr], Fe3 = Cat[iFe3],
               Fe2 = Cat[iFe2], Mn = Cat[iMn], Mg = Cat[iMg], Ca = Cat[iCa], Na = Cat[iNa],
               K = Cat[iK];
  // Fe share of the Fe-Mg octahedral cations.
  const PairShare fe = ShareOf(Fe2, Mg);
  const double x = fe.x;
  const ext notX = fe.RestExt();
  // T1: Al takes what Si leaves of four tetrahedra.
  const double xAlT1 = double(2 - ext(Si) / 2);
  const double xSiT1 = double(1 - ext(xAlT1));
  // A: vacancy is what the interlayer cations leave.
  const double xvA = double(((1 - ext(Na)) - Ca) - K);
  // M1: the trioctahedral excess over six T + M cations fills the vacancy.
  double tri = double((ext(Ti) + Si + Al + Fe2 + Fe3 + Mg + Cr + Mn) - 6);
  if (tri < 0) tri = 0;
  const double xvM1 = double(1 - ext(tri));
  // M2A: Al, or Mg and Fe2 of the Tschermak substitution.
  double xAlM2A = double((((ext(xvA) + 2 * ext(xAlT1)) - Ti) - Ca) - tri);
  if (xAlM2A > 1) xAlM2A = 1;
  const ext tschermak = ((((1 - 2 * ext(xAlT1)) - xvA) + Ti) + Ca) + tri;
  const double xMgM2A = double(tschermak * notX);
  const double xFeM2A = double(tschermak * x);
  // M2B: Al less Fe3, Ti and the trioctahedral excess.
  const double xAlM2B = double(((1 - ext(Fe3)) - Ti) - tri);

  // Proportions for the activity coefficients.
  const ext celadonite = ((((1 + 3 * ext(tri)) + Ti) + Ca) - 2 * ext(xAlT1)) - xvA;
  m.p[pa] = Na;
  m.p[fcel] = double(celadonite * x);
  m.p[cel] = double(celadonite * notX - 3 * ext(tri));
  m.p[fe3] = Fe3;
  m.p[ti] = Ti;
  m.p[ma] = Ca;
  m.p[mu] = double(((((2 * ext(xAlT1) - Na) - 2 * ext(Ca)) - 2 * ext(Ti)) - Fe3) - tri);
  m.p[last] = 0;

  // Interactions from kJ to J.
  for (int i = 1; i <= nSlots; ++i)
    for (int j = 1; j <= nSlots; ++j) m.W[i][j] = double(1000.0L * m.W[i][j]);

  // Ideal activities.
  LnA[mu] = SafeLn(double(4 * ext(xvM1) * K * xAlM2A * xAlM2B * xAlT1 * xSiT1), S.SiteMult);
  LnA[pa] = SafeLn(double(4 * ext(xvM1) * Na * xAlM2A * xAlM2B * xAlT1 * xSiT1), S.SiteMult);
  LnA[cel] = SafeLn(double(ext(xvM1) * K * xMgM2A * xAlM2B * Sq(xSiT1)), S.SiteMult);
  LnA[fcel] = SafeLn(double(ext(xvM1) * K * xFeM2A * xAlM2B * Sq(xSiT1)), S.SiteMult);
  LnA[ma] = SafeLn(double(ext(xvM1) * Ca * xAlM2A * xAlM2B * Sq(xAlT1)), S.SiteMult);

  // Interlayer host terms, Gibbs energies in J. In a K or Na host only
  // margarite pays; a Ca host instead penalises the other end-members and
  // mixes muscovite and paragonite with margarite on other terms.
  doublevec dG{};
  if (!NaHost && CaHost) {
    dG[mu] = 1000;
    dG[cel] = 5000;
    dG[fcel] = 5000;
    dG[pa] = 4000;
    m.W[mu][ma] = 34000;
    m.W[pa][ma] = 18000;
  } else {
    dG[ma] = 6500;
  }

  // Activity coefficients over all eight slots, host term added.
  for (int k : {mu, pa, cel, fcel, ma})
    S.Gamma[k] = ExpOverRT(S, ext(dG[k]) + AsfRTLnGamma(static_cast<std::uint8_t>(k), m.W,
                                                         m.alpha, m.p, nSlots));
}

void BiotiteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                  std::int32_t& NEm) {
  constexpr int phl = 1, ann = 2, east = 3, tbi = 4, fbi = 5;
  constexpr int nSlots = 5;

  // Texts.
  S.UsesH2O = true;
  S.ModelText =
      "Al-M1 ordered, site-mixing model  + macroscopic RS gammas: (ann, phl, east, obi)";
  S.WarnText = "SF model parameters: Wpa=12, Wpe=10, Wae=15 (kJ), setting Qod=0";
  S.FerricText = "Ferric from:  Tet + Oct cation sum = 6.9 for 11 oxygens. Max Ratio = 0.15";
  // Settings and end-members; Ti and Fe3 biotite enter the coefficients
  // only.
  S.NOx = 11.0;
  NEm = 3;
  S.SiteMult = 3;
  NameEndMembers(S, {"phl", "ann", "east", "tbi", "fbi"});
  IdealGammas(S, nSlots);
  Asf m;

  // Formula on 11 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 6.9 tetrahedral and octahedral cations, at most 15 % of
  // the iron.
  const double sum = double(((ext(S.CatSum) - Cat[iNa]) - Cat[iCa]) - Cat[iK]);
  FerricGuard(S, Wt, Cat, sum, 6.9L, S.NOx, 0.15);

  // Site allocation on a scratch copy of the formula.
  doublevec c = Cat;
  // Tetrahedra: two Si fill T2; what Si is left and then Al fill T1; the Al
  // that remains is ordered onto M1.
  c[iSi] = double(ext(c[iSi]) - 2);
  const double r = TakeSites(c[iSi], 2, 1);
  TakeSites(c[iAl], 2, double(1 - ext(r)));
  const double xAlM1 = c[iAl];
  // Fe share of the Fe-Mg octahedral cations.
  const PairShare fe = ShareOf(c[iFe2], c[iMg]);
  const double x = fe.x;
  const ext notX = fe.RestExt();
  // Fe3 and Ti go to M1 whole; T1 balances the charge of Fe3 and Al on M1.
  const double xFe3 = c[iFe3];
  const double xTi = c[iTi];
  const double xSiT1 = double((0.5L - ext(xFe3) / 2) - ext(xAlM1) / 2);
  const double xAlT1 = double((0.5L + ext(xFe3) / 2) + ext(xAlM1) / 2);
  // M1: Mg and Fe2 share the rest in proportion; M2 holds Mg and Fe2 only.
  const ext restM1 = ((1 - ext(xFe3)) - xTi) - xAlM1;
  const double xMgM1 = double(restM1 * notX);
  const double xFeM1 = double(restM1 * x);
  const double xMgM2 = double(notX);

  // Proportions and interactions in J (all size parameters 1).
  m.p[phl] = xMgM1;
  m.p[ann] = x;
  m.p[east] = xAlM1;
  m.p[tbi] = xTi;
  m.p[fbi] = xFe3;
  m.W[phl][ann] = 12000;
  m.W[phl][east] = 10000;
  m.W[phl][tbi] = 30000;
  m.W[phl][fbi] = 8000;
  m.W[ann][east] = 15000;
  m.W[ann][tbi] = 32000;
  m.W[ann][fbi] = 13600;
  m.W[east][tbi] = 40000;
  m.W[east][fbi] = 1000;
  m.W[tbi][fbi] = 40000;

  // Ideal activities.
  const double K = c[iK];
  LnA[phl] = SafeLn(double(4 * ext(K) * xMgM1 * Sq(xMgM2) * xSiT1 * Sq(xAlT1)), S.SiteMult);
  LnA[ann] = SafeLn(double(4 * ext(K) * xFeM1 * Sq(x) * xSiT1 * Sq(xAlT1)), S.SiteMult);
  LnA[east] = SafeLn(double(ext(K) * xAlM1 * Sq(xMgM2) * Sq(xAlT1)), S.SiteMult);

  // Activity coefficients over all five slots.
  AsfGammas(S, m, phl, east, nSlots);
}

}  // namespace velm
