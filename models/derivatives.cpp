#include "derivatives.h"

#include <cmath>
#include <string>

#include "mineralmodels.h"

namespace velm {

namespace {

// What a model call writes besides Wt, LnA and Cat. The perturbed calls of
// the derivatives write it too; the analysis keeps its own.
struct ModelResults {
  doublevec Gamma;
  double CatSum, NOx;
  std::int32_t SiteMult, NEm;
  stringvec EmName;
  std::string ModelText, FerricText, WarnText;

  explicit ModelResults(const RunState& S)
      : Gamma(S.Gamma), CatSum(S.CatSum), NOx(S.NOx), SiteMult(S.SiteMult), NEm(S.NEm),
        EmName(S.EmName), ModelText(S.ModelText), FerricText(S.FerricText),
        WarnText(S.WarnText) {}

  void Restore(RunState& S) const {
    S.Gamma = Gamma;
    S.CatSum = CatSum;
    S.NOx = NOx;
    S.SiteMult = SiteMult;
    S.NEm = NEm;
    S.EmName = EmName;
    S.ModelText = ModelText;
    S.FerricText = FerricText;
    S.WarnText = WarnText;
  }
};

double Square(ext v) { return double(v * v); }

}  // namespace

void ModelJacobian(RunState& S, doublevec X, doublevec Y0, const flagvec& XOn,
                   const flagvec& YOn, std::int32_t nx, std::int32_t ny, doublemat& J,
                   std::int32_t MinCode, std::int32_t Mode) {
  for (int i = 1; i <= nx; ++i) {
    if (!XOn[i]) continue;
    const double h = std::fabs(ext(X[i])) > 1e-5L ? double(0.001L * X[i]) : 1e-5;
    // Unwritten output slots keep the analysis' own values: derivative 0.
    doublevec Ya = S.LnA, Yb = S.Cat;
    // The whole model runs on the raised copy, ferric rule included; an
    // estimate it makes stays in the copy for the following oxides.
    X[i] = double(ext(X[i]) + h);
    CalcModel(S, X, Ya, Yb, MinCode, S.NEm);
    X[i] = double(ext(X[i]) - h);
    const doublevec& Y = Mode == 1 ? Ya : Yb;
    for (int j = 1; j <= ny; ++j) {
      if (!YOn[j]) continue;
      const double d = double(ext(Y[j]) - Y0[j]);
      const double s = std::fabs(ext(Y0[j])) > 1e-9L ? std::fabs(Y0[j]) : 1e-9;
      // A change below a millionth of the output counts as none; a NaN
      // change gives a NaN derivative.
      J[j][i] = std::fabs(ext(d)) < 1e-6L * s ? 0.0 : double(ext(d) / h);
    }
  }
  for (int j = 1; j <= ny; ++j)
    for (int i = 1; i <= nx; ++i)
      if (!YOn[j] || !XOn[i]) J[j][i] = 0;
}

void PropagateVariance(const doublevec& v, const doublemat& J, doublevec& out,
                       const flagvec& onIn, const flagvec& onOut, std::int32_t nIn,
                       std::int32_t nOut) {
  for (int j = 1; j <= nOut; ++j) {
    if (!onOut[j]) continue;
    double sum = 0;
    for (int i = 1; i <= nIn; ++i)
      if (onIn[i]) sum = double(ext(sum) + ext(J[j][i]) * J[j][i] * v[i]);
    out[j] = sum;
  }
}

void PropagateUncertainties(RunState& S) {
  const ModelResults own(S);

  for (int i = 1; i <= kOxides; ++i) S.AVar[i] = 0;
  for (int i = 1; i <= kOxides; ++i) {
    S.WtOn[i] = ext(S.Wt[i]) > 1e-6L;
    S.CatOn[i] = ext(S.Cat[i]) > 1e-6L;
    // An ideal activity of 1 (ln 0) is not propagated.
    S.LnAOn[i] = std::fabs(ext(S.LnA[i])) > 1e-8L;
  }
  // 0.05 wt% plus 1.5 % of the value.
  for (int i = 1; i <= kOxides; ++i) S.WtVar[i] = Square(0.05L + 0.015L * S.Wt[i]);
  // Iron: a quarter of the oxide that the ferric share makes the smaller.
  const double ironVar = ext(S.XFe3) < 0.5L ? Square(0.25L * S.Wt[iFe2O3])
                                             : Square(0.25L * S.Wt[iFeO]);
  S.WtVar[iFe2O3] = ironVar;
  S.WtVar[iFeO] = ironVar;

  const std::int32_t nEm = S.NEm;
  ModelJacobian(S, S.Wt, S.LnA, S.WtOn, S.LnAOn, kOxides, nEm, S.JacA, S.MinCode, 1);
  own.Restore(S);

  // From here on LnA holds activities; -20 (no value) becomes 0.
  for (int j = 1; j <= nEm; ++j) {
    S.ActTmp = S.LnA[j] > kNoActivity ? double(std::exp(ext(S.LnA[j]))) : 0.0;
    S.LnA[j] = S.ActTmp;
    for (int i = 1; i <= kOxides; ++i) S.JacA[j][i] = double(ext(S.ActTmp) * S.JacA[j][i]);
  }
  PropagateVariance(S.WtVar, S.JacA, S.AVar, S.WtOn, S.LnAOn, kOxides, nEm);

  for (int i = 1; i <= kOxides; ++i) S.CatVar[i] = 0;
  ModelJacobian(S, S.Wt, S.Cat, S.WtOn, S.CatOn, kOxides, kOxides, S.JacCat, S.MinCode, 2);
  own.Restore(S);
  PropagateVariance(S.WtVar, S.JacCat, S.CatVar, S.WtOn, S.CatOn, kOxides, kOxides);
}

}  // namespace velm
