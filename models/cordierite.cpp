// Cordierite on a hydrous basis: the channel water content, from pressure
// and temperature alone, splits cordierite into anhydrous Mg, Fe and Mn
// end-members and one hydrous Mg end-member; Fe-Mg-Mn mixing on the two
// octahedral positions, asymmetric-formalism coefficients.
#include <charconv>
#include <cmath>
#include <string>

#include "mineralmodels.h"
#include "modelkit.h"
#include "numfmt.h"

namespace velm {

namespace {

// A value in general format with at most 15 significant digits: plain
// decimals without trailing zeros ("0.72", "0.7", "1", "-0.03"), and an
// exponent such as "1E20" only for values far beyond any water content.
std::string GeneralFormat(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  std::string s(buf, r.ptr);
  const auto e = s.find('e');
  if (e == std::string::npos) return s;
  // "1e+20" is written "1E20", "1.5e-07" is written "1.5E-7".
  std::string exponent = s.substr(e + 1);
  const bool negative = exponent[0] == '-';
  exponent.erase(0, exponent.find_first_not_of("+-0"));
  return s.substr(0, e) + "E" + (negative ? "-" : "") + exponent;
}

// The water content as the description line shows it: rounded to
// hundredths, halves to even. A rounded 0 prints as "0", never "-0".
std::string WaterContentText(double h) {
  const double h100 = 100.0 * h;
  if (!std::isfinite(h100)) return FmtReal(h100, 0, 0);  // "Nan", "+Inf", "-Inf"
  // From 2^53 up every double is whole already (and would not fit the
  // integer the rounding returns).
  const double n = std::fabs(h100) < 0x1p53 ? double(RoundHalfEven(h100)) : h100;
  return GeneralFormat(n / 100.0);
}

}  // namespace

void CordieriteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                     std::int32_t& NEm) {
  constexpr int crd = 1, fcrd = 2, mncrd = 3, hcrd = 4;
  constexpr int kSlotsUsed = 4;

  // Hydrous fraction h from the run's P (kbar) and T alone: the water
  // content w (wt %) of the calibration, turned into moles of H2O per
  // formula unit of 584.95 g.
  const double tC = S.TK - 273.0;
  const double w = double(((2.261L + 0.26182L * S.P) - 0.0025778L * tC) -
                          0.000046465L * S.P * tC);
  const double dryPart = (100.0 - w) * 18.0;  // both steps in double precision
  const double D = double(ext(dryPart) / 584.95L + ext(w / 18.0));
  const double h = double(((18.0L / D) * w) / 18.0L);

  // Texts; the third line states the water content used.
  S.ModelText = "Vardell et al 2014, hydrous basis";
  S.FerricText = "Ferric from:  Cation Sum = 11 for 18 oxygens. Max Ratio = 0.2";
  S.WarnText = "Water content: " + WaterContentText(h) + " from Ludrick & Hobbelt";
  // Settings and end-members; the water is part of the model, not a fluid
  // of the phasewise line.
  S.NOx = 18.0;
  NEm = 4;
  S.SiteMult = 2;
  NameEndMembers(S, {"crd", "fcrd", "mncrd", "hcrd"});
  IdealGammas(S, kSlotsUsed);
  Asf m;

  // Formula on 18 oxygens.
  CationsPerOxygens(S, Wt, Cat, S.NOx, kOxides);

  // Ferric iron: 11 cations per 18 oxygens, at most 20 % of the iron.
  FerricGuard(S, Wt, Cat, S.CatSum, 11.0L, S.NOx, 0.2);

  // Site allocation on a scratch copy of the formula.
  const doublevec c = Cat;
  // Mn takes its share of the two octahedral positions; Mg and Fe2 share
  // the rest in the ratio of their amounts (both 0 when neither is present).
  const bool noMgFe = c[iMg] == 0 && c[iFe2] == 0;
  const double x = ShareOf(c[iFe2], c[iMg]).x;
  const double xMn = double(ext(c[iMn]) * 0.5);
  const double xMg = noMgFe ? 0.0 : double(ext(x) * xMn + ((1.0L - xMn) - x));
  const double xFe = double(ext(x) - ext(x) * xMn);

  // Proportions of the coefficients: the hydrous end-member takes its
  // share of the Mg cordierite. Without Mg and Fe2 (x = 0) p[crd] is
  // 1 - h - xMn, so the four proportions still sum to 1.
  m.p[crd] = double((((1.0L - h) - xMn) - x) + ext(x) * xMn);
  m.p[fcrd] = xFe;
  m.p[mncrd] = xMn;
  m.p[hcrd] = h;
  // Interaction energies, J.
  m.W[crd][fcrd] = 8000;
  m.W[crd][mncrd] = 6000;
  m.W[crd][hcrd] = 0;
  m.W[fcrd][mncrd] = 4000;
  m.W[fcrd][hcrd] = 9000;
  m.W[mncrd][hcrd] = 6000;

  // Ideal activities: two octahedral positions, times the anhydrous or the
  // hydrous fraction of the channels.
  const ext dry = 1.0L - h;
  const ext mg2 = ext(xMg) * xMg;
  LnA[crd] = SafeLn(double(mg2 * dry), S.SiteMult);
  LnA[fcrd] = SafeLn(double(ext(xFe) * xFe * dry), S.SiteMult);
  LnA[mncrd] = SafeLn(double(ext(xMn) * xMn * dry), S.SiteMult);
  LnA[hcrd] = SafeLn(double(mg2 * h), S.SiteMult);

  // Asymmetric formalism over the four end-members.
  AsfGammas(S, m, crd, hcrd, kSlotsUsed);
}

}  // namespace velm
