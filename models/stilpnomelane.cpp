// Stilpnomelane: Fe-Mg mixing over five octahedral positions with a
// symmetric regular solution.
#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void StilpnomelaneModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                        std::int32_t& NEm) {
  constexpr int mstp = 1, fstp = 2;
  constexpr double W = 4000;  // J per site

  // Texts.
  S.ModelText = "5-site Fe-Mg mixing with reg solution W = 4 kJ per site";
  S.FerricText = "Ferric from: cation sum (less K,Na,Ca) = 15 for 24.25 oxygens. Max Ratio = 0.75";
  // Settings and end-members. The floor and the model-error estimate use a
  // multiplicity of 6 while the ideal activities are fifth powers.
  S.NOx = 24.25;
  NEm = 2;
  S.SiteMult = 6;
  NameEndMembers(S, {"mstp", "fstp"});

  // Formula on 24.25 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 15 cations without the interlayer Na, Ca, K; the estimate
  // scales those too.
  const double sum = double(((ext(S.CatSum) - Cat[iNa]) - Cat[iCa]) - Cat[iK]);
  FerricGuard(S, Wt, Cat, sum, 15.0L, S.NOx, 0.75);
  IdealGammas(S, NEm);

  // Site fractions straight from the formula.
  const double xFe = double(ext(Cat[iFe2]) / 5);
  const double xMg = double(ext(Cat[iMg]) / 5);
  const PairShare fe = ShareOf(Cat[iFe2], Cat[iMg]);

  // Ideal activities: five positions.
  auto fifth = [](double v) {
    const ext sq = ext(v) * v;
    return double(sq * sq * v);
  };
  LnA[mstp] = SafeLn(fifth(xMg), S.SiteMult);
  LnA[fstp] = SafeLn(fifth(xFe), S.SiteMult);

  // Regular solution over five positions: RT ln gamma = 5W x^2.
  S.Gamma[mstp] = ExpOverRT(S, ext(fe.x) * fe.x * (5 * W));
  S.Gamma[fstp] = ExpOverRT(S, ext(fe.rest) * fe.rest * (5 * W));
}

}  // namespace velm
