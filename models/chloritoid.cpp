// Chloritoid: Fe-Mg-Mn mixing on one octahedral site and Al-Fe3 mixing on a
// half site, with asymmetric-formalism coefficients over four end-members
// (the ferric end-member takes part in the coefficients but is not reported).
#include <cmath>

#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void ChloritoidModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                     std::int32_t& NEm) {
  constexpr int mctd = 1, fctd = 2, mnctd = 3, ctdo = 4;
  constexpr int kSlotsUsed = 4;

  // Texts. The parameter line names values other than the W used below; it
  // is kept as users know it and gives way to the negative-Al warning.
  S.ModelText = "2 site mixing:  (1-site Fe-Mg-Mn, 1/2-site Al-Fe3+)";
  S.WarnText = "WFeMg=1.5, WMgMn=1.5, WFeMn=0 (kJ)";
  S.FerricText = "Ferric from:  Cation Sum = 4 for 6 oxygens. Max Ratio = 0.2";
  // Settings and end-members; chloritoid is hydrous.
  S.NOx = 6.0;
  NEm = 3;
  S.SiteMult = 1;
  S.UsesH2O = true;
  NameEndMembers(S, {"mctd", "fctd", "mnctd", "ctdo"});
  IdealGammas(S, kSlotsUsed);
  Asf m;

  // Formula on 6 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 4 cations per 6 oxygens, at most 20 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 4.0L, S.NOx, 0.2);

  // Site allocation on a scratch copy of the formula.
  const doublevec c = Cat;
  // Mg and Fe2 share what Mn leaves of the octahedral site, in the ratio of
  // their amounts; with neither present both fractions are 0.
  const bool noMgFe = c[iMg] == 0 && c[iFe2] == 0;
  const double x = ShareOf(c[iFe2], c[iMg]).x;
  const double xMn = c[iMn];
  const double xMg = noMgFe ? 0.0 : double((1.0L - x) * (1.0L - xMn));
  const double xFe = double(ext(x) * (1.0L - xMn));
  // The half site holds Fe3 and Al; more Fe3 than it can take leaves a token
  // Al fraction and a warning.
  const double xFe3 = double(2.0L * c[iFe3]);
  double xAl = double(1.0L - xFe3);
  if (xAl < 0) {
    xAl = 0.0001;
    S.WarnText = "** warning negative xAlM1, analysis unreliable **";
  }

  // Proportions of the coefficients: the ferric share as computed, unclamped.
  m.p[mctd] = xMg;
  m.p[fctd] = xFe;
  m.p[mnctd] = xMn;
  m.p[ctdo] = xFe3;
  // Interaction energies, J.
  m.W[mctd][fctd] = 4000;
  m.W[mctd][mnctd] = 2000;
  m.W[mctd][ctdo] = 5000;
  m.W[fctd][mnctd] = 1000;
  m.W[fctd][ctdo] = 0;
  m.W[mnctd][ctdo] = 1000;

  // Ideal activities: the half site enters as the square root of its Al.
  const ext rootAl = std::sqrt(ext(xAl));
  LnA[mctd] = SafeLn(double(rootAl * xMg), S.SiteMult);
  LnA[fctd] = SafeLn(double(rootAl * xFe), S.SiteMult);
  LnA[mnctd] = SafeLn(double(rootAl * xMn), S.SiteMult);

  // Asymmetric formalism over all four slots for the three reported ones.
  AsfGammas(S, m, mctd, mnctd, kSlotsUsed);
}

}  // namespace velm
