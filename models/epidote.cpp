// Epidote: clinozoisite - epidote - ferriepidote by the symmetric formalism,
// with Fe3 ordered between M1 and M3 at the equilibrium order parameter.
#include "epidote.h"

#include "mineralmodels.h"
#include "modelkit.h"
#include "rootfind.h"

namespace velm {

namespace {

constexpr int cz = 1, ep = 2, fep = 3;
constexpr int nSlots = 3;

// Interactions (J) and ordering constants. The parameter line printed with
// every analysis gives other figures; it is kept as users know it.
constexpr double Wce = 1000, Wcf = 3000, Wef = 1000;
constexpr double dH = -25000;       // enthalpy of ordering, J
constexpr double m1 = 1.0, m2 = 1.0;  // multiplicities of M1 and M3

}  // namespace

double EpidoteOrder(double TK, double f, std::ostream& out, std::istream& in) {
  // Too little or too much Fe3 to order.
  if (ext(f) < 0.01L || ext(f) > 0.99L) return 0;
  // The bracket ends just inside the room of the site that runs out first.
  const double Qmax = !(ext(f) < ext(m1) / (ext(m1) + m2)) ? double(m1 * (1 - ext(f)) - 1e-6L)
                                                             : double(ext(f) * m2 - 1e-6L);
  EpOrderArgs a;
  a.m1 = m1;
  a.m2 = m2;
  a.TK = TK;
  a.dH = dH;
  a.Wef = Wef;
  a.Wcf = Wcf;
  a.Wce = Wce;
  a.q3 = 0;
  a.f = f;
  double Q = RTBIS(a, 1e-6, Qmax, 1e-6, out, in);
  if (Q < 0) Q = 0;
  if (ext(Q) > m1 * (1 - ext(f))) Q = double(ext(m1) * m2 / (ext(m1) + m2) - 1e-6L);
  return Q;
}

void EpidoteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                  std::int32_t& NEm) {
  // Settings and end-members; ferriepidote enters the coefficients and gets
  // an activity, but is not reported.
  S.NOx = 12.5;
  NEm = 2;
  S.SiteMult = 2;
  S.UsesH2O = true;
  NameEndMembers(S, {"cz", "ep", "fep"});
  IdealGammas(S, 2);
  Asf m;
  m.W[cz][ep] = Wce;
  m.W[cz][fep] = Wcf;
  m.W[ep][fep] = Wef;

  // Texts.
  S.ModelText = "Symmetric Formalism  (NRVQ 1998).  cz = Al3, ep = Al2Fe, fep = AlFe2 epidote. ";
  S.FerricText = "Ferric from:  Fe(3) + Al + Cr + Ti = 3 for 12.5 oxygens. Max Ratio = 0.99";
  S.WarnText = "SF Model parameters: Wcf = 15.4, Wce = 0.0, Wef = 3.0 kJ.  delta H = -26.1 kJ";

  // Formula on 12.5 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 2*NOx - Al - Cr - Ti comes to 22 when Al, Cr and Ti alone
  // fill the three octahedra; above 22 Fe3 makes up the rest, at most 99 %
  // of the iron. At or below 22 the estimate would scale the formula up and
  // make Fe3 negative, so none is made.
  const ext target = 2 * ext(S.NOx) - 3;
  const double sum = double(((2 * ext(S.NOx) - Cat[iAl]) - Cat[iCr]) - Cat[iTi]);
  FerricGuard(S, Wt, Cat, sum, target, S.NOx, 0.99);

  // Site allocation on a scratch copy of the formula.
  doublevec c = Cat;
  // A: two Ca positions.
  const double xCaA = TakeSites(c[iCa], 2, 1);
  // Fe3 per octahedral site, ordered between M1 and M3.
  const double f = double(ext(c[iFe3]) * 0.5L);
  const double Q = EpidoteOrder(S.TK, f);
  const double FeM3 = double(ext(f) + ext(Q) / m1);
  const double FeM1 = double(ext(f) - ext(Q) / m2);
  const double AlM1 = double((1 - ext(f)) + Q);
  const double AlM3 = double((1 - ext(f)) - Q);

  // Proportions: epidote is the ordered Fe3 on M3.
  m.p[cz] = AlM3;
  m.p[ep] = double(ext(FeM3) - FeM1);
  m.p[fep] = FeM1;

  // Ideal activities.
  LnA[cz] = SafeLn(double(ext(xCaA) * xCaA * AlM1 * AlM3), S.SiteMult);
  LnA[ep] = SafeLn(double(ext(xCaA) * xCaA * AlM1 * FeM3), S.SiteMult);
  LnA[fep] = SafeLn(double(ext(xCaA) * xCaA * FeM1 * FeM3), S.SiteMult);

  // Activity coefficients, all three slots.
  AsfGammas(S, m, cz, fep, nSlots);
}

}  // namespace velm
