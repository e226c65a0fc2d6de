// Olivine: Fe-Mg mixing on the two octahedral sites M1 and M2, with a
// symmetric regular solution on M1.
#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void OlivineModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                  std::int32_t& NEm) {
  constexpr int fo = 1, fa = 2;
  constexpr double W = 4000;  // J per site

  // Texts. The printed maximum ratio and the cap of the estimate (0.05)
  // differ; the line is kept as users know it.
  S.ModelText = "2-site mixing with reg solution W = 4 kJ per site";
  S.FerricText = "Ferric from:  Cation Sum = 3 for 4 oxygens. Max Ratio = 0.1";
  // Settings and end-members.
  S.NOx = 4.0;
  NEm = 2;
  S.SiteMult = 2;
  NameEndMembers(S, {"fo", "fa"});

  // Formula on 4 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);
  IdealGammas(S, NEm);

  // Ferric iron: 3 cations per 4 oxygens, at most 5 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 3.0L, S.NOx, 0.05);

  // Site allocation on a scratch copy of the formula.
  doublevec c = Cat;
  // M1 takes Mg and Fe2 in proportion; M2 takes what is left, each capped
  // at 1 on its own.
  double xMgM1 = 0, xFeM1 = 0;
  SplitSites(c[iMg], c[iFe2], xMgM1, xFeM1, 1, 1);
  const double xMgM2 = TakeSites(c[iMg], 1, 1);
  const double xFeM2 = TakeSites(c[iFe2], 1, 1);

  // Ideal activities.
  LnA[fo] = SafeLn(double(ext(xMgM2) * xMgM1), S.SiteMult);
  LnA[fa] = SafeLn(double(ext(xFeM2) * xFeM1), S.SiteMult);

  // Regular solution on M1: RT ln gamma = 2W (1 - x)^2.
  const double notMg = 1.0 - xMgM1;
  S.Gamma[fo] = ExpOverRT(S, ext(notMg) * notMg * (2 * W));
  S.Gamma[fa] = ExpOverRT(S, ext(xMgM1) * xMgM1 * (2 * W));
}

}  // namespace velm
