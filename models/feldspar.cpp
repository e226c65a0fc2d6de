// Feldspar: ternary albite-anorthite-sanidine mixing on the large-cation
// site, with asymmetric-formalism coefficients and three structural states
// (Ibar1 plagioclase, Cbar1 plagioclase, alkali feldspar) chosen per analysis.
#include <cmath>

#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

void FeldsparModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                   std::int32_t& NEm) {
  constexpr int ab = 1, an = 2, san = 3;
  constexpr ext kAlkaliK = 0.1L;  // K fraction that makes an alkali feldspar

  // Texts and settings. The driver has already turned all iron ferric when
  // the analysis gives no Fe2O3; this model makes no estimate of its own.
  S.FerricText = "Ferric from:  all ferric";
  S.NOx = 8;
  NEm = 3;
  NameEndMembers(S, {"ab", "an", "san"});
  S.SiteMult = 1;

  // Formula on 8 oxygens, iron as it stands.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);
  doublevec c = Cat;

  // A site: Na, Ca and K in the ratio of their amounts (the sum unrounded).
  const ext s = ext(c[iNa]) + c[iCa] + c[iK];
  const double xCa = double(c[iCa] / s);
  const double xNa = double(c[iNa] / s);
  const double xK = double(c[iK] / s);
  Asf m;
  m.p[ab] = xNa;
  m.p[an] = xCa;
  m.p[san] = xK;
  IdealGammas(S, 3);

  S.ModelText = "Quenby & Mardle 2003 model";
  // Temperature of the Ibar1-Cbar1 transition for this anorthite content,
  // and the Gibbs energies of the ordered albite and disordered anorthite.
  const double Tc = double(2632.0L * (ext(xCa) - 0.12L));
  double dGan = double(1000.0L * (7.03L - 0.00466L * S.TK));
  const double dGab = double(1000.0L * (0.57L - 0.00412L * S.TK));
  m.alpha[ab] = 0.643;
  m.alpha[an] = 1.0;
  m.alpha[san] = 1.0;

  // Ideal activities: one A site.
  LnA[an] = SafeLn(xCa, S.SiteMult);
  LnA[ab] = SafeLn(xNa, S.SiteMult);
  LnA[san] = SafeLn(xK, S.SiteMult);

  // Ab-San interaction, the same in every structural state.
  const double wAbSan = double(1000.0L * (25.1L - 0.0108L * S.TK + 0.343L * S.P));
  auto rtLnGamma = [&](std::uint8_t k) -> ext {
    return AsfRTLnGamma(k, m.W, m.alpha, m.p, 3);
  };

  if (ext(Tc) >= ext(S.TK) && ext(xK) < kAlkaliK) {
    // Ibar1 plagioclase: below its transition temperature and poor in K.
    S.WarnText = "Ibar1 plag assumed";
    m.W[ab][an] = 15000;
    m.W[ab][san] = wAbSan;
    m.W[an][san] = 40000;
    // Sanidine stands as the reference state here, whatever the K content.
    LnA[san] = 0;
    S.Gamma[ab] = ExpOverRT(S, ext(dGab) + rtLnGamma(ab));
    S.Gamma[an] = ExpOverRT(S, rtLnGamma(an));
    S.Gamma[san] = ExpOverRT(S, rtLnGamma(san));
  } else {
    // Cbar1 plagioclase or alkali feldspar (a NaN composition lands here).
    S.WarnText = ext(xK) < kAlkaliK ? "Cbar1 plag assumed" : "Alkali feldspar assumed";
    m.W[ab][an] = 3100;
    m.W[ab][san] = wAbSan;
    m.W[an][san] = 40000;
    S.Gamma[ab] = ExpOverRT(S, rtLnGamma(ab));
    // An alkali feldspar takes anorthite without its disordering energy,
    // and as the reference state when it holds little Ca.
    if (ext(xK) > kAlkaliK) {
      dGan = 0;
      if (ext(xCa) < kAlkaliK) LnA[an] = 0;
    }
    S.Gamma[an] = ExpOverRT(S, ext(dGan) + rtLnGamma(an));
    S.Gamma[san] = ExpOverRT(S, rtLnGamma(san));
  }
}

}  // namespace velm
