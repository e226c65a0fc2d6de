// Pumpellyite and prehnite: ideal Al-Fe3 mixing in the low-grade
// calc-silicates, read straight from the formula without site pools.
#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void PumpellyiteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                      std::int32_t& NEm) {
  constexpr int mapm = 1, fapm = 2, julg = 3;

  // Texts.
  S.ModelText = "Ideal M2-M1 site mixing";
  S.FerricText = "Ferric from:  Al + Cr + Ti + Fe3 = 5 for 24.5 oxygens. Max Ratio = 0.9";
  // Settings and end-members.
  S.NOx = 24.5;
  NEm = 3;
  S.SiteMult = 6;
  NameEndMembers(S, {"mapm", "fapm", "julg"});
  IdealGammas(S, NEm);

  // Formula on 24.5 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: the trivalent and Ti cations must fill five positions, so
  // the charge left for the rest, 49 - Al - Cr - Ti, is brought to 44.
  const double target = 2 * S.NOx - 5;
  const double sum = double(((ext(2 * S.NOx) - Cat[iAl]) - Cat[iCr]) - Cat[iTi]);
  FerricGuard(S, Wt, Cat, sum, target, S.NOx, 0.9);

  // Tetrahedra: Al fills what six Si leave; the rest of the Al is octahedral.
  double AlT = double(6.0L - Cat[iSi]);
  if (AlT < 0) AlT = 0;
  const double AlOct = double(ext(Cat[iAl]) - AlT);

  // M2 (four positions less Cr and Ti) takes octahedral Al and Fe3 in
  // proportion; M1 takes the surplus of each. With neither Al nor Fe3 on the
  // octahedra there is nothing to share and M2 holds neither.
  const ext m2 = (4.0L - Cat[iCr]) - Cat[iTi];
  const PairShare fe3 = ShareOf(Cat[iFe3], AlOct);
  const ext notFe3 = (fe3.x == 0 && fe3.rest == 0) ? 0.0L : 1.0L - fe3.x;
  const double AlM2 = double(m2 * notFe3);
  const double Fe3M2 = double(m2 * fe3.x);
  const double Fe3M1 = Cat[iFe3] > Fe3M2 ? double(ext(Cat[iFe3]) - Fe3M2) : 0.0;
  const double AlM1 = AlOct > AlM2 ? double(ext(AlOct) - AlM2) : 0.0;

  // Ideal activities: M1 pair times the fourth power of the M2 fraction.
  auto fourth = [](double v) {
    const ext q = ext(v) * 0.25;
    return (q * q) * (q * q);
  };
  LnA[mapm] = SafeLn(double(ext(AlM1) * Cat[iMg] * fourth(AlM2)), S.SiteMult);
  LnA[fapm] = SafeLn(double(ext(AlM1) * Cat[iFe2] * fourth(AlM2)), S.SiteMult);
  LnA[julg] = SafeLn(double(ext(Fe3M1) * Cat[iFe2] * fourth(Fe3M2)), S.SiteMult);
}

void PrehniteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                   std::int32_t& NEm) {
  constexpr int pre = 1, fpre = 2;

  // Texts.
  S.ModelText = "Ideal one site Fe3-Al mixing";
  S.FerricText = "Ferric from:  Cation Sum = 7 for 11 oxygens. Max Ratio = 0.99";
  // Settings and end-members.
  S.NOx = 11;
  NEm = 2;
  S.SiteMult = 1;
  NameEndMembers(S, {"pre", "fpre"});

  // Formula on 11 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 7 cations per 11 oxygens, up to 99 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 7.0L, S.NOx, 0.99);
  IdealGammas(S, NEm);

  // Ideal activities: Al and Fe3 share the one octahedral site.
  LnA[pre] = SafeLn(double(1.0L - Cat[iFe3]), S.SiteMult);
  LnA[fpre] = SafeLn(Cat[iFe3], S.SiteMult);
}

}  // namespace velm
