#include "report.h"

#include <cmath>
#include <string>

#include "numfmt.h"

namespace velm {

void WriteReportHeader(TextOut& f, double P, double TCelsius) {
  f.WriteLn(kReportTitle);
  // Temperatures beyond any integer type are written as reals with no
  // decimals instead of being rounded to an integer.
  const bool roundable = std::fabs(TCelsius) < 1e15;
  const std::string t =
      roundable ? FmtInt(RoundHalfEven(TCelsius), 4) : FmtReal(TCelsius, 4, 0);
  f.WriteLn("Calculations for P = " + FmtReal(P, 3, 1) + " kbar and T = " + t + " degC");
}

void WriteBlockOpening(TextOut& f) {
  for (int i = 0; i < 4; ++i) f.WriteLn();
  f.WriteLn(std::string(80, '_'));
  f.WriteLn();
}

void ModelErrorSd(const RunState& S, double a, double& sd) {
  // 1/n in single precision, as the error model has always been evaluated.
  const float c = 1.0f / static_cast<float>(S.SiteMult);
  const double y = double(std::exp(ext(c) * std::log(ext(a))));
  const double notY = 1.0 - y;
  double e = double(0.15L * y * (ext(notY) * notY));
  if (ext(e) / y < 0.025L) e = double(0.025L * y);
  const double na = S.SiteMult * a;
  sd = double(ext(e) * na / y);
}

void DecimalsFor(double& v, std::int32_t& k) {
  k = 0;
  if (v < 1 && ext(v) > 1e-8L) {
    do {
      v = v * 10;
      ++k;
    } while (!(v > 1 || k > 6));
  }
}

namespace {

// round(100 sd / a) in 6, however many digits it has, or "-" when there is
// no such integer: an activity that underflowed to 0, a quotient that is not
// finite, or one beyond the 64-bit integers.
std::string Percentage(double sd, ext activity) {
  const double hundredSd = 100 * sd;
  const ext q = ext(hundredSd) / activity;
  // The test is on the rounded value: just below 2^63 a half rounds to
  // even, which can be 2^63 itself.
  const ext rounded = std::nearbyint(q);
  if (activity == 0 || !(std::fabs(rounded) < 0x1p63L)) return Pad("-", 6);
  return FmtInt(static_cast<std::int64_t>(rounded), 6);
}

}  // namespace

void WriteAnalysisReport(RunState& S, const doublevec& wt, const doublevec& cat,
                         const doublevec& act, std::int32_t nRows, std::int32_t nEm, TextOut& f) {
  WriteBlockOpening(f);
  f.WriteLn(S.MinCodeList[S.MinCode] + " " + S.SampleName);
  f.WriteLn("  " + S.ModelText);
  f.WriteLn("  " + S.FerricText);
  if (!S.WarnText.empty()) f.WriteLn("  " + S.WarnText);
  f.WriteLn();
  f.WriteLn(Pad("oxide", 5) + Pad("wt %", 8) + Pad("cations", 8) + Pad("sd", 8) +
            Pad("activity", 23) + Pad("sd", 12) + Pad("%", 6));
  f.WriteLn();

  S.WtSum = 0;
  for (int i = 1; i <= kOxides; ++i) S.WtSum = double(ext(S.WtSum) + wt[i]);

  std::string pwz;
  const int rows = nRows < kSlots ? nRows : kSlots;
  for (int i = 1; i <= rows; ++i) {
    std::string line = Pad(S.OxName[i], 5) + FmtReal(wt[i], 8, 2) + FmtReal(cat[i], 8, 3) +
                       FmtReal(std::sqrt(ext(S.CatVar[i])), 8, 3);
    const double s0 = double(std::sqrt(ext(S.AVar[i])));
    S.ActSd = s0;
    const ext reported = ext(S.Gamma[i]) * act[i];
    // An activity is printed only when it exceeds its own propagated
    // standard deviation and stays within 1.01; NaN anywhere fails.
    if (std::fabs(ext(act[i])) > 1e-8L && i <= nEm && act[i] > s0 &&
        std::fabs(reported) <= 1.01L) {
      double v = act[i], s = s0;
      double m = 0;
      ModelErrorSd(S, double(reported), m);
      const double sd = std::fabs(m) > s0 ? m : s0;
      // Decimals follow the ideal activity and the propagated deviation,
      // not the coefficient or the model-error floor.
      std::int32_t dv = 0, ds = 0;
      DecimalsFor(v, dv);
      DecimalsFor(s, ds);
      const std::string a = FmtReal(reported, 12, dv + 1);
      const std::string d = FmtReal(sd, 12, ds + 1);
      line += Pad(S.EmName[i], 11) + a + d + Percentage(sd, reported);
      pwz += Pad(S.EmName[i], 4) + a + d + "    ";
    } else if (i <= nEm) {
      line += Pad(S.EmName[i], 11) + Pad("-", 12) + Pad("-", 12) + Pad("-", 6);
    }
    f.WriteLn(line);
  }
  f.WriteLn();
  f.WriteLn(Pad("totals", 6) + FmtReal(S.WtSum, 7, 2) + FmtReal(S.CatSum, 8, 3));
  S.PwzFile.WriteLn(pwz);
}

}  // namespace velm
