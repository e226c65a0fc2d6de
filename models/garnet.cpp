// Garnet: mixing on the X site (three positions: Mg, Fe2, Ca, Mn) and the Y
// site (two positions: Al, Fe3, Cr), with asymmetric-formalism activity
// coefficients over pyrope, grossular, almandine, khoharite and spessartine.
#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void GarnetModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                 std::int32_t& NEm) {
  constexpr int py = 1, gr = 2, alm = 3, kho = 4, spss = 5;
  constexpr int nGt = 5;

  // Texts: the note line is printed with every garnet analysis.
  S.ModelText = "2-site mixing + Regular solution gammas";
  S.WarnText = "mixing terms from regular solution";
  S.FerricText = "Ferric from:  Cation Sum = 8 for 12 oxygens";
  // Settings and end-members.
  S.NOx = 12.0;
  NEm = 5;
  S.SiteMult = 3;
  NameEndMembers(S, {"py", "gr", "alm", "kho", "spss"});
  IdealGammas(S, nGt);
  // Interaction energies in J, constant in P and T; grossular is the large
  // end-member of the asymmetric formalism.
  Asf m;
  m.W[py][gr] = 31000;
  m.W[py][alm] = 2500;
  m.W[py][kho] = 5400;
  m.W[py][spss] = 2000;
  m.W[gr][alm] = 5000;
  m.W[gr][kho] = -15300;
  m.W[gr][spss] = 0;
  m.W[alm][kho] = 22600;
  m.W[alm][spss] = 2000;
  m.W[kho][spss] = 29400;
  m.alpha[gr] = 2.7;

  // Formula on 12 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 8 cations per 12 oxygens, up to 99 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 8.0L, S.NOx, 0.99);

  // Scratch copy of the formula; no site takes from it in this model.
  const doublevec c = Cat;

  // X site: Ca and Mn by their amounts, Mg and Fe2 share the rest in the
  // ratio of their amounts (nothing to share when both are absent).
  // 1 - x enters the Mg product unrounded.
  const PairShare fe = ShareOf(c[iFe2], c[iMg]);
  const ext notFe = fe.RestExt();
  const double xCa = double(ext(c[iCa]) / 3);
  const double fe3 = double(ext(c[iFe3]) / 2);
  const double xMn = double(ext(c[iMn]) / 3);
  const double xMg = double(((1.0L - xCa) - xMn) * notFe);
  const double xFe = double(((1.0L - xCa) - xMn) * fe.x);
  // Y site: Fe3 and Cr; Al fills the rest, Ti takes no share.
  const double xAlY = double((1.0L - fe3) - ext(c[iCr]) / 2);
  const double xFe3Y = fe3;

  // Proportions of the end-members (they sum to 1).
  m.p[py] = double(ext(xMg) - fe3);
  m.p[alm] = xFe;
  m.p[spss] = xMn;
  m.p[kho] = fe3;
  m.p[gr] = xCa;

  // Ideal activities: three X and two Y positions.
  auto cube = [](double v) { return ext(v) * v * v; };
  auto square = [](double v) { return ext(v) * v; };
  LnA[py] = SafeLn(double(cube(xMg) * square(xAlY)), S.SiteMult);
  LnA[gr] = SafeLn(double(cube(xCa) * square(xAlY)), S.SiteMult);
  LnA[alm] = SafeLn(double(cube(xFe) * square(xAlY)), S.SiteMult);
  LnA[spss] = SafeLn(double(cube(xMn) * square(xAlY)), S.SiteMult);
  LnA[kho] = SafeLn(double(cube(xMg) * square(xFe3Y)), S.SiteMult);

  // Activity coefficients of all five by the asymmetric formalism.
  AsfGammas(S, m, 1, nGt, nGt);
}

}  // namespace velm
