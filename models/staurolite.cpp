// Staurolite: Fe-Mg mixing on four positions and Al on two, with asymmetric-
// formalism coefficients over four end-members (the ferric and the titanian
// end-members enter the coefficients only). Iron is given a fixed ferric
// share instead of a charge-balance estimate.
#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void StauroliteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                     std::int32_t& NEm) {
  constexpr int mst = 1, fst = 2, msto = 3, mstt = 4;
  constexpr int kSlotsUsed = 4;

  // Texts.
  S.ModelText = "mixing model from Vardell et al 2014";
  S.FerricText = "Ferric default:  5% ferric";
  // Settings and end-members; staurolite is hydrous.
  S.NOx = 46.0;
  NEm = 2;
  S.SiteMult = 4;
  S.UsesH2O = true;
  NameEndMembers(S, {"mst", "fst", "msto", "mstt"});

  // Ferric iron: an analysis without Fe2O3 has 5 % of its iron made ferric
  // before the formula. The rewritten Fe2O3 stays in the analysis, so a
  // repeated call for the same analysis finds it and leaves the iron alone.
  if (Wt[iFe2O3] == 0) {
    Wt[iFe2O3] = double(0.055555L * Wt[iFeO]);
    Wt[iFeO] = double(0.95L * Wt[iFeO]);
  }

  // Formula on 46 oxygens; no charge-balance estimate.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);
  IdealGammas(S, kSlotsUsed);
  Asf m;

  // Site fractions straight from the formula: Fe2 and Mg share the
  // tetrahedral Fe site (both 0 when neither is present); Fe3 and Ti take
  // their share of the octahedral Al site.
  const bool noMgFe = Cat[iMg] == 0 && Cat[iFe2] == 0;
  const PairShare fe = ShareOf(Cat[iFe2], Cat[iMg]);
  const double x = fe.x;
  const double f = double(ext(Cat[iFe3]) * 0.5);
  const double t = double(ext(Cat[iTi]) * 0.5);
  const double xMg = fe.rest;
  const double xFe = x;
  const double ti43 = (4.0 * t) / 3.0;  // the Ti term in double precision
  const double xAl = double((1.0L - f) - ti43);

  // Proportions of the coefficients; Mg staurolite takes the Al the Fe
  // end-member leaves.
  m.p[fst] = x;
  m.p[mst] = noMgFe ? 0.0 : double(((1.0L - f) - ti43) - x);
  m.p[msto] = f;
  m.p[mstt] = ti43;
  // Interaction energies, J.
  m.W[mst][fst] = 16000;
  m.W[mst][msto] = 2000;
  m.W[mst][mstt] = 20000;
  m.W[fst][msto] = 18000;
  m.W[fst][mstt] = 36000;
  m.W[msto][mstt] = 30000;

  // Ideal activities: four Fe-site positions and two Al positions.
  const ext al2 = ext(xAl) * xAl;
  const ext mg2 = ext(xMg) * xMg, fe2 = ext(xFe) * xFe;
  LnA[mst] = SafeLn(double(mg2 * mg2 * al2), S.SiteMult);
  LnA[fst] = SafeLn(double(fe2 * fe2 * al2), S.SiteMult);

  // Asymmetric formalism over all four slots for the two reported ones.
  AsfGammas(S, m, mst, fst, kSlotsUsed);
}

}  // namespace velm
