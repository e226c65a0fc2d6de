// Oxides: spinel (three-site mixing of spinel, hercynite, magnetite and
// picrochromite) and the ilmenite-hematite solid solution (A and B sites,
// with geikielite and pyrophanite), both non-ideal by the asymmetric
// formalism over their four end-members.
#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void SpinelModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                 std::int32_t& NEm) {
  constexpr int sp = 1, herc = 2, mt = 3, pcr = 4;

  // Settings and end-members (all size parameters 1).
  S.NOx = 4.0;
  NEm = 4;
  S.SiteMult = 3;
  NameEndMembers(S, {"sp", "herc", "mt", "pcr"});
  IdealGammas(S, NEm);
  Asf m;
  // Texts.
  S.ModelText = "3-site mixing, Castelvy & Prane 1990";
  S.FerricText = "Ferric from:  Cation Sum = 3 for 4 oxygens. Max Ratio = 0.9";

  // Formula on 4 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 3 cations per 4 oxygens, at most 90 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 3.0L, S.NOx, 0.9);

  // Scratch copy of the formula; no site takes from it.
  const doublevec c = Cat;
  // Each cation spread over the three positions of the formula.
  const double xMg = double(ext(c[iMg]) / 3);
  const double xAl = double(ext(c[iAl]) / 3);
  const double xFe2 = double(ext(c[iFe2]) / 3);
  const double xFe3 = double(ext(c[iFe3]) / 3);
  const double xCr = double(ext(c[iCr]) / 3);
  // Fe share of the divalent cations; 0 with neither Fe2 nor Mg.
  const double x = ShareOf(c[iFe2], c[iMg]).x;

  // Proportions: magnetite and picrochromite from the trivalent Fe and Cr,
  // hercynite the Fe2 that magnetite leaves, spinel the rest (so they sum
  // to 1 and the coefficients stay finite even with neither Fe2 nor Mg).
  m.p[sp] = double((1.0L - ext(c[iCr]) / 2) - x);
  m.p[herc] = double(x - ext(c[iFe3]) / 2);
  m.p[mt] = double(ext(c[iFe3]) / 2);
  m.p[pcr] = double(ext(c[iCr]) / 2);
  m.W[sp][herc] = 4000;
  m.W[sp][mt] = 56000;
  m.W[sp][pcr] = 39000;
  m.W[herc][mt] = 32000;
  m.W[herc][pcr] = 27000;
  m.W[mt][pcr] = 36000;

  // Ideal activities; 6.75 = 1/((2/3)^2 (1/3)) makes each pure end-member 1.
  auto a = [](double xB, double xA) { return double(6.75L * xB * xB * xA); };
  LnA[sp] = SafeLn(a(xAl, xMg), S.SiteMult);
  LnA[herc] = SafeLn(a(xAl, xFe2), S.SiteMult);
  LnA[mt] = SafeLn(a(xFe3, xFe2), S.SiteMult);
  LnA[pcr] = SafeLn(a(xCr, xMg), S.SiteMult);

  AsfGammas(S, m, 1, NEm, 4);
}

void IlmeniteHematiteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                           std::int32_t& NEm) {
  constexpr int ilm = 1, hem = 2, pnt = 3, gei = 4;

  // Texts.
  S.ModelText = "2-site asymmetric non-ideal mixing";
  S.FerricText = "Ferric from:  Cation Sum = 2 for 3 oxygens";
  // Settings and end-members.
  S.NOx = 3.0;
  NEm = 4;
  S.SiteMult = 2;
  NameEndMembers(S, {"ilm", "hem", "pnt", "gei"});

  // Formula on 3 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 2 cations per 3 oxygens, at most 99 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 2.0L, S.NOx, 0.99);

  // Scratch copy of the formula.
  doublevec c = Cat;
  // Interaction energies; hematite is the larger end-member.
  IdealGammas(S, NEm);
  Asf m;
  m.alpha[hem] = 1.3;
  m.W[ilm][hem] = 31000;
  m.W[ilm][pnt] = 2000;
  m.W[ilm][gei] = 4000;
  m.W[hem][pnt] = 30000;
  m.W[hem][gei] = 33000;
  m.W[pnt][gei] = 4000;

  // B site takes Ti first, up to one per formula.
  const double xTi = TakeSites(c[iTi], 1, 1);
  // A site: Mn and Mg as they are; the Fe2 on A is what matches the Ti on B
  // beyond them (the analysed Fe2 is not read).
  const double xMn = c[iMn];
  const double xMg = c[iMg];
  const double xFe2A = double((ext(xTi) - xMn) - xMg);

  // Proportions: the titanates by their A cation, hematite the rest.
  m.p[ilm] = xFe2A;
  m.p[hem] = double(1.0L - xTi);
  m.p[pnt] = xMn;
  m.p[gei] = xMg;

  // The rest of B, less Cr, is shared by Al and Fe3 in their ratio; the Fe3
  // that B does not take goes to A.
  const double room = double((1.0L - xTi) - c[iCr]);
  double xAlB = 0, xFe3B = 0;
  SplitSites(c[iAl], c[iFe3], xAlB, xFe3B, 1, room);
  const double xFe3A = c[iFe3];

  // Ideal activities.
  LnA[hem] = SafeLn(double(ext(xFe3B) * xFe3A), S.SiteMult);
  LnA[ilm] = SafeLn(double(ext(xTi) * xFe2A), S.SiteMult);
  LnA[pnt] = SafeLn(double(ext(xTi) * xMn), S.SiteMult);
  LnA[gei] = SafeLn(double(ext(xTi) * xMg), S.SiteMult);

  AsfGammas(S, m, 1, NEm, 4);
}

}  // namespace velm
