// Osumilite: mixing on the sites of [K,Na] (Al,Mg,Fe,Fe3) Si10 [Al,Si]2 O30,
// with symmetric mixing terms over four end-members.
#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void OsumiliteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                    std::int32_t& NEm) {
  constexpr int osma = 1, osmm = 2, osfa = 3, osmf = 4;
  constexpr int nSlots = 4;

  // Texts.
  S.ModelText = "mixing: [K,Na] (Al,Mg,Fe, Fe3) Si10 [Al,Si]2 O30";
  S.FerricText = "Ferric from:  Cation Sum = 18 for 30 oxygens. Max Ratio = 0.4";
  // Settings and end-members; osmf is named but not reported.
  S.NOx = 30.0;
  NEm = 3;
  S.SiteMult = 3;
  NameEndMembers(S, {"osma", "osmm", "osfa", "osmf"});

  // Formula on 30 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 18 cations per 30 oxygens, up to 40 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 18.0L, S.NOx, 0.4);

  // Scratch copy; the site fractions read it without lowering it.
  const doublevec c = Cat;

  // Fe share of Fe2 + Mg; Si beyond the ten of T1 over the two T2 sites;
  // the Al not on T2 over three octahedral sites; K share of the channel.
  // A missing pair (no Mg and Fe2, or no K and Na) shares out nothing.
  const PairShare fe = ShareOf(c[iFe2], c[iMg]);
  const double x = fe.x;
  const ext notX = (fe.x == 0 && fe.rest == 0) ? 0.0L : 1.0L - x;
  const double SiT2 = double((ext(c[iSi]) - 10) * 0.5L);
  const double AlT2 = double(1.0L - SiT2);
  const double xAl = double((ext(c[iAl]) - 2 * ext(AlT2)) / 3);
  const double xMg = double((1.0L - xAl) * notX);
  const double xK = ShareOf(c[iK], c[iNa]).x;

  // Mixing terms in J, constant; osmf has proportion 0, so its pairs change
  // no coefficient.
  IdealGammas(S, nSlots);
  Asf m;
  m.p[osma] = double(((1.0L - c[iFe3]) - x) - 2 * ext(SiT2));
  m.p[osmm] = double(2 * ext(SiT2) - x);
  m.p[osfa] = x;
  m.p[osmf] = 0;
  m.W[osma][osmm] = 10000;
  m.W[osma][osfa] = 4000;
  m.W[osma][osmf] = 0;
  m.W[osmm][osfa] = 14000;
  m.W[osmm][osmf] = 10000;
  m.W[osfa][osmf] = 40000;

  // Ideal activities.
  const ext AlT2sq = ext(AlT2) * AlT2;
  LnA[osma] = SafeLn(double(notX * notX * xK * xAl * AlT2sq), S.SiteMult);
  LnA[osmm] = SafeLn(double(4 * ext(xK) * (notX * notX) * xMg * AlT2 * SiT2), S.SiteMult);
  LnA[osfa] = SafeLn(double(ext(x) * x * xK * xAl * AlT2sq), S.SiteMult);

  // Coefficients of the reported three over all four slots; osmf keeps 1.
  AsfGammas(S, m, osma, osfa, nSlots);
}

}  // namespace velm
