#include "formula.h"

namespace velm {

// Sums and products are formed in extended precision; every value stored is
// a double, running sums included.

void NormaliseAnalysis(RunState& S, doublevec& w, std::int32_t n) {
  S.WtSum = 0;
  for (int i = 1; i <= n; ++i) S.WtSum = double(ext(S.WtSum) + w[i]);
  // Exactly 45 stays weight percent; a NaN total is not converted.
  if (!(ext(S.WtSum) < 45.0L)) return;
  double s = 0;
  for (int i = 1; i <= n; ++i) {
    // Cations of the slot turned into grams of its oxide.
    w[i] = double(ext(S.MolWt[i]) * w[i] / S.CatPerOxide[i]);
    s = double(ext(s) + w[i]);
  }
  for (int i = 1; i <= n; ++i) w[i] = double((ext(w[i]) * 100.0L) / s);
  S.WtSum = 100.0;
}

void CationsPerOxygens(RunState& S, const doublevec& wt, doublevec& cat, double nOx,
                       std::int32_t n) {
  S.WtSum = 0;
  double ox = 0;
  for (int i = 1; i <= n; ++i) {
    S.WtSum = double(ext(S.WtSum) + wt[i]);
    cat[i] = double(ext(wt[i]) / S.MolWt[i]);
    ox = double(ext(ox) + ext(S.OxyPerOxide[i]) * cat[i]);
  }
  double f = double(ext(nOx) / ox);
  S.CatSum = 0;
  for (int i = 1; i <= n; ++i) {
    cat[i] = double(ext(cat[i]) * (ext(S.CatPerOxide[i]) * f));
    S.CatSum = double(ext(S.CatSum) + cat[i]);
  }
}

void CationsPerCations(RunState& S, const doublevec& wt, doublevec& cat, double nCat,
                       std::int32_t n) {
  S.WtSum = 0;
  double s = 0;
  for (int i = 1; i <= n; ++i) {
    S.WtSum = double(ext(S.WtSum) + wt[i]);
    cat[i] = double((ext(wt[i]) / S.MolWt[i]) * S.CatPerOxide[i]);
    s = double(ext(s) + cat[i]);
  }
  double f = double(ext(nCat) / s);
  S.CatSum = 0;
  for (int i = 1; i <= n; ++i) {
    cat[i] = double(ext(f) * cat[i]);
    S.CatSum = double(ext(S.CatSum) + cat[i]);
  }
}

void FerricFromCharge(RunState& S, doublevec& wt, doublevec& cat, double cur, double target,
                      double nOx, double maxRatio) {
  const double feo = wt[iFeO];  // all iron as FeO
  double f = double(ext(target) / cur);
  // The factor at which the estimate gives exactly maxRatio.
  const double fmin = double(2.0L * nOx / (ext(maxRatio) * cat[iFe2] + 2.0L * nOx));
  if (f < fmin) f = fmin;
  for (int i = 1; i <= kOxides; ++i) cat[i] = double(ext(f) * cat[i]);
  S.CatSum = double(ext(f) * S.CatSum);
  // The positive charge the scaled formula lacks against 2*nOx, supplied by
  // oxidising Fe2 to Fe3 one charge each.
  cat[iFe3] = double((1.0L - f) * 2.0L * nOx);
  cat[iFe2] = double(ext(cat[iFe2]) - cat[iFe3]);
  S.XFe3 = double(ext(cat[iFe3]) / (ext(cat[iFe2]) + cat[iFe3]));
  // 1.111341: the mass of Fe2O3 formed from two FeO.
  wt[iFe2O3] = double(ext(feo) * S.XFe3 * 1.111341L);
  wt[iFeO] = double(ext(feo) * (1.0L - S.XFe3));
}

}  // namespace velm
