// Pyroxenes: clinopyroxene (site mixing on T, M1 and M2, or ideal coupled
// mixing of ordered P2/n omphacite) and orthopyroxene (site mixing), both on
// 6 oxygens with asymmetric-formalism activity coefficients.
#include <algorithm>
#include <cmath>

#include "mineralmodels.h"
#include "modelkit.h"

namespace velm {

namespace {

constexpr const char* kPyxFerricText = "Ferric from:  Cation Sum = 4 for 6 oxygens";
constexpr const char* kPyxSiteText = "M1-M2 site mixing + 1/4 T-site S mixing";
constexpr const char* kHighSiWarning = "** warning: Si > 2.0, analysis may be unreliable **";

// Vacant M positions of a formula short of 4 cations per 6 oxygens.
double Vacancy(const RunState& S) {
  return S.CatSum < 4.0 ? double(4.0L - S.CatSum) : 0.0;
}

// More Si than the T site holds makes the analysis doubtful.
void WarnIfSiAboveTwo(RunState& S, const doublevec& c) {
  if (c[iSi] > 2.0) S.WarnText = kHighSiWarning;
}

// Occupancies of the tetrahedral site and of M1 shared by both pyroxenes.
struct TAndM1 {
  double xSiT = 0, xAlT = 0, xAlM1 = 0, xMgM1 = 0, xFeM1 = 0;
};

// T takes Si, then Al up to its two positions; M1 takes the Al left, then
// Fe3 and Ti stand on M1 and Mg and Fe2 share the room they leave in the
// ratio of their amounts. Lowers the scratch pools.
TAndM1 FillTAndM1(doublevec& c) {
  TAndM1 s;
  s.xSiT = TakeSites(c[iSi], 2, 1);
  s.xAlT = TakeSites(c[iAl], 2, double(1.0L - s.xSiT));
  s.xAlM1 = TakeSites(c[iAl], 1, 1);
  double room = double((1.0L - s.xAlM1) - c[iFe3] - c[iTi]);
  if (room < 0) room = 0;
  SplitSites(c[iMg], c[iFe2], s.xMgM1, s.xFeM1, 1, room);
  return s;
}

// The tetrahedral factor of the Tschermak end-members: a quarter of the T
// site mixes Al and Si, normalised by sqrt 2 (the constant as users know it).
ext TschermakT(const TAndM1& s) {
  return std::sqrt(std::sqrt(ext(s.xAlT) * s.xSiT));
}
constexpr ext kSqrt2 = 1.41421L;

}  // namespace

void CpxModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
              std::int32_t& NEm) {
  constexpr int di = 1, hed = 2, cats = 3, jd = 4, acm = 5, oen = 6;
  constexpr int nCpx = 6;

  // Texts: the model line depends on the branch taken below.
  S.FerricText = kPyxFerricText;
  // Settings and end-members; orthoenstatite enters only the coefficients.
  S.NOx = 6.0;
  NEm = 5;
  S.SiteMult = 2;
  NameEndMembers(S, {"di", "hed", "cats", "jd", "acm", "oen"});

  // Formula on 6 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);
  IdealGammas(S, NEm);

  // Ferric iron: 4 cations per 6 oxygens, up to 95 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 4.0L, S.NOx, 0.95);

  // Site allocation on a scratch copy of the formula.
  doublevec c = Cat;
  const double vac = Vacancy(S);
  WarnIfSiAboveTwo(S, c);
  const TAndM1 s = FillTAndM1(c);
  // M2 takes the Mg that M1 left.
  const double xMgM2 = TakeSites(c[iMg], 1, 1);
  // Fe2/(Mg + Fe2) of the whole formula, not of the pools the sites lowered.
  const double XFe = ShareOf(Cat[iFe2], Cat[iMg]).x;

  const double Ca = Cat[iCa], Na = Cat[iNa], Fe3 = Cat[iFe3];
  if (ext(Na) < 0.4L || ext(Na) > 0.6L) {
    S.ModelText = kPyxSiteText;

    // Interaction energies in J; Ca-Tschermak is the large end-member.
    Asf m;
    m.W[di][hed] = 3000;
    m.W[di][cats] = 12000;
    m.W[di][jd] = 26000;
    m.W[di][acm] = 24000;
    m.W[di][oen] = 29000;
    m.W[hed][cats] = 12000;
    m.W[hed][jd] = 24000;
    m.W[hed][acm] = 24000;
    m.W[hed][oen] = 34000;
    m.W[cats][jd] = 6000;
    m.W[cats][acm] = 6000;
    m.W[cats][oen] = 45000;
    m.W[jd][acm] = 0;
    m.W[jd][oen] = 40000;
    m.W[acm][oen] = 40000;
    for (int k : {di, hed, jd, acm}) m.alpha[k] = 1.2;
    m.alpha[cats] = 1.9;
    m.alpha[oen] = 1.0;

    // Proportions from the formula; `others` are the cations and vacancies
    // of M1 and M2 that are neither Mg nor Fe2. Not clamped.
    const double others = double(ext(Cat[iCr]) + Ca + Fe3 + Cat[iMn] + Na + Cat[iTi] +
                                 s.xAlM1 + vac);
    m.p[di] = double((ext(others) - 2) * XFe + Ca - Cat[iCr] - Fe3 - Cat[iTi] + Na - s.xAlM1 +
                     vac);
    m.p[hed] = double((2 - ext(others)) * XFe);
    m.p[cats] = double(ext(s.xAlM1) - Na + Fe3 - 2 * ext(vac));
    m.p[jd] = double(ext(Na) - Fe3);
    m.p[acm] = Fe3;
    m.p[oen] = double(1.0L - Na - Ca - Cat[iMn] - vac);

    // Ideal activities: M1, M2 and the Si of T.
    const ext rootSiT = std::sqrt(ext(s.xSiT));
    LnA[di] = SafeLn(double(ext(s.xMgM1) * Ca * rootSiT), S.SiteMult);
    LnA[hed] = SafeLn(double(ext(s.xFeM1) * Ca * rootSiT), S.SiteMult);
    LnA[cats] = SafeLn(double(kSqrt2 * Ca * s.xAlM1 * TschermakT(s)), S.SiteMult);
    LnA[jd] = SafeLn(double(ext(s.xAlM1) * Na * rootSiT), S.SiteMult);
    LnA[oen] = SafeLn(double(ext(s.xMgM1) * xMgM2 * rootSiT), S.SiteMult);
    LnA[acm] = SafeLn(double(ext(Fe3) * Na * rootSiT), S.SiteMult);

    // Coefficients of the five reported end-members over all six.
    AsfGammas(S, m, di, acm, nCpx);
  } else {
    S.ModelText = "Assumed P2/n ordered pyroxene: ideal coupled mixing";

    // Ordered omphacite has no Ca-Tschermak activity; the mark keeps the
    // value of an earlier analysis from being reported.
    LnA[cats] = kNoActivity;
    // Coupled M1-M2 pairs: the scarcer of the two limits each end-member,
    // on a single site (floor of multiplicity 1). Coefficients stay 1.
    LnA[di] = SafeLn(std::min(s.xMgM1, Ca), 1);
    LnA[hed] = SafeLn(std::min(s.xFeM1, Ca), 1);
    LnA[acm] = SafeLn(Fe3, 1);
    LnA[jd] = SafeLn(std::min(s.xAlM1, Na), 1);
  }
}

void OpxModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
              std::int32_t& NEm) {
  constexpr int en = 1, fs = 2, mgts = 3, odi = 4, mess = 5, cren = 6;
  constexpr int nOpx = 6;

  // Texts.
  S.ModelText = kPyxSiteText;
  S.FerricText = kPyxFerricText;
  // Settings and end-members; Ca, vacancy and Cr end-members enter only the
  // coefficients.
  S.NOx = 6.0;
  NEm = 3;
  S.SiteMult = 2;
  NameEndMembers(S, {"en", "fs", "mgts", "odi", "mess", "cren"});
  IdealGammas(S, nOpx);
  // Interaction energies in J at the run's pressure (kbar); orthodiopside is
  // the large end-member.
  Asf m;
  const double P = S.P;
  m.W[en][fs] = 2000;
  m.W[en][mgts] = double(13000.0L - double(150 * P));
  m.W[en][odi] = double(32200.0L + double(120 * P));
  m.W[en][mess] = 8000;
  m.W[en][cren] = 8000;
  m.W[fs][mgts] = double(7000.0L - double(150 * P));
  m.W[fs][odi] = 24000;
  m.W[fs][mess] = 10000;
  m.W[fs][cren] = 10000;
  m.W[mgts][odi] = double(75000.0L - double(940 * P));
  m.W[mgts][mess] = 2000;
  m.W[mgts][cren] = 2000;
  m.W[odi][mess] = 30000;
  m.W[odi][cren] = 30000;
  m.W[mess][cren] = 2000;
  m.alpha[odi] = 1.2;

  // Formula on 6 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 4 cations per 6 oxygens, up to 20 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 4.0L, S.NOx, 0.2);

  // Site allocation on a scratch copy of the formula.
  doublevec c = Cat;
  const double vac = Vacancy(S);
  WarnIfSiAboveTwo(S, c);
  // Fe2/(Mg + Fe2) before any site takes Mg or Fe2.
  const double XFe = ShareOf(c[iFe2], c[iMg]).x;
  const TAndM1 s = FillTAndM1(c);
  // M2 takes the Mg and Fe2 that M1 left, then Ca; Ca beyond one M2
  // position stays in the pool and counts with the other cations.
  const double xMgM2 = TakeSites(c[iMg], 1, 1);
  const double xFeM2 = TakeSites(c[iFe2], 1, 1);
  const double xCaM2 = TakeSites(c[iCa], 1, 1);
  const double caLeft = c[iCa];

  // Proportions; `others` are the cations and vacancies of M1 and M2 that
  // are neither Mg nor Fe2. Na is not subtracted from enstatite.
  const double others = double(ext(c[iCr]) + caLeft + c[iFe3] + c[iMn] + c[iNa] + c[iTi] +
                               vac + s.xAlM1);
  m.p[mgts] = double(ext(s.xAlM1) - c[iNa] - 2 * ext(vac));
  m.p[odi] = xCaM2;
  m.p[fs] = double((2 - ext(others)) * XFe / 2);
  m.p[en] = double(1 + (ext(others) - 2) * XFe / 2 - caLeft - c[iCr] - c[iFe3] - c[iMn] -
                   c[iTi] - vac - s.xAlM1);
  m.p[mess] = double(2 * ext(vac));
  m.p[cren] = c[iCr];

  // Ideal activities: M1, M2 and the Si of T.
  const ext rootSiT = std::sqrt(ext(s.xSiT));
  LnA[en] = SafeLn(double(ext(xMgM2) * s.xMgM1 * rootSiT), S.SiteMult);
  LnA[fs] = SafeLn(double(ext(xFeM2) * s.xFeM1 * rootSiT), S.SiteMult);
  LnA[mgts] = SafeLn(double(ext(xMgM2) * kSqrt2 * s.xAlM1 * TschermakT(s)), S.SiteMult);

  // Coefficients of the three reported end-members over all six.
  AsfGammas(S, m, en, mgts, nOpx);
}

}  // namespace velm
