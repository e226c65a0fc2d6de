// Sapphirine: Fe-Mg mixing on M3, Mg-Fe-Al-Fe3 on M and Si-Al on T, with
// mixing terms of the asymmetric formalism over five end-members.
#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void SapphirineModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                     std::int32_t& NEm) {
  constexpr int spr4 = 1, spr5 = 2, fspr = 3, spro = 4, ospr = 5;
  constexpr int nSlots = 5;

  // Texts: the note names the source of the mixing terms in every block.
  S.ModelText = "mixing-on-sites: 2(Mg,Al)oct + 2(Al,Si)tet";
  S.FerricText = "Ferric from:  Cation Sum = 14 for 20 oxygens. Max Ratio = 0.7";
  S.WarnText = "mixing terms from Sunnick & Mardle 2014, J Met Geol";
  // Settings and end-members; spro and ospr enter the coefficients only.
  S.NOx = 20.0;
  NEm = 3;
  S.SiteMult = 4;
  NameEndMembers(S, {"spr4", "spr5", "fspr", "spro", "ospr"});

  // Formula on 20 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 14 cations per 20 oxygens, up to 70 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 14.0L, S.NOx, 0.7);

  // Scratch copy; no site allocation lowers it.
  const doublevec c = Cat;
  IdealGammas(S, 11);

  // Mixing terms in J, constant.
  Asf m;
  m.W[spr4][spr5] = 10000;
  m.W[spr4][fspr] = 16000;
  m.W[spr4][spro] = 12000;
  m.W[spr4][ospr] = 8000;
  m.W[spr5][fspr] = 19000;
  m.W[spr5][spro] = 22000;
  m.W[spr5][ospr] = 1000;
  m.W[fspr][spro] = 4000;
  m.W[fspr][ospr] = 17600;
  m.W[spro][ospr] = 20000;

  // Composition: Fe share of Fe2 + Mg, Al and Si on T, Al and Fe3 on M.
  // Without Mg and Fe2 neither M3 fraction is anything but 0.
  const PairShare fe = ShareOf(c[iFe2], c[iMg]);
  const double x = fe.x;
  const double AlT = double(2.0L - c[iSi]);
  const double SiT = double(ext(c[iSi]) - 1);
  const double y = double((ext(c[iAl]) - 8) - AlT);
  const double f = c[iFe3];

  // M holds Fe2 and Mg in the ratio x : 1 - x beside Al and Fe3; M3 holds
  // Fe2 and Mg alone. The M3-M order is held at zero, so no order term.
  const double xFeM = double((ext(x) - ext(x) * f) - ext(y) * x);
  const double xMgM = double((((1.0L - f) - x) + ext(x) * f) - y + ext(y) * x);
  const double xFeM3 = x;
  const double xMgM3 = fe.rest;

  // Proportions of the five end-members, summing to 1.
  m.p[spr4] = double(((1.0L - f) - x) - y);
  m.p[spr5] = y;
  m.p[fspr] = double((ext(x) - ext(x) * f) - ext(y) * x);
  m.p[spro] = double(ext(x) * f + ext(y) * x);
  m.p[ospr] = f;

  // Ideal activities: three M3 positions, one M, one T.
  LnA[spr4] = SafeLn(double(ext(xMgM3) * xMgM3 * xMgM3 * xMgM * SiT), S.SiteMult);
  LnA[spr5] = SafeLn(double(ext(xMgM3) * xMgM3 * xMgM3 * y * AlT), S.SiteMult);
  LnA[fspr] = SafeLn(double(ext(xFeM3) * xFeM3 * xFeM3 * xFeM * SiT), S.SiteMult);

  // Coefficients of the reported three over all five end-members.
  AsfGammas(S, m, spr4, fspr, nSlots);
}

}  // namespace velm
