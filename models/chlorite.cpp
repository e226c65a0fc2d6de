// Chlorite: Al ordered onto M4 before M1, Fe-Mg mixing on M1, M4 and the
// four M2-M3 positions, with a symmetric non-ideal solution of clinochlore,
// daphnite and amesite.
#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void ChloriteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                   std::int32_t& NEm) {
  constexpr int clin = 1, daph = 2, ames = 3;

  // Texts; the parameter line is printed with every chlorite analysis.
  S.ModelText = "Ordered Al(M4) model. Quenby et al. 1998 EJM";
  S.FerricText = "Ferric from:  Cation Sum<=10 for 14 oxygens. Max Ratio = 0.2";
  S.WarnText = "Wcl-da = 2.5,  Wcl-am = 18,  Wam-da = 20.5 kJ";
  // Settings: 14 oxygens, a hydrous mineral.
  S.NOx = 14.0;
  NEm = 3;
  S.SiteMult = 4;
  S.UsesH2O = true;
  // End-members and their interaction energies (all size parameters 1).
  NameEndMembers(S, {"clin", "daph", "ames"});
  IdealGammas(S, NEm);
  Asf m;
  m.SetKJ(clin, daph, 2.5L);
  m.SetKJ(clin, ames, 18.0L);
  m.SetKJ(daph, ames, 20.5L);

  // Formula on 14 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: at most 10 cations per 14 oxygens, at most 20 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 10.0L, S.NOx, 0.2);

  // Site allocation on a scratch copy of the formula.
  doublevec c = Cat;
  // T2 holds the Si beyond 2 and fills up with Al.
  const double xSiT2 = double((ext(c[iSi]) - 2) / 2);
  const double xAlT2 = TakeSites(c[iAl], 2, double(1.0L - xSiT2));
  // Ti, Fe3 and Cr sit on M4 and M1 alike; Al fills M4 before M1.
  const double room = double(1.0L - ext(c[iTi]) / 2 - ext(c[iFe3]) / 2 - ext(c[iCr]) / 2);
  const double xAlM4 = TakeSites(c[iAl], 1, room);
  const double xAlM1 = TakeSites(c[iAl], 1, room);
  // The rest of M1 and M4 goes to Fe2 and Mg in their ratio; with neither
  // present both shares are 0.
  const PairShare fe = ShareOf(c[iFe2], c[iMg]);
  const ext mg = fe.rest == 0 ? 0.0L : 1.0L - fe.x;  // Mg share, unrounded
  auto rest = [&](double xAl) {
    return 1.0L - xAl - ext(c[iTi]) / 2 - ext(c[iFe3]) / 2 - ext(c[iCr]) / 2;
  };
  const double xFeM1 = double(rest(xAlM1) * fe.x);
  const double xMgM1 = double(rest(xAlM1) * mg);
  const double xFeM4 = double(rest(xAlM4) * fe.x);
  const double xMgM4 = double(rest(xAlM4) * mg);
  // The four M2-M3 positions take the Fe2 and Mg that M1 and M4 left.
  const double xFeM23 = double((ext(c[iFe2]) - xFeM1 - xFeM4) * 0.25L);
  const double xMgM23 = double((ext(c[iMg]) - xMgM1 - xMgM4) * 0.25L);

  // Ideal activities.
  auto fourth = [](double v) { return ext(v) * v * v * v; };
  LnA[clin] = SafeLn(double(4 * fourth(xMgM23) * xMgM1 * xAlM4 * xAlT2 * xSiT2), S.SiteMult);
  LnA[daph] = SafeLn(double(4 * fourth(xFeM23) * xFeM1 * xAlM4 * xAlT2 * xSiT2), S.SiteMult);
  LnA[ames] = SafeLn(double(fourth(xMgM23) * xAlM1 * xAlM4 * xAlT2 * xAlT2), S.SiteMult);

  // Proportions: daphnite is the Fe share of the octahedra outside the M1
  // Al; clinochlore takes what daphnite and amesite leave.
  m.p[daph] = double(ext(fe.x) * (5 - ext(xAlM1)) / 5);
  m.p[ames] = xAlM1;
  m.p[clin] = double((1.0L - m.p[daph]) - m.p[ames]);
  AsfGammas(S, m, 1, NEm, 3);
}

}  // namespace velm
