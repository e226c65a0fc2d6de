// Scapolite and the rhombohedral carbonates: the two carbonate-bearing
// groups, whose formulae are normalised to a fixed number of cations. Iron
// enters as analysed; no ferric estimate is made.
#include <cmath>

#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

// Scapolite: an ideal Al/Si-ordered model on the large-cation site (Ca, Na,
// K), meionite against the mizzonite composition.
void ScapoliteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                    std::int32_t& NEm) {
  constexpr int me = 1, miz = 2;

  // Texts.
  S.ModelText = "ideal-Al/Si ordered model";
  S.FerricText = "Ferric from:  all ferrous";
  // Settings and end-members: a cation basis (no oxygens); the meionite
  // name keeps its trailing blank.
  S.NOx = 0;
  NEm = 2;
  S.SiteMult = 4;
  S.UsesCO2 = true;
  NameEndMembers(S, {"me ", "miz"});

  // Formula on 16 cations.
  CationsPerCations(S, Wt, Cat, 16.0, kOxides);
  IdealGammas(S, kOxides);

  // Large-cation site on a scratch copy: Ca and Na fractions of Ca + Na + K
  // (both 0 when the site holds none of them).
  const doublevec c = Cat;
  const ext s = ext(c[iNa]) + c[iCa] + c[iK];
  const double xCa = s == 0 ? 0.0 : double(c[iCa] / s);
  const double xNa = s == 0 ? 0.0 : double(c[iNa] / s);

  // Ideal activities: meionite Ca on all four positions, mizzonite Ca on
  // three and Na on one, with its mixing constant. The powers go through
  // the logarithm, so no Ca gives exactly 0.
  const ext lnCa = std::log(ext(xCa));
  LnA[me] = SafeLn(double(std::exp(4.0L * lnCa)), S.SiteMult);
  LnA[miz] = SafeLn(double(9.48L * std::exp(3.0L * lnCa) * xNa), S.SiteMult);
}

// Carbonates: ordered dolomite-ankerite when Ca fills one of the two cation
// positions, else disordered calcite with asymmetric-formalism coefficients.
void CarbonateModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                    std::int32_t& NEm) {
  // Texts and settings common to both structures: a cation basis.
  S.FerricText = "Ferric from:  all ferrous";
  S.NOx = 0;
  S.UsesCO2 = true;

  // Formula on 2 cations.
  CationsPerCations(S, Wt, Cat, 2.0, kOxides);
  IdealGammas(S, kOxides);

  // Site allocation on a scratch copy: Ca fills the Ca site up to 1, and
  // what it leaves over shows how far the carbonate is from dolomite.
  doublevec c = Cat;
  const double xCaA = TakeSites(c[iCa], 1, 1);
  const double exCa = c[iCa];
  // The Mg site: Fe2 and Mg fractions of Mg + Fe2 + Mn.
  const double mSite = double(ext(c[iMg]) + c[iFe2] + c[iMn]);
  double xFe = 0, xMg = 0;
  if (mSite > 0) {
    xFe = double(ext(c[iFe2]) / mSite);
    xMg = double(ext(c[iMg]) / mSite);
  }

  if (ext(xCaA) > 0.6L && ext(exCa) < 0.1L) {
    // Dolomite structure: Ca on its own site, Mg and Fe2 mix on the other
    // with a symmetric regular solution. Slots 3 and 4 are left alone.
    constexpr int dol = 1, ank = 2;
    S.SiteMult = 2;
    NEm = 2;
    NameEndMembers(S, {"dol", "ank"});
    S.ModelText = "dolomite structure, 2 site mixing";
    LnA[dol] = SafeLn(double(ext(xMg) * xCaA), S.SiteMult);
    LnA[ank] = SafeLn(double(ext(xFe) * xCaA), S.SiteMult);
    const ext notFe = 1.0L - xFe;
    S.Gamma[dol] = ExpOverRT(S, 4000.0L * (ext(xFe) * xFe));
    S.Gamma[ank] = ExpOverRT(S, 4000.0L * (notFe * notFe));
    return;
  }

  // Disordered calcite structure: Ca, Mg, Fe2 and Mn mix on one site.
  constexpr int cc = 1, mag = 2, sid = 3, rhc = 4;
  constexpr int kSlotsUsed = 4;
  S.SiteMult = 1;
  NEm = 4;
  NameEndMembers(S, {"cc", "mag", "sid", "rhc"});
  IdealGammas(S, kSlotsUsed);
  Asf m;
  m.alpha[sid] = 0.5;
  m.W[cc][mag] = 23000;
  m.W[cc][sid] = 18000;
  m.W[cc][rhc] = 15000;
  m.W[mag][sid] = 4000;
  m.W[mag][rhc] = 18000;
  m.W[sid][rhc] = 8000;
  S.ModelText = "disordered calcite structure, 1-site mixing";
  // Site fractions from the whole formula, not from the scratch pools whose
  // Ca the Ca site has taken.
  const double xCc = Cat[iCa] * 0.5, xMag = Cat[iMg] * 0.5;
  const double xSid = Cat[iFe2] * 0.5, xRhc = Cat[iMn] * 0.5;
  m.p[cc] = xCc;
  m.p[mag] = xMag;
  m.p[sid] = xSid;
  m.p[rhc] = xRhc;
  LnA[cc] = SafeLn(xCc, S.SiteMult);
  LnA[mag] = SafeLn(xMag, S.SiteMult);
  LnA[sid] = SafeLn(xSid, S.SiteMult);
  LnA[rhc] = SafeLn(xRhc, S.SiteMult);
  AsfGammas(S, m, cc, rhc, kSlotsUsed);
}

}  // namespace velm
